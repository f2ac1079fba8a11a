// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/DBusNotifications.h"

#include "PrivateBus.h"
#include "TestNotificationServer.h"
#include "TestSupport.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>
#include <gtest/gtest.h>
#include <set>

using namespace ruvo;

TEST(DBusNotifications, PostsWithJoinAndUrgencyHearsTheActionAndWithdraws) {
    test::PrivateBus bus;
    ASSERT_TRUE(bus.isRunning());
    QDBusConnection serverBus = bus.connect(QStringLiteral("server"));
    test::TestNotificationServer server(serverBus);
    ASSERT_TRUE(server.registerOn(serverBus));

    QDBusConnection clientBus = bus.connect(QStringLiteral("client"));
    platform::DBusNotifications notifications(clientBus);
    std::vector<std::pair<QString, QString>> chosen;
    auto subscription = notifications.actionInvoked.connect(
        [&](const QString& key, const QString& action) { chosen.emplace_back(key, action); });

    const platform::NotificationRequest request{
        QStringLiteral("Standup"),
        QStringLiteral("10:00 AM · Zoom"),
        {{QStringLiteral("JOIN_VIDEO_CALL"), QStringLiteral("Join")}},
        true,
        QString()};
    notifications.post(QStringLiteral("event-1"), request);
    notifications.post(QStringLiteral("event-2"), request);
    ASSERT_TRUE(test::processEventsUntil([&] { return server.shown.size() == 2; }));
    const auto& first = server.shown.front();
    EXPECT_EQ(first.summary, QStringLiteral("Standup"));
    EXPECT_EQ(first.actions,
              (QStringList{QStringLiteral("JOIN_VIDEO_CALL"), QStringLiteral("Join")}));
    EXPECT_EQ(first.hints.value(QStringLiteral("urgency")).toInt(), 2);

    // The action arrives on the connection that posted, for the notification's key.
    server.invoke(2, QStringLiteral("JOIN_VIDEO_CALL"), clientBus.baseService());
    ASSERT_TRUE(test::processEventsUntil([&] { return !chosen.empty(); }));
    EXPECT_EQ(chosen.front(),
              std::make_pair(QStringLiteral("event-2"), QStringLiteral("JOIN_VIDEO_CALL")));

    // Posting again under a key replaces; withdrawing closes the server's id once.
    notifications.post(QStringLiteral("event-1"), request);
    ASSERT_TRUE(test::processEventsUntil([&] { return server.shown.size() == 3; }));
    EXPECT_EQ(server.shown.back().replaces, 1u);
    notifications.withdraw(QStringLiteral("event-1"));
    notifications.withdraw(QStringLiteral("event-1"));
    notifications.withdraw(QStringLiteral("never-posted"));
    // Withdrawn before the server has answered: closed as soon as it answers.
    notifications.post(QStringLiteral("event-3"), request);
    notifications.withdraw(QStringLiteral("event-3"));
    // (A replacement still on its way when withdrawn may be closed twice; never anything else.)
    const auto closedIds = [&] {
        return std::set<uint>(server.closed.begin(), server.closed.end());
    };
    ASSERT_TRUE(test::processEventsUntil([&] { return closedIds().size() == 2; }));
    EXPECT_EQ(closedIds(), (std::set<uint>{1, 4}));
}
