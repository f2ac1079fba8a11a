// SPDX-License-Identifier: GPL-3.0-or-later
// One status item shown in two places at once (the tray's item and a panel applet): what the
// logic sets goes to both, a click or a menu entry from either comes back the same way.
#pragma once

#include "platform/StatusItem.h"

namespace ruvo::platform {

class StatusItemPair final : public StatusItem {
public:
    StatusItemPair(StatusItem& first, StatusItem& second) : m_first(first), m_second(second) {}

    void setContent(const StatusItemContent& content) override {
        m_first.setContent(content);
        m_second.setContent(content);
    }
    void setVisible(bool visible) override {
        m_first.setVisible(visible);
        m_second.setVisible(visible);
    }
    bool isVisible() const override { return m_first.isVisible(); }
    void setMenu(const std::vector<StatusMenuEntry>& entries) override {
        m_first.setMenu(entries);
        m_second.setMenu(entries);
    }
    void onActivated(std::function<void(const ActivationEvent&)> handler) override {
        m_first.onActivated(handler);
        m_second.onActivated(std::move(handler));
    }
    void onMenuEntryChosen(std::function<void(const QString&)> handler) override {
        m_first.onMenuEntryChosen(handler);
        m_second.onMenuEntryChosen(std::move(handler));
    }
    bool isShownByHost() const override {
        return m_first.isShownByHost() || m_second.isShownByHost();
    }

private:
    StatusItem& m_first;
    StatusItem& m_second;
};

} // namespace ruvo::platform
