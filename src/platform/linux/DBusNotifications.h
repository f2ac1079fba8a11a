// SPDX-License-Identifier: GPL-3.0-or-later
// Notifications through the desktop's notification server (org.freedesktop.Notifications).
// The server answers Notify with its own id; keys map to those ids here. ActionInvoked goes
// only to the connection that called Notify, so the same connection listens for it.
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

private Q_SLOTS:
    void onActionInvoked(uint id, const QString& action);
    void onNotificationClosed(uint id, uint reason);

private:
    void onPosted(const QString& key, uint id);
    void close(uint id);

    QDBusConnection m_connection;
    std::map<QString, uint> m_ids;      // key -> the server's id, while shown
    std::set<QString> m_pending;        // Notify sent, no answer yet
    std::set<QString> m_withdrawnEarly; // of those, withdrawn before the answer
};

} // namespace ruvo::platform
