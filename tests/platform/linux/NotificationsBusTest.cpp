// SPDX-License-Identifier: GPL-3.0-or-later
// Notifications on a private session bus, against a notification server written for the test:
// the freedesktop transport alone, then the call notifications end to end with the controller
// on virtual time.
#include "PrivateBus.h"
#include "TestNotificationServer.h"
#include "TestSupport.h"
#include "alerts/VideoCallNotificationController.h"
#include "kit/VirtualScheduler.h"
#include "platform/fake/FakeCalendarStore.h"
#include "platform/fake/FakeSystemDateEvents.h"
#include "platform/linux/DBusNotifications.h"
#include "settings/Keys.h"

#include <gtest/gtest.h>
#include <set>

using namespace ruvo;
using namespace std::chrono_literals;
namespace keys = settings::keys;

namespace {

const QString kJoin = QStringLiteral("JOIN_VIDEO_CALL");

// The bus, the server on its own connection (not yet registered) and the program's connection.
struct ServerOnBus {
    test::PrivateBus bus;
    QDBusConnection serverBus = bus.connect(QStringLiteral("server"));
    test::TestNotificationServer server{serverBus};
    QDBusConnection clientBus = bus.connect(QStringLiteral("client"));

    bool start() { return bus.isRunning() && server.registerOn(serverBus); }
};

// One call, 10:00-10:15 UTC in calendar "A", ten seconds ahead.
struct CallSetup {
    settings::Suite standard{QStringLiteral("standard")};
    settings::Suite shared{QStringLiteral("shared")};
    settings::Defaults defaults{standard, shared};
    kit::VirtualScheduler scheduler{test::at("2026-12-07T09:59:50Z")};
    platform::FakeCalendarStore store;
    platform::FakeSystemDateEvents dateEvents;
    kit::Signal<> eventsDidChange;
    std::vector<QString> joined;
    alerts::CallNotificationPlanner planner{
        store,
        defaults,
        scheduler,
        [](const platform::Event& e) {
            return std::optional(videocalls::Service{QStringLiteral("Zoom"), QUrl(e.location())});
        },
        {}};
    std::unique_ptr<alerts::VideoCallNotificationController> controller;

    CallSetup(const char* title, platform::Notifications& notifications) {
        platform::Calendar work;
        work.identifier = QStringLiteral("A");
        store.calendarList.push_back(work);
        defaults.set(keys::enabledCalendars, {QStringLiteral("A")});
        defaults.set(keys::notifyForVideoCalls_calendars, {QStringLiteral("A")});
        auto data = std::make_shared<platform::EventData>();
        data->title = QString::fromUtf8(title);
        data->calendarItemExternalIdentifier = QStringLiteral("s1");
        data->calendarIdentifier = QStringLiteral("A");
        data->extra().location = QStringLiteral("https://zoom.us/j/1");
        store.addEvent(data, test::at("2026-12-07T10:00:00Z"), test::at("2026-12-07T10:15:00Z"));
        controller = std::make_unique<alerts::VideoCallNotificationController>(
            alerts::VideoCallNotificationController::Dependencies{
                scheduler, eventsDidChange, dateEvents, notifications,
                [this](kit::Instant now) { return planner.plan(now); },
                [](kit::Instant) { return QStringLiteral("10:00 AM"); },
                [this](const platform::Event& e) { joined.push_back(e.title()); }});
    }
};

} // namespace

