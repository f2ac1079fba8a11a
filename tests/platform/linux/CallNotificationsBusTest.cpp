// SPDX-License-Identifier: GPL-3.0-or-later
// The call notifications end to end on a private session bus: the controller on virtual time,
// the freedesktop transport, and a notification server written for the test.
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

using namespace ruvo;
using namespace std::chrono_literals;
namespace keys = settings::keys;

namespace {

const kit::Instant kNow = test::at("2026-12-07T09:59:50Z");

struct CallSetup {
    settings::Suite standard{QStringLiteral("standard")};
    settings::Suite shared{QStringLiteral("shared")};
    settings::Defaults defaults{standard, shared};
    kit::VirtualScheduler scheduler{kNow};
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

    explicit CallSetup(const char* title) {
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
    }

    std::unique_ptr<alerts::VideoCallNotificationController>
    start(platform::Notifications& notifications) {
        return std::make_unique<alerts::VideoCallNotificationController>(
            alerts::VideoCallNotificationController::Dependencies{
                scheduler, eventsDidChange, dateEvents, notifications,
                [this](kit::Instant now) { return planner.plan(now); },
                [](kit::Instant) { return QStringLiteral("10:00 AM"); },
                [this](const platform::Event& e) { joined.push_back(e.title()); }});
    }
};

} // namespace

TEST(CallNotificationsOnTheBus, NotifyWithJoinAtTheStartAndCloseAtTheEnd) {
    test::PrivateBus bus;
    ASSERT_TRUE(bus.isRunning());
    QDBusConnection serverBus = bus.connect(QStringLiteral("server"));
    test::TestNotificationServer server(serverBus);
    ASSERT_TRUE(server.registerOn(serverBus));
    QDBusConnection clientBus = bus.connect(QStringLiteral("client"));
    platform::DBusNotifications notifications(clientBus);

    CallSetup setup("Standup");
    auto controller = setup.start(notifications);
    setup.scheduler.advanceTo(test::at("2026-12-07T09:59:59.999Z"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(server.shown.empty());
    setup.scheduler.advanceTo(test::at("2026-12-07T10:00:00Z"));
    ASSERT_TRUE(test::processEventsUntil([&] { return server.shown.size() == 1; }));
    const auto& shown = server.shown.front();
    EXPECT_EQ(shown.summary, QStringLiteral("Standup"));
    EXPECT_EQ(shown.body, QStringLiteral("10:00 AM · Zoom"));
    EXPECT_EQ(shown.actions,
              (QStringList{QStringLiteral("JOIN_VIDEO_CALL"), QStringLiteral("Join")}));
    EXPECT_EQ(shown.hints.value(QStringLiteral("urgency")).toInt(), 2);
    EXPECT_FALSE(shown.hints.value(QStringLiteral("sound-name")).toString().isEmpty());

    server.invoke(shown.id, QStringLiteral("JOIN_VIDEO_CALL"), clientBus.baseService());
    ASSERT_TRUE(test::processEventsUntil([&] { return !setup.joined.empty(); }));

    setup.scheduler.advanceTo(test::at("2026-12-07T10:15:00Z"));
    ASSERT_TRUE(test::processEventsUntil([&] { return !server.closed.empty(); }));
    EXPECT_EQ(server.closed, std::vector<uint>{shown.id});
    EXPECT_EQ(server.shown.size(), 1u);
}

TEST(CallNotificationsOnTheBus, ServerWithoutButtonsGetsTheJoinHintAsPlainText) {
    test::PrivateBus bus;
    ASSERT_TRUE(bus.isRunning());
    QDBusConnection serverBus = bus.connect(QStringLiteral("server"));
    test::TestNotificationServer server(serverBus);
    server.capabilities = {QStringLiteral("body"), QStringLiteral("body-markup")};
    ASSERT_TRUE(server.registerOn(serverBus));
    QDBusConnection clientBus = bus.connect(QStringLiteral("client"));
    platform::DBusNotifications notifications(clientBus);
    ASSERT_TRUE(test::processEventsUntil([&] { return !notifications.canShowActions(); }));

    CallSetup setup("R&D <sync>");
    auto controller = setup.start(notifications);
    setup.scheduler.advanceTo(test::at("2026-12-07T10:00:00Z"));
    ASSERT_TRUE(test::processEventsUntil([&] { return server.shown.size() == 1; }));
    EXPECT_EQ(server.shown.front().summary, QStringLiteral("R&D <sync>"));
    EXPECT_EQ(server.shown.front().body,
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
    CallSetup setup("Standup");
    auto controller = setup.start(notifications);
    setup.scheduler.advanceTo(test::at("2026-12-07T10:00:00Z"));
    ASSERT_TRUE(test::processEventsUntil([&] { return !failed.empty(); }));
    EXPECT_EQ(controller->shownKeys(), failed);
}
