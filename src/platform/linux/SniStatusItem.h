// SPDX-License-Identifier: GPL-3.0-or-later
// A status item as a StatusNotifierItem, on a D-Bus connection of its own (so one process can
// hold several items, each with its own unique name), with its own menu, registered with the
// StatusNotifierWatcher and again whenever a watcher appears.
//
// Panels differ: GNOME's AppIndicator extension shows the Ayatana label beside the icon;
// KDE, Xfce, Cinnamon and waybar show only the icon, so there the text is drawn into it.
#pragma once

#include "platform/StatusItem.h"

#include <QDBusConnection>
#include <QObject>

class QDBusServiceWatcher;

namespace ruvo::platform {

class DBusMenuExporter;
class StatusNotifierItemObject;

// Whether the desktop's panel shows a label beside the icon (from XDG_CURRENT_DESKTOP).
bool panelShowsLabel(const QString& currentDesktop);

class SniStatusItem final : public QObject, public StatusItem {
    Q_OBJECT
public:
    struct Options {
        QString id;            // "ruvo-clock"
        QString busAddress;    // empty: the session bus
        bool drawTextIntoIcon; // for panels that show no label
    };

    SniStatusItem(Options options, const StatusIconPainter& painter, QObject* parent = nullptr);
    ~SniStatusItem() override;

    void setContent(const StatusItemContent& content) override;
    void setVisible(bool visible) override;
    bool isVisible() const override { return m_isVisible; }
    void setMenu(const std::vector<StatusMenuEntry>& entries) override;
    void onActivated(std::function<void(const ActivationEvent&)> handler) override {
        m_activated = std::move(handler);
    }
    void onMenuEntryChosen(std::function<void(const QString&)> handler) override;
    bool isShownByHost() const override { return m_isRegistered; }
    void setPassive(bool isPassive) override;

    QString serviceName() const;

Q_SIGNALS:
    void registrationChanged(bool isRegistered);

private:
    void registerWithWatcher();
    void onActivate(Activation kind, int x, int y);
    void sendPropertiesChanged(const QVariantMap& changed);
    void repaint();

    Options m_options;
    const StatusIconPainter& m_painter;
    QDBusConnection m_connection;
    StatusNotifierItemObject* m_item = nullptr;
    DBusMenuExporter* m_menu = nullptr;
    QDBusServiceWatcher* m_watcher = nullptr;
    StatusItemContent m_content;
    bool m_isVisible = true;
    bool m_isRegistered = false;
    std::function<void(const ActivationEvent&)> m_activated;
};

} // namespace ruvo::platform
