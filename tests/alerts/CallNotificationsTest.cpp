// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "alerts/VideoCallNotificationController.h"
#include "events/MutedEvents.h"
#include "kit/VirtualScheduler.h"
#include "platform/fake/FakeCalendarStore.h"
#include "platform/fake/FakeNotifications.h"
#include "platform/fake/FakeSystemDateEvents.h"
#include "settings/Keys.h"

#include <gtest/gtest.h>
#include <set>

namespace ruvo::alerts {
namespace {

using namespace std::chrono_literals;
using platform::EventData;
using test::at;
namespace keys = settings::keys;

// Monday 2026-12-07, 09:00 in New York.
const kit::Instant kNow = at("2026-12-07T14:00:00Z");
const QString kJoin = QStringLiteral("JOIN_VIDEO_CALL");

std::shared_ptr<EventData> call(const char* title, const char* uid, const char* calendar = "A") {
    auto data = std::make_shared<EventData>();
    data->title = QString::fromUtf8(title);
    data->calendarItemExternalIdentifier = QString::fromUtf8(uid);
    data->calendarIdentifier = QString::fromUtf8(calendar);
    data->extra().location = QStringLiteral("https://zoom.us/j/1");
    return data;
}

class TestWindows final : public CallAlertWindows {
public:
    std::vector<QString> shown;
    void show(const QString& key, const CallNotificationContent&) override { shown.push_back(key); }
    void close(const QString&) override {}
};

struct Fixture {
    settings::Suite standard{QStringLiteral("standard")};
    settings::Suite shared{QStringLiteral("shared")};
    settings::Defaults defaults{standard, shared};
    kit::VirtualScheduler scheduler{kNow};
    platform::FakeCalendarStore store;
    platform::FakeSystemDateEvents dateEvents;
    platform::FakeNotifications notifications;
    kit::Signal<> eventsDidChange;
    TestWindows windows;
    std::set<QString> joinedIds;
    std::vector<QString> joined;
    CallNotificationPlanner planner{
        store, defaults, scheduler,
        [](const platform::Event& e) -> std::optional<videocalls::Service> {
            if (!e.location().startsWith(QLatin1String("https://")))
                return std::nullopt;
            return videocalls::Service{QStringLiteral("Zoom"), QUrl(e.location())};
        },
        [this](const platform::Event& e) { return joinedIds.count(e.eventIdentifier()) > 0; }};
    std::unique_ptr<VideoCallNotificationController> controller;

