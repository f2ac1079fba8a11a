// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoryDefaults.h"
#include "TestEvents.h"
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

const kit::Instant kNow = test::at("2026-12-07T14:00:00Z"); // Monday, 09:00 in New York
const QString kJoin = QStringLiteral("JOIN_VIDEO_CALL");

std::shared_ptr<EventData> call(const char* title, const char* uid, const char* calendar = "A") {
    auto data = test::eventData(title, uid, calendar);
    data->extra().location = QStringLiteral("https://zoom.us/j/1");
    return data;
}

class TestWindows final : public CallAlertWindows {
public:
    std::vector<QString> shown;
    void show(const QString& key, const CallNotificationContent&) override { shown.push_back(key); }
    void close(const QString&) override {}
};

struct Fixture : test::MemoryDefaults {
    kit::VirtualScheduler scheduler{kNow};
    platform::FakeCalendarStore store;
    platform::FakeSystemDateEvents dateEvents;
    platform::FakeNotifications notifications;
    kit::Signal<> eventsDidChange;
    platform::StoreChange change = platform::StoreChange::everything(); // behind eventsDidChange
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
        store.calendarList = test::workHomeTodoCalendars(false);
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
                [this](const platform::Event& e) { joined.push_back(e.title()); }, &windows,
                &change});
    }
    std::vector<QString> postedTitles() const {
        std::vector<QString> titles;
        for (const auto& [key, request] : notifications.posted)
            titles.push_back(request.summary);
        return titles;
    }
};

TEST(CallNotificationPlanner, PlansFireInstantsAndSkips) {
    using L = settings::EventExcludeMatcher::Location;
    enum class Mute { none, thisOccurrence, otherOccurrence }; // the entry forms: MutedEventsTest
    struct Row {
        const char* name;
        int startMinutes = 10;
        int beforeSeconds = 0;
        std::optional<int> fireMinutes; // none: not planned
        const char* calendar = "A";
        Mute mute = Mute::none;
        std::optional<L> excludedFrom = std::nullopt;
        bool isJoined = false;
        bool isAllDay = false;
        const char* location = "https://zoom.us/j/1";
    };
    const Row rows[] = {
        {"at the start", 10, 0, 10},
        {"fire instant is now", 10, 600, 0},
        {"fire instant passed, start ahead", 10, 900, {}},
        {"in progress", -5, 0, {}},
        {"past the hour", 61, 0, {}},
        {"muted occurrence", 10, 0, {}, "A", Mute::thisOccurrence},
        {"another occurrence muted", 10, 0, 10, "A", Mute::otherOccurrence},
        {"excluded for notifications", 10, 0, {}, "A", Mute::none, L::systemNotifications},
        {"joined", 10, 0, {}, "A", Mute::none, std::nullopt, true},
        {"calendar not chosen", 10, 0, {}, "B"},
        {"all-day", 10, 0, {}, "A", Mute::none, std::nullopt, false, true},
        {"no video call", 10, 0, {}, "A", Mute::none, std::nullopt, false, false, "Canteen"},
    };
    for (const Row& row : rows) {
        Fixture f;
        f.before(row.beforeSeconds);
        auto data = call("Standup", "s1", row.calendar);
        data->isAllDay = row.isAllDay;
        data->hasRecurrenceRules =
            row.mute == Mute::thisOccurrence || row.mute == Mute::otherOccurrence;
        data->extra().location = QString::fromUtf8(row.location);
        const auto start = kNow + std::chrono::minutes(row.startMinutes);
        const auto event = f.store.addEvent(data, start, start + 30min);
        const auto next = f.store.addEvent(data, start + 24h, start + 24h + 30min);
        const std::map<Mute, QString> entries{
            {Mute::thisOccurrence, events::occurrenceMuteEntry(events::muteFacts(event))},
            {Mute::otherOccurrence, events::occurrenceMuteEntry(events::muteFacts(next))}};
        if (row.mute != Mute::none)
            f.defaults.set(keys::upcomingEventInMenuBarIgnoredEvents, {entries.at(row.mute)});
        if (row.excludedFrom)
            f.defaults.set(keys::fullscreenNotifications_excludeMatcher,
                           {{QUuid::createUuid(),
                             true,
                             settings::EventExcludeMatcher::Kind::equals,
                             QStringLiteral("Standup"),
                             {*row.excludedFrom}}});
        if (row.isJoined)
            f.joinedIds.insert(QStringLiteral("A/s1"));
        std::vector<QString> fired;
        for (const auto& p : f.planner.plan(kNow))
            fired.push_back(kit::formatIsoUtc(p.fireAt));
        std::vector<QString> expected;
        if (row.fireMinutes)
            expected.push_back(kit::formatIsoUtc(kNow + std::chrono::minutes(*row.fireMinutes)));
        EXPECT_EQ(fired, expected) << row.name;
    }
}

TEST(CallNotificationPlanner, CollapsesDuplicatesAndOrdersByFireInstant) {
    Fixture f;
    f.store.addEvent(call("Later", "z1"), kNow + 40min, kNow + 50min);
    f.store.addEvent(call("Sync", "x1"), kNow + 30min, kNow + 40min);
    f.store.addEvent(call("Sync", "x2"), kNow + 30min, kNow + 40min);
    std::vector<QString> titles;
    for (const auto& p : f.planner.plan(kNow))
        titles.push_back(p.event.title());
    EXPECT_EQ(titles, (std::vector<QString>{QStringLiteral("Sync"), QStringLiteral("Later")}));
    f.defaults.set(keys::notifyForVideoCalls_calendars, {});
    EXPECT_TRUE(f.planner.plan(kNow).empty()) << "no calendar chosen";
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

TEST(VideoCallNotificationController, ACallWithoutDurationIsPostedAndLeftToTheUser) {
    Fixture f;
    f.store.addEvent(call("Ping", "p1"), kNow + 10min, kNow + 10min);
    f.start();
    f.scheduler.advance(2h);
    EXPECT_EQ(f.postedTitles(), std::vector<QString>{QStringLiteral("Ping")});
    EXPECT_TRUE(f.notifications.withdrawn.empty());
    EXPECT_TRUE(f.controller->shownKeys().empty()) << "forgotten after its time";
}

// Only a change within the hour planned (or of unknown extent) plans again.
TEST(VideoCallNotificationController, PlansAgainOnlyForChangesWithinTheHorizon) {
    Fixture f;
    f.start();
    f.scheduler.advance(1s);
    const struct {
        const char* name;
        std::optional<platform::DateRange> span; // none: unknown
        bool isPlanned;
    } rows[] = {
        {"in two hours", platform::DateRange{kNow + 2h, kNow + 3h}, false},
        {"in half an hour", platform::DateRange{kNow + 30min, kNow + 1h}, true},
        {"unknown", std::nullopt, true},
    };
    for (const auto& row : rows) {
        f.change = test::changeOf(row.span);
        const int before = f.store.eventQueryCount;
        f.eventsDidChange.emit();
        f.scheduler.advance(1s);
        EXPECT_EQ(f.store.eventQueryCount > before, row.isPlanned) << row.name;
    }
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
