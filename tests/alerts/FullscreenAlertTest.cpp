// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "alerts/FullscreenAlertController.h"
#include "kit/VirtualScheduler.h"
#include "platform/fake/FakeCalendarStore.h"
#include "platform/fake/FakeSoundPlayer.h"
#include "platform/fake/FakeSystemDateEvents.h"
#include "settings/Keys.h"

#include <gtest/gtest.h>

namespace ruvo::alerts {
namespace {

using namespace std::chrono_literals;
using platform::Attendee;
using platform::EventData;
using platform::ParticipantStatus;
using settings::FullscreenNotificationOnlyEventStatus;
using test::at;
namespace keys = settings::keys;

// Monday 2026-12-07, 09:00 in New York.
const kit::Instant kNow = at("2026-12-07T14:00:00Z");

std::shared_ptr<EventData> eventData(const char* title, const char* calendar = "A") {
    auto data = std::make_shared<EventData>();
    data->title = QString::fromUtf8(title);
    data->calendarItemExternalIdentifier = QString::fromUtf8(title).toLower();
    data->calendarIdentifier = QString::fromUtf8(calendar);
    return data;
}

std::shared_ptr<EventData> invitation(const char* title, ParticipantStatus mine) {
    auto data = eventData(title);
    data->extra().attendees = {
        {QStringLiteral("Ana"), QStringLiteral("ana@example.com"), ParticipantStatus::accepted,
         false},
        {QStringLiteral("Me"), QStringLiteral("me@example.com"), mine, true}};
    return data;
}

struct Fixture {
    settings::Suite standard{QStringLiteral("standard")};
    settings::Suite shared{QStringLiteral("shared")};
    settings::Defaults defaults{standard, shared};
    kit::VirtualScheduler scheduler{kNow};
    platform::FakeSystemDateEvents dateEvents;
    platform::FakeCalendarStore store;
    events::EventsController events{store, defaults, scheduler};
    platform::FakeSoundPlayer player;
    std::set<QString> joined;
    std::vector<QString> joinedCalls, shownEvents;
    bool canOpenCalls = true;
    std::unique_ptr<FullscreenAlertController> controller;

