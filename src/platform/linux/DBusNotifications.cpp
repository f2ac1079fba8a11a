// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/DBusNotifications.h"

#include "platform/linux/PlatformLog.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>

namespace ruvo::platform {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
constexpr uchar kUrgencyCritical = 2;
// A server started on demand answers well within this; past it the caller shows the
// notification its own way rather than late.
constexpr int kNotifyTimeoutMs = 10'000;

QStringList actionList(const std::vector<NotificationAction>& actions) {
    QStringList list;
    for (const NotificationAction& a : actions)
        list << a.identifier << a.title;
    return list;
}

QVariantMap hints(const NotificationRequest& request) {
    QVariantMap hints;
    if (request.isUrgent)
        hints.insert(QStringLiteral("urgency"), QVariant::fromValue(kUrgencyCritical));
    if (!request.soundName.isEmpty())
        hints.insert(QStringLiteral("sound-name"), request.soundName);
    return hints;
}

} // namespace

DBusNotifications::DBusNotifications(QDBusConnection connection, QObject* parent)
    : QObject(parent), m_connection(std::move(connection)) {
    m_connection.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                         SLOT(onActionInvoked(uint, QString)));
    m_connection.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                         SLOT(onNotificationClosed(uint, uint)));
    auto* watcher = new QDBusServiceWatcher(kService, m_connection,
                                            QDBusServiceWatcher::WatchForRegistration, this);
    connect(watcher, &QDBusServiceWatcher::serviceRegistered, this,
            &DBusNotifications::askCapabilities);
    askCapabilities();
}

void DBusNotifications::askCapabilities() {
    const QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                             QStringLiteral("GetCapabilities"));
    auto* watcher = new QDBusPendingCallWatcher(m_connection.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        watcher->deleteLater();
        const QDBusPendingReply<QStringList> reply = *watcher;
        if (reply.isError())
            return; // no server yet: asked again when one appears
        m_hasActions = reply.value().contains(QStringLiteral("actions"));
        m_hasBodyMarkup = reply.value().contains(QStringLiteral("body-markup"));
    });
}

void DBusNotifications::post(const QString& key, const NotificationRequest& request) {
    m_withdrawnEarly.erase(key);
    m_pending.insert(key);
    const auto shown = m_ids.find(key);
    const uint replaces = shown == m_ids.end() ? 0 : shown->second;
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    call << QStringLiteral("Ruvo") << replaces << QStringLiteral("ruvo") << request.summary
         << (m_hasBodyMarkup ? request.body.toHtmlEscaped() : request.body)
         << actionList(request.actions) << hints(request) << qint32(-1);
    auto* watcher =
        new QDBusPendingCallWatcher(m_connection.asyncCall(call, kNotifyTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, key, watcher] {
        watcher->deleteLater();
        const QDBusPendingReply<uint> reply = *watcher;
        m_pending.erase(key);
        if (reply.isError()) {
            m_withdrawnEarly.erase(key);
            qCWarning(lcPlatform) << "The notification server refused a notification:"
                                  << reply.error().message();
            postFailed.emit(key, reply.error().message());
            return;
        }
        onPosted(key, reply.value());
    });
}

void DBusNotifications::onPosted(const QString& key, uint id) {
    if (m_withdrawnEarly.erase(key) > 0) {
        close(id);
        return;
    }
    m_ids[key] = id;
}

void DBusNotifications::withdraw(const QString& key) {
    if (m_pending.count(key) > 0)
        m_withdrawnEarly.insert(key); // what the server is about to show is closed on its answer
    const auto shown = m_ids.find(key);
    if (shown == m_ids.end())
        return;
    close(shown->second);
    m_ids.erase(shown);
}

void DBusNotifications::close(uint id) {
    m_connection.asyncCall(QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                          QStringLiteral("CloseNotification"))
                           << id);
}

void DBusNotifications::onActionInvoked(uint id, const QString& action) {
    for (const auto& [key, shownId] : m_ids)
        if (shownId == id) {
            const QString chosen = key; // a handler may post or withdraw
            actionInvoked.emit(chosen, action);
            return;
        }
}

void DBusNotifications::onNotificationClosed(uint id, uint) {
    for (auto it = m_ids.begin(); it != m_ids.end(); ++it)
        if (it->second == id) {
            m_ids.erase(it);
            return;
        }
}

} // namespace ruvo::platform