TEST(DBusNotifications, PostsWithJoinUrgencyAndSoundHearsTheActionAndWithdraws) {
    ServerOnBus b;
    ASSERT_TRUE(b.start());
    platform::DBusNotifications notifications(b.clientBus);
    std::vector<std::pair<QString, QString>> chosen;
    auto subscription = notifications.actionInvoked.connect(
        [&](const QString& key, const QString& action) { chosen.emplace_back(key, action); });

    const platform::NotificationRequest request{QStringLiteral("Standup"),
                                                QStringLiteral("10:00 AM · Zoom"),
                                                {{kJoin, QStringLiteral("Join")}},
                                                true,
                                                QStringLiteral("message-new-instant")};
    notifications.post(QStringLiteral("event-1"), request);
    notifications.post(QStringLiteral("event-2"), request);
    ASSERT_TRUE(test::processEventsUntil([&] { return b.server.shown.size() == 2; }));
    const auto& first = b.server.shown.front();
    EXPECT_EQ(first.summary, QStringLiteral("Standup"));
    EXPECT_EQ(first.body, QStringLiteral("10:00 AM · Zoom"));
    EXPECT_EQ(first.actions, (QStringList{kJoin, QStringLiteral("Join")}));
    EXPECT_EQ(first.hints.value(QStringLiteral("urgency")).toInt(), 2);
    EXPECT_EQ(first.hints.value(QStringLiteral("sound-name")).toString(),
              QStringLiteral("message-new-instant"));

    // The action arrives on the connection that posted, for the notification's key.
    b.server.invoke(2, kJoin, b.clientBus.baseService());
    ASSERT_TRUE(test::processEventsUntil([&] { return !chosen.empty(); }));
    EXPECT_EQ(chosen.front(), std::make_pair(QStringLiteral("event-2"), kJoin));

    // Posting again under a key replaces; withdrawing closes the server's id once.
    notifications.post(QStringLiteral("event-1"), request);
    ASSERT_TRUE(test::processEventsUntil([&] { return b.server.shown.size() == 3; }));
    EXPECT_EQ(b.server.shown.back().replaces, 1u);
    notifications.withdraw(QStringLiteral("event-1"));
    notifications.withdraw(QStringLiteral("event-1"));
    notifications.withdraw(QStringLiteral("never-posted"));
    // Withdrawn before the server has answered: closed as soon as it answers.
    notifications.post(QStringLiteral("event-3"), request);
    notifications.withdraw(QStringLiteral("event-3"));
    // (A replacement still on its way when withdrawn may be closed twice; never anything else.)
    const auto closedIds = [&] {
        return std::set<uint>(b.server.closed.begin(), b.server.closed.end());
    };
    ASSERT_TRUE(test::processEventsUntil([&] { return closedIds().size() == 2; }));
    EXPECT_EQ(closedIds(), (std::set<uint>{1, 4}));
}

TEST(CallNotificationsOnTheBus, NotifyWithJoinAtTheStartAndCloseAtTheEnd) {
    ServerOnBus b;
    ASSERT_TRUE(b.start());
    platform::DBusNotifications notifications(b.clientBus);
    CallSetup setup("Standup", notifications);
    setup.scheduler.advanceTo(test::at("2026-12-07T09:59:59.999Z"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(b.server.shown.empty());
    setup.scheduler.advanceTo(test::at("2026-12-07T10:00:00Z"));
    ASSERT_TRUE(test::processEventsUntil([&] { return b.server.shown.size() == 1; }));
    const auto& shown = b.server.shown.front();
    EXPECT_EQ(shown.body, QStringLiteral("10:00 AM · Zoom"));
    EXPECT_EQ(shown.actions, (QStringList{kJoin, QStringLiteral("Join")}));

    b.server.invoke(shown.id, kJoin, b.clientBus.baseService());
    ASSERT_TRUE(test::processEventsUntil([&] { return !setup.joined.empty(); }));

    setup.scheduler.advanceTo(test::at("2026-12-07T10:15:00Z"));
    ASSERT_TRUE(test::processEventsUntil([&] { return !b.server.closed.empty(); }));
    EXPECT_EQ(b.server.closed, std::vector<uint>{shown.id});
    EXPECT_EQ(b.server.shown.size(), 1u);
}

TEST(CallNotificationsOnTheBus, ServerWithoutButtonsGetsTheJoinHintAsPlainText) {
    ServerOnBus b;
    b.server.capabilities = {QStringLiteral("body"), QStringLiteral("body-markup")};
    ASSERT_TRUE(b.start());
    platform::DBusNotifications notifications(b.clientBus);
    ASSERT_TRUE(test::processEventsUntil([&] { return !notifications.canShowActions(); }));

    CallSetup setup("R&D <sync>", notifications);
    setup.scheduler.advanceTo(test::at("2026-12-07T10:00:00Z"));
    ASSERT_TRUE(test::processEventsUntil([&] { return b.server.shown.size() == 1; }));
    EXPECT_EQ(b.server.shown.front().summary, QStringLiteral("R&D <sync>"));
    EXPECT_EQ(b.server.shown.front().body,
              QStringLiteral("10:00 AM · Zoom\nTo join, choose “Join R&amp;D &lt;sync&gt;” in "
                             "the Ruvo panel menu."));
}

TEST(CallNotificationsOnTheBus, WithoutAServerTheWindowStandsIn) {
    test::PrivateBus bus;
    ASSERT_TRUE(bus.isRunning());
    platform::DBusNotifications notifications(bus.connect(QStringLiteral("client")));
    std::vector<QString> failed;
    auto subscription = notifications.postFailed.connect(
        [&](const QString& key, const QString&) { failed.push_back(key); });
    CallSetup setup("Standup", notifications);
    setup.scheduler.advanceTo(test::at("2026-12-07T10:00:00Z"));
    ASSERT_TRUE(test::processEventsUntil([&] { return !failed.empty(); }));
    EXPECT_EQ(setup.controller->shownKeys(), failed);
}