    Fixture() {
        for (const char* id : {"A", "B"}) {
            platform::Calendar calendar;
            calendar.identifier = QString::fromLatin1(id);
            store.calendarList.push_back(calendar);
        }
        defaults.set(keys::fullscreenNotifications_isEnabled, true);
        defaults.set(keys::fullscreenNotifications_calendars, {QStringLiteral("A")});
    }
    void add(std::shared_ptr<EventData> data, kit::Milliseconds fromNow) {
        store.addEvent(std::move(data), kNow + fromNow, kNow + fromNow + 30min);
    }
    void start() {
        controller =
            std::make_unique<FullscreenAlertController>(FullscreenAlertController::Dependencies{
                defaults, scheduler, scheduler, events, store, dateEvents, player,
                [](const platform::Event& e) { return e.url().startsWith(QLatin1String("https")); },
                [this](const platform::Event& e) { return joined.count(e.title()) > 0; },
                [this](const platform::Event& e) {
                    joinedCalls.push_back(e.title());
                    return canOpenCalls;
                },
                [this](const platform::Event& e) { shownEvents.push_back(e.title()); }});
    }
    // "Title HH:MM" (UTC) for each waiting alert.
    QStringList planned() const {
        QStringList result;
        for (const auto& alert : controller->waiting())
            result << alert.event.title() + QLatin1Char(' ') +
                          kit::toQDateTime(alert.fireAt).toUTC().toString(QStringLiteral("HH:mm"));
        return result;
    }
    QString onScreen() const {
        return controller->shown() ? controller->shown()->event.title() : QString();
    }
};

TEST(FullscreenAlerts, PlansTheEventsThatNeedTheScreen) {
    struct Row {
        const char* name;
        std::function<void(Fixture&)> setUp;
        const char* planned; // "Title HH:MM" (UTC), "" for none
    };
    const auto status = [](FullscreenNotificationOnlyEventStatus s) {
        return [s](Fixture& f) {
            f.defaults.set(keys::fullscreenNotifications_onlyEventsWithStatus, s);
        };
    };
    const auto before = [](int minutes) {
        return [minutes](Fixture& f) {
            f.defaults.set(keys::fullscreenNotifications_durationBefore,
                           settings::Duration::seconds(minutes * 60));
        };
    };
    const auto both = [](auto a, auto b) { return [a, b](Fixture& f) { a(f), b(f); }; };
    const auto withTentative = status(FullscreenNotificationOnlyEventStatus::acceptedAndTentative);
    const auto withPending =
        status(FullscreenNotificationOnlyEventStatus::acceptedAndTentativeAndPending);
    const auto review = [](Fixture& f) { f.add(eventData("Review"), 30min); };
    const auto invited = [](ParticipantStatus mine) {
        return [mine](Fixture& f) { f.add(invitation("Sync", mine), 30min); };
    };
    const Row rows[] = {
        {"own event", review, "Review 14:30"},
        {"five minutes before", both(review, before(5)), "Review 14:25"},
        {"lead time already passed",
         both([](Fixture& f) { f.add(eventData("Soon"), 3min); }, before(5)), ""},
        {"started already", [](Fixture& f) { f.add(eventData("Running"), -1min); }, ""},
        {"inside two hours", [](Fixture& f) { f.add(eventData("Late"), 119min); }, "Late 15:59"},
        {"at two hours", [](Fixture& f) { f.add(eventData("Edge"), 2h); }, "Edge 16:00"},
        {"beyond two hours", [](Fixture& f) { f.add(eventData("Later"), 3h); }, ""},
        {"all-day",
         [](Fixture& f) {
             auto data = eventData("Holiday");
             data->isAllDay = true;
             f.add(data, 1h);
         },
         ""},
        {"other calendar", [](Fixture& f) { f.add(eventData("Home", "B"), 1h); }, ""},
        {"accepted invitation", invited(ParticipantStatus::accepted), "Sync 14:30"},
        {"tentative, accepted only", invited(ParticipantStatus::tentative), ""},
        {"tentative, with tentative", both(invited(ParticipantStatus::tentative), withTentative),
         "Sync 14:30"},
        {"pending, with tentative", both(invited(ParticipantStatus::pending), withTentative), ""},
        {"pending, with pending", both(invited(ParticipantStatus::pending), withPending),
         "Sync 14:30"},
        {"declined, with pending", both(invited(ParticipantStatus::declined), withPending), ""},
        {"not among the attendees",
         both(
             [](Fixture& f) {
                 auto data = invitation("Sync", ParticipantStatus::accepted);
                 data->extra().attendees.pop_back();
                 f.add(data, 30min);
             },
             withPending),
         ""},
        {"organised by the user",
         [](Fixture& f) {
             auto data = invitation("Sync", ParticipantStatus::accepted);
             data->extra().attendees.pop_back();
             data->extra().isOrganizedByCurrentUser = true;
             f.add(data, 30min);
         },
         "Sync 14:30"},
        {"muted",
         both(review,
              [](Fixture& f) {
                  f.defaults.set(keys::upcomingEventInMenuBarIgnoredEvents,
                                 {QStringLiteral("A/review")});
              }),
         ""},
        {"muted with all occurrences",
         both(review,
              [](Fixture& f) {
                  f.defaults.set(keys::upcomingEventInMenuBarIgnoredEvents,
                                 {QStringLiteral("review")});
              }),
         ""},
        {"joined", both(review, [](Fixture& f) { f.joined.insert(QStringLiteral("Review")); }), ""},
        {"excluded here",
         both(review,
              [](Fixture& f) {
                  f.defaults.set(
                      keys::fullscreenNotifications_excludeMatcher,
                      {{QUuid::createUuid(),
                        true,
                        settings::EventExcludeMatcher::Kind::contains,
                        QStringLiteral("view"),
                        {settings::EventExcludeMatcher::Location::fullscreenNotifications}}});
              }),
         ""},
        {"excluded elsewhere only",
         both(review,
              [](Fixture& f) {
                  f.defaults.set(keys::fullscreenNotifications_excludeMatcher,
                                 {{QUuid::createUuid(),
                                   true,
                                   settings::EventExcludeMatcher::Kind::contains,
                                   QStringLiteral("view"),
                                   {settings::EventExcludeMatcher::Location::eventList}}});
              }),
         "Review 14:30"},
        {"video calls only",
         both(review,
              [](Fixture& f) {
                  auto data = eventData("Call");
                  data->extra().url = QStringLiteral("https://zoom.us/j/1");
                  f.add(data, 1h);
                  f.defaults.set(keys::fullscreenNotifications_onlyVideoCalls, true);
              }),
         "Call 15:00"},
        {"with an alarm only",
         both(review,
              [](Fixture& f) {
                  auto data = eventData("Alarmed");
                  data->extra().alarms = {{-600s}};
                  f.add(data, 1h);
                  f.defaults.set(keys::fullscreenNotifications_onlyEventsWithAlert, true);
              }),
         "Alarmed 15:00"},
        {"one of two copies",
         [](Fixture& f) {
             f.add(eventData("Board", "A"), 1h);
             f.add(eventData("Board", "B"), 1h);
             f.defaults.set(keys::fullscreenNotifications_calendars,
                            {QStringLiteral("A"), QStringLiteral("B")});
         },
         "Board 15:00"},
        {"switched off",
         both(review,
              [](Fixture& f) { f.defaults.set(keys::fullscreenNotifications_isEnabled, false); }),
         ""},
        {"no calendar chosen",
         both(review,
              [](Fixture& f) { f.defaults.set(keys::fullscreenNotifications_calendars, {}); }),
         ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Fixture f;
        row.setUp(f);
        f.start();
        EXPECT_EQ(f.planned().join(QStringLiteral(", ")), QString::fromUtf8(row.planned));
    }
}

TEST(FullscreenAlerts, TheWindowMovesOnWithTime) {
    Fixture f;
    f.add(eventData("Later"), 3h);
    f.start();
    EXPECT_EQ(f.planned(), QStringList());
    f.scheduler.advance(1h); // no calendar change, only time
    EXPECT_EQ(f.planned(), QStringList{QStringLiteral("Later 17:00")});
    f.defaults.set(keys::fullscreenNotifications_isEnabled, false);
    f.scheduler.advance(1s);
    EXPECT_EQ(f.planned(), QStringList());
    EXPECT_EQ(f.scheduler.pendingCount(), 0u) << "nothing wakes the program while it is off";
}

TEST(FullscreenAlerts, ShowsAtTheInstantOnceWithItsSound) {
    Fixture f;
    f.defaults.set(keys::fullscreenNotifications_sound, std::optional(QStringLiteral("Glass")));
    f.defaults.set(keys::fullscreenNotifications_soundVolume, 0.25);
    f.defaults.set(keys::fullscreenNotifications_durationBefore, settings::Duration::seconds(300));
    f.add(eventData("Review"), 30min);
    f.start();
    f.scheduler.advance(25min - 1s);
    EXPECT_EQ(f.onScreen(), QString());
    f.scheduler.advance(1s);
    ASSERT_EQ(f.onScreen(), QStringLiteral("Review"));
    ASSERT_EQ(f.player.played.size(), 1u);
    EXPECT_EQ(f.player.played[0].sound, (platform::Sound{QStringLiteral("glass"), true}));
    EXPECT_EQ(f.player.played[0].volume, 0.25);

    // A re-plan at the very instant brings no second alert.
    f.controller->replan();
    EXPECT_EQ(f.planned(), QStringList());
    f.scheduler.runDue();
    EXPECT_EQ(f.player.played.size(), 1u);

    f.controller->snooze(SnoozeChoice::untilEvent);
    EXPECT_EQ(f.onScreen(), QString());
    EXPECT_EQ(f.controller->snoozedUntil(), kNow + 30min);
    f.scheduler.advanceTo(kNow + 30min);
    EXPECT_EQ(f.onScreen(), QStringLiteral("Review"));
    f.controller->showEvent();
    EXPECT_EQ(f.onScreen(), QString());
    EXPECT_EQ(f.shownEvents, std::vector<QString>{QStringLiteral("Review")});

    // The preview reaches no event.
    f.controller->preview();
    EXPECT_TRUE(f.controller->shown()->isPreview);
    EXPECT_FALSE(f.controller->shown()->canJoin);
    f.controller->showEvent();
    EXPECT_EQ(f.shownEvents.size(), 1u);
}

TEST(FullscreenAlerts, SnoozesJoinsAndNeverShowsLate) {
    Fixture f;
    auto call = eventData("Call");
    call->extra().url = QStringLiteral("https://zoom.us/j/1");
    f.add(call, 10min);
    f.add(eventData("Later"), 15min);
    f.start();
    f.scheduler.advance(10min);
    ASSERT_EQ(f.onScreen(), QStringLiteral("Call"));
    ASSERT_TRUE(f.controller->shown()->canJoin);

    f.controller->snooze(SnoozeChoice::oneMinute);
    EXPECT_EQ(f.controller->snoozedUntil(), kNow + 11min);
    f.scheduler.advance(1min);
    EXPECT_EQ(f.onScreen(), QStringLiteral("Call"));

    f.canOpenCalls = false; // the error shows, the alert stays
    f.controller->joinVideoCall();
    EXPECT_EQ(f.onScreen(), QStringLiteral("Call"));
    EXPECT_FALSE(f.controller->shown()->error.isEmpty());
    f.canOpenCalls = true;
    f.controller->joinVideoCall();
    EXPECT_EQ(f.onScreen(), QString());
    EXPECT_EQ(f.joinedCalls,
              (std::vector<QString>{QStringLiteral("Call"), QStringLiteral("Call")}));

    // The machine sleeps through 14:15: the alert is dropped, not shown on waking.
    f.scheduler.jumpWallClock(1h);
    f.scheduler.advanceTo(kNow + 1h + 15min);
    EXPECT_EQ(f.onScreen(), QString());
}

} // namespace
} // namespace ruvo::alerts
