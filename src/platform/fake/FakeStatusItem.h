// SPDX-License-Identifier: GPL-3.0-or-later
// A status item that records what it was given and lets a test click it.
#pragma once

#include "platform/StatusItem.h"

namespace ruvo::platform {

class FakeStatusItem final : public StatusItem {
public:
    std::vector<StatusItemContent> contents; // every setContent, in order
    std::vector<StatusMenuEntry> menu;
    bool visible = true;
    bool shownByHost = true;

    const StatusItemContent& content() const { return contents.back(); }

    void setContent(const StatusItemContent& content) override { contents.push_back(content); }
    void setVisible(bool v) override { visible = v; }
    bool isVisible() const override { return visible; }
    void setMenu(const std::vector<StatusMenuEntry>& entries) override { menu = entries; }
    void onActivated(std::function<void(const ActivationEvent&)> handler) override {
        m_activated = std::move(handler);
    }
    void onMenuEntryChosen(std::function<void(const QString&)> handler) override {
        m_chosen = std::move(handler);
    }
    bool isShownByHost() const override { return shownByHost; }

    void click(std::optional<QPoint> at = std::nullopt) {
        if (m_activated)
            m_activated(ActivationEvent{Activation::primary, at});
    }
    void choose(const QString& id) {
        if (m_chosen)
            m_chosen(id);
    }

private:
    std::function<void(const ActivationEvent&)> m_activated;
    std::function<void(const QString&)> m_chosen;
};

} // namespace ruvo::platform
