// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QStringList>
#include <QVariantMap>
#include <vector>

namespace ruvo::test {

// A notification server written for the test: it numbers what it is sent and can report a
// chosen action back to the connection that sent the notification.
class TestNotificationServer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Shown {
        uint id;
        uint replaces;
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
        QString sender;
    };
    std::vector<Shown> shown;
    std::vector<uint> closed;
    QStringList capabilities{QStringLiteral("actions")};
    QDBusConnection connection;

    explicit TestNotificationServer(QDBusConnection c) : connection(std::move(c)) {}

    bool registerOn(QDBusConnection bus) {
        return bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), this,
                                  QDBusConnection::ExportScriptableSlots) &&
               bus.registerService(QStringLiteral("org.freedesktop.Notifications"));
    }

    void invoke(uint id, const QString& action, const QString& to) {
        QDBusMessage signal = QDBusMessage::createTargetedSignal(
            to, QStringLiteral("/org/freedesktop/Notifications"),
            QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("ActionInvoked"));
        signal << id << action;
        connection.send(signal);
    }

public Q_SLOTS:
    Q_SCRIPTABLE uint Notify(const QString&, uint replaces, const QString&, const QString& summary,
                             const QString& body, const QStringList& actions,
                             const QVariantMap& hints, int) {
        const uint id = replaces != 0 ? replaces : static_cast<uint>(shown.size() + 1);
        shown.push_back({id, replaces, summary, body, actions, hints, QString()});
        return id;
    }
    Q_SCRIPTABLE void CloseNotification(uint id) { closed.push_back(id); }
    Q_SCRIPTABLE QStringList GetCapabilities() { return capabilities; }
};

} // namespace ruvo::test
