// SPDX-License-Identifier: GPL-3.0-or-later
// Notifications through the desktop's notification server (org.freedesktop.Notifications).
// The server answers Notify with its own id; keys map to those ids here. ActionInvoked goes
// only to the connection that called Notify, so the same connection listens for it. The
// server's capabilities are asked when it appears (and at start): whether it shows action
// buttons, and whether it reads the body as markup (then the body is escaped, so text from a
// calendar is shown as it stands).
#pragma once

#include "platform/Notifications.h"

#include <QDBusConnection>
#include <QObject>
#include <map>
#include <set>

namespace ruvo::platform {

class DBusNotifications final : public QObject, public Notifications {
    Q_OBJECT
public:
    explicit DBusNotifications(QDBusConnection connection = QDBusConnection::sessionBus(),
                               QObject* parent = nullptr);

    void post(const QString& key, const NotificationRequest& request) override;
    void withdraw(const QString& key) override;
    bool canShowActions() const override { return m_hasActions; }

private Q_SLOTS:
    void onActionInvoked(uint id, const QString& action);
    void onNotificationClosed(uint id, uint reason);
    void askCapabilities();

private:
    void onPosted(const QString& key, uint id);
    void close(uint id);

    QDBusConnection m_connection;
    bool m_hasActions = true;
    bool m_hasBodyMarkup = false;
    std::map<QString, uint> m_ids;      // key -> the server's id, while shown
    std::set<QString> m_pending;        // Notify sent, no answer yet
    std::set<QString> m_withdrawnEarly; // of those, withdrawn before the answer
};

} // namespace ruvo::platform