    Fixture() {
        for (const char* id : {"A", "B"}) {
            platform::Calendar calendar;
            calendar.identifier = calendar.title = QString::fromLatin1(id);
            store.calendarList.push_back(calendar);
        }
        defaults.set(keys::enabledCalendars, {QStringLiteral("A"), QStringLiteral("B")});
        defaults.set(keys::notifyForVideoCalls_calendars, {QStringLiteral("A")});
    }
    void before(qint64 seconds) {
        defaults.set(keys::notifyForVideoCallsDurationBefore, settings::Duration::seconds(seconds));
    }
    void start() {
        controller = std::make_unique<VideoCallNotificationController>(
            VideoCallNotificationController::Dependencies{
                scheduler, eventsDidChange, dateEvents, notifications,
                [this](kit::Instant now) { return planner.plan(now); },
                [](kit::Instant t) { return kit::formatIsoUtc(t).mid(11, 5); },
                [this](const platform::Event& e) { joined.push_back(e.title()); }, &windows});
    }
    std::vector<QString> postedTitles() const {
        std::vector<QString> titles;
        for (const auto& [key, request] : notifications.posted)
            titles.push_back(request.summary);
        return titles;
    }
};

TEST(CallNotificationPlanner, PlansFireInstantsAndSkips) {
    struct Row {
        const char* name;
        std::function<void(Fixture&)> setUp;
        std::vector<std::pair<const char*, kit::Instant>> expected; // title, fire instant
    };
    const auto standup = [](Fixture& f) {
        f.store.addEvent(call("Standup", "s1"), kNow + 10min, kNow + 25min);
    };
    const auto muted = [&](QString entry) {
        return [standup, entry](Fixture& f) {
            standup(f);
            f.defaults.set(keys::upcomingEventInMenuBarIgnoredEvents, {entry});
        };
    };
    const auto series = [](Fixture& f) {
        auto data = call("Daily", "d1");
        data->hasRecurrenceRules = true;
        f.store.addEvent(data, kNow + 20min, kNow + 30min);
        f.store.addEvent(data, kNow + 24h + 20min, kNow + 24h + 30min);
    };
    const Row rows[] = {
        {"at the start", standup, {{"Standup", kNow + 10min}}},
        {"five minutes before",
         [&](Fixture& f) {
             standup(f);
             f.before(300);
         },
         {{"Standup", kNow + 5min}}},
        {"fire instant passed, start ahead",
         [&](Fixture& f) {
             standup(f);
             f.before(900);
         },
         {}},
        {"fire instant is now",
         [&](Fixture& f) {
             standup(f);
             f.before(600);
         },
         {{"Standup", kNow}}},
        {"in progress",
         [](Fixture& f) { f.store.addEvent(call("Review", "r1"), kNow - 5min, kNow + 25min); },
         {}},
        {"past the hour",
         [](Fixture& f) { f.store.addEvent(call("Late", "l1"), kNow + 61min, kNow + 90min); },
         {}},
        {"muted by its identifier", muted(QStringLiteral("A/s1")), {}},
        {"muted with all occurrences", muted(QStringLiteral("s1")), {}},
        {"muted occurrence",
         [&](Fixture& f) {
             series(f);
             const auto first = f.store.eventList.front();
             f.defaults.set(keys::upcomingEventInMenuBarIgnoredEvents,
                            {events::occurrenceMuteEntry(events::muteFacts(first))});
         },
         {}},
        {"muting another occurrence leaves this one",
         [&](Fixture& f) {
             series(f);
             const auto second = f.store.eventList.back();
             f.defaults.set(keys::upcomingEventInMenuBarIgnoredEvents,
                            {events::occurrenceMuteEntry(events::muteFacts(second))});
         },
         {{"Daily", kNow + 20min}}},
        {"joined",
         [&](Fixture& f) {
             standup(f);
             f.joinedIds.insert(QStringLiteral("A/s1"));
         },
         {}},
        {"excluded for notifications",
         [&](Fixture& f) {
             standup(f);
             f.defaults.set(keys::fullscreenNotifications_excludeMatcher,
                            {{QUuid::createUuid(),
                              true,
                              settings::EventExcludeMatcher::Kind::equals,
                              QStringLiteral("Standup"),
                              {settings::EventExcludeMatcher::Location::systemNotifications}}});
         },
         {}},
        {"excluded from the event list only",
         [&](Fixture& f) {
             standup(f);
             f.defaults.set(keys::fullscreenNotifications_excludeMatcher,
                            {{QUuid::createUuid(),
                              true,
                              settings::EventExcludeMatcher::Kind::equals,
                              QStringLiteral("Standup"),
                              {settings::EventExcludeMatcher::Location::eventList}}});
         },
         {{"Standup", kNow + 10min}}},
        {"calendar not chosen for notifications",
         [](Fixture& f) { f.store.addEvent(call("Home", "h1", "B"), kNow + 10min, kNow + 20min); },
         {}},
        {"no calendar chosen",
         [&](Fixture& f) {
             standup(f);
             f.defaults.set(keys::notifyForVideoCalls_calendars, {});
         },
         {}},
        {"all-day",
         [](Fixture& f) {
             auto data = call("Offsite", "o1");
             data->isAllDay = true;
             f.store.addEvent(data, kNow + 10min, kNow + 24h);
         },
         {}},
        {"no video call",
         [](Fixture& f) {
             auto data = call("Lunch", "n1");
             data->extra().location = QStringLiteral("Canteen");
             f.store.addEvent(data, kNow + 10min, kNow + 40min);
         },
         {}},
        {"the same call in two entries",
         [](Fixture& f) {
             f.store.addEvent(call("Sync", "x1"), kNow + 30min, kNow + 40min);
             f.store.addEvent(call("Sync", "x2"), kNow + 30min, kNow + 40min);
         },
         {{"Sync", kNow + 30min}}},
        {"fire order follows the fire instants",
         [&](Fixture& f) {
             f.store.addEvent(call("Later", "z1"), kNow + 40min, kNow + 50min);
             series(f);
         },
         {{"Daily", kNow + 20min}, {"Later", kNow + 40min}}},
    };
    for (const Row& row : rows) {
        Fixture f;
        row.setUp(f);
        std::vector<std::pair<QString, kit::Instant>> planned;
        for (const auto& p : f.planner.plan(kNow))
            planned.emplace_back(p.event.title(), p.fireAt);
        std::vector<std::pair<QString, kit::Instant>> expected;
        for (const auto& [title, fireAt] : row.expected)
            expected.emplace_back(QString::fromUtf8(title), fireAt);
        EXPECT_EQ(planned, expected) << row.name;
    }
}

TEST(VideoCallNotificationController, PostsOnceAtTheFireInstantAndWithdrawsAtTheEnd) {
    Fixture f;
    f.store.addEvent(call("Standup", "s1"), kNow + 15min, kNow + 45min);
    f.start();
    // The calendars change just before the fire instant (and off the 10-minute re-plans): the
    // new plan lands on it, after the notification was posted.
    f.scheduler.advanceTo(kNow + 15min - VideoCallNotificationController::kReplanDelay);
    f.eventsDidChange.emit();
    f.scheduler.advanceTo(kNow + 15min - 1ms);
    EXPECT_TRUE(f.notifications.posted.empty());
    f.scheduler.advanceTo(kNow + 15min);
    ASSERT_EQ(f.notifications.posted.size(), 1u);
    const auto& [key, request] = f.notifications.posted.front();
    EXPECT_EQ(request.summary, QStringLiteral("Standup"));
    EXPECT_EQ(request.body, QStringLiteral("14:15 · Zoom"));
    ASSERT_EQ(request.actions.size(), 1u);
    EXPECT_EQ(request.actions.front().identifier, kJoin);
    EXPECT_TRUE(request.isUrgent);
    EXPECT_FALSE(request.soundName.isEmpty());

    // Re-plans while it runs (every 10 minutes, a wake) post nothing again.
    f.dateEvents.send(platform::DateEvent::wake);
    f.scheduler.advanceTo(kNow + 45min - 1ms);
    EXPECT_EQ(f.notifications.posted.size(), 1u);
    EXPECT_TRUE(f.notifications.withdrawn.empty());
    f.scheduler.advanceTo(kNow + 45min);
    EXPECT_EQ(f.notifications.withdrawn, std::vector<QString>{key});
    f.scheduler.advance(2h);
    EXPECT_EQ(f.notifications.withdrawn.size(), 1u);
}

TEST(VideoCallNotificationController, NeverPostsLateAndFollowsClockChanges) {
    Fixture f;
    f.store.addEvent(call("Late", "l1"), kNow + 10min, kNow + 40min);
    f.store.addEvent(call("Moved", "m1"), kNow + 50min, kNow + 60min);
    f.start();
    f.scheduler.advance(1s);
    // The machine slept through the first fire instant: its timer runs late and posts nothing.
    f.scheduler.jumpWallClock(5min);
    f.scheduler.advanceTo(kNow + 16min);
    EXPECT_TRUE(f.notifications.posted.empty());
    // The clock is set forward by 20 minutes: the next one is re-armed for the new wall time.
    f.scheduler.jumpWallClock(20min);
    f.dateEvents.send(platform::DateEvent::clockChanged);
    f.scheduler.advanceTo(kNow + 50min - 1ms);
    EXPECT_TRUE(f.notifications.posted.empty());
    f.scheduler.advanceTo(kNow + 50min);
    EXPECT_EQ(f.postedTitles(), std::vector<QString>{QStringLiteral("Moved")});
}

TEST(VideoCallNotificationController, JoinsOnlyThroughTheJoinActionWhileTheEventRuns) {
    Fixture f;
    f.store.addEvent(call("Standup", "s1"), kNow + 1min, kNow + 31min);
    f.notifications.hasActions = false;
    f.start();
    f.scheduler.advanceTo(kNow + 1min);
    ASSERT_EQ(f.notifications.posted.size(), 1u);
    const QString key = f.notifications.posted.front().first;
    EXPECT_TRUE(f.notifications.posted.front().second.body.endsWith(
        QStringLiteral("To join, choose “Join Standup” in the Ruvo panel menu.")));
    f.notifications.actionInvoked.emit(key, QStringLiteral("default"));
    EXPECT_TRUE(f.joined.empty());
    f.notifications.actionInvoked.emit(key, kJoin);
    EXPECT_EQ(f.joined, std::vector<QString>{QStringLiteral("Standup")});
    // No server showed it: the window stands in.
    f.notifications.postFailed.emit(key, QStringLiteral("no server"));
    EXPECT_EQ(f.windows.shown, std::vector<QString>{key});
    f.windows.joinChosen.emit(key);
    EXPECT_EQ(f.joined.size(), 2u);
    f.scheduler.advanceTo(kNow + 31min);
    f.notifications.actionInvoked.emit(key, kJoin);
    EXPECT_EQ(f.joined.size(), 2u) << "the event has ended";
}

} // namespace
} // namespace ruvo::alerts
