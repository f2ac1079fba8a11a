// SPDX-License-Identifier: GPL-3.0-or-later
// A status item for trays that speak only XEmbed (i3bar, polybar): a QSystemTrayIcon showing
// the icon with the text drawn into it. Such trays give no label and no click position.
#pragma once

#include "platform/StatusItem.h"

#include <QObject>

class QMenu;
class QSystemTrayIcon;

namespace ruvo::platform {

class XEmbedStatusItem final : public QObject, public StatusItem {
    Q_OBJECT
public:
    XEmbedStatusItem(const StatusIconPainter& painter, QObject* parent = nullptr);
    ~XEmbedStatusItem() override;

    void setContent(const StatusItemContent& content) override;
    void setVisible(bool visible) override;
    bool isVisible() const override;
    void setMenu(const std::vector<StatusMenuEntry>& entries) override;
    void onActivated(std::function<void(const ActivationEvent&)> handler) override {
        m_activated = std::move(handler);
    }
    void onMenuEntryChosen(std::function<void(const QString&)> handler) override {
        m_chosen = std::move(handler);
    }
    bool isShownByHost() const override;
    void setPassive(bool isPassive) override;

private:
    const StatusIconPainter& m_painter;
    QSystemTrayIcon* m_tray;
    std::unique_ptr<QMenu> m_menu;
    std::function<void(const ActivationEvent&)> m_activated;
    std::function<void(const QString&)> m_chosen;
    bool m_isVisible = false;
    bool m_isPassive = false;
};

// The item for this desktop: a StatusNotifierItem where a watcher runs (or none and no XEmbed
// tray either, so a watcher that starts later finds it), else an XEmbed tray icon.
std::unique_ptr<StatusItem> makeStatusItem(const QString& id, const StatusIconPainter& painter);

} // namespace ruvo::platform
