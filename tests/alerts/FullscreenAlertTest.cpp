// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoryDefaults.h"
#include "TestEvents.h"
#include "TestSupport.h"
#include "alerts/FullscreenAlertController.h"
#include "kit/VirtualScheduler.h"
#include "platform/fake/FakeCalendarStore.h"
#include "platform/fake/FakeSoundPlayer.h"
#include "platform/fake/FakeSystemDateEvents.h"
#include "settings/Catalogue.h"
#include "settings/Keys.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

namespace ruvo::alerts {
namespace {

using namespace std::chrono_literals;
using platform::EventData;
using platform::ParticipantStatus;
using test::at;
namespace keys = settings::keys;

const kit::Instant kNow = test::at("2026-12-07T14:00:00Z"); // Monday, 09:00 in New York

std::shared_ptr<EventData> eventData(const char* title, const char* calendar = "A") {
    return test::eventData(title, qPrintable(QString::fromUtf8(title).toLower()), calendar);
}

std::shared_ptr<EventData> invitation(const char* title, ParticipantStatus mine) {
    auto data = eventData(title);
    data->extra().attendees = {
        {QStringLiteral("Ana"), QStringLiteral("ana@example.com"), ParticipantStatus::accepted,
         false},
        {QStringLiteral("Me"), QStringLiteral("me@example.com"), mine, true}};
    return data;
}

struct Fixture : test::MemoryDefaults {
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
        store.calendarList = test::workHomeTodoCalendars(false);
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

// The event of a row: who it belongs to and what it carries.
enum class Kind {
    own,
    accepted,
    tentative,
    pending,
    declined,
    notInvited,
    organised,
    allDay,
    call,
    alarm
};
std::shared_ptr<EventData> eventOf(Kind kind, const char* calendar) {
    const auto mine = kind == Kind::accepted    ? ParticipantStatus::accepted
                      : kind == Kind::tentative ? ParticipantStatus::tentative
                      : kind == Kind::pending   ? ParticipantStatus::pending
                                                : ParticipantStatus::declined;
    auto data = kind <= Kind::own || kind >= Kind::allDay ? eventData("Sync", calendar)
                                                          : invitation("Sync", mine);
    if (kind == Kind::notInvited || kind == Kind::organised)
        data->extra().attendees.pop_back();
    data->extra().isOrganizedByCurrentUser = kind == Kind::organised;
    data->isAllDay = kind == Kind::allDay;
    if (kind == Kind::call)
        data->extra().url = QStringLiteral("https://zoom.us/j/1");
    if (kind == Kind::alarm)
        data->extra().alarms = {{-600s}};
    return data;
}

// Stores a setting as `ruvo defaults write KEY JSON` does; "joined" marks the event joined.
void write(Fixture& f, const char* key, const char* json) {
    if (QLatin1String(key) == QLatin1String("joined")) {
        f.joined.insert(QStringLiteral("Sync"));
    } else if (*key) {
        const QJsonValue value =
            QJsonDocument::fromJson("[" + QByteArray(json) + "]").array().at(0);
        ASSERT_TRUE(
            settings::findCatalogueEntry(QString::fromLatin1(key))->writeJson(f.defaults, value))
            << key;
    }
}

TEST(FullscreenAlerts, PlansTheEventsThatNeedTheScreen) {
    const char* const status = "fullscreenNotifications_onlyEventsWithStatus";
    const char* const before = "fullscreenNotifications_durationBefore";
    const char* const muted = "upcomingEventInMenuBarIgnoredEvents";
    const char* const exclude = "fullscreenNotifications_excludeMatcher";
    struct Row {
        const char* name;
        int startsIn; // minutes from 14:00 UTC
        Kind kind;
        const char* key; // a setting on top of the fixture's (on, calendar "A", no lead time)
        const char* json;
        const char* planned; // "Sync HH:MM" (UTC), "" for none
        const char* calendar = "A";
    };
    const Row rows[] = {
        {"own event", 30, Kind::own, "", "", "Sync 14:30"},
        {"five minutes before", 30, Kind::own, before, "300", "Sync 14:25"},
        {"lead time already begun", 3, Kind::own, before, "300", ""},
        {"started already", -1, Kind::own, "", "", ""},
        {"at two hours", 120, Kind::own, "", "", "Sync 16:00"},
        {"beyond two hours", 121, Kind::own, "", "", ""},
        {"all-day", 60, Kind::allDay, "", "", ""},
        {"other calendar", 60, Kind::own, "", "", "", "B"},
        {"accepted", 30, Kind::accepted, "", "", "Sync 14:30"},
        {"tentative, accepted only", 30, Kind::tentative, "", "", ""},
        {"tentative, with tentative", 30, Kind::tentative, status, "\"acceptedAndTentative\"",
         "Sync 14:30"},
        {"pending, with pending", 30, Kind::pending, status, "\"acceptedAndTentativeAndPending\"",
         "Sync 14:30"},
        {"declined, with pending", 30, Kind::declined, status, "\"acceptedAndTentativeAndPending\"",
         ""},
        {"not invited, with pending", 30, Kind::notInvited, status,
         "\"acceptedAndTentativeAndPending\"", ""},
        {"organised by the user", 30, Kind::organised, "", "", "Sync 14:30"},
        {"muted", 30, Kind::own, muted, "[\"A/sync\"]", ""},
        {"joined", 30, Kind::own, "joined", "", ""},
        {"excluded here", 30, Kind::own, exclude,
         R"([{"id":"6F1C0E3A-8D0B-4C52-9E0E-2D5E2A1B7C11","isEnabled":true,"kind":"contains","pattern":"yn","locations":["fullscreenNotifications"]}])",
         ""},
        {"video calls only, without one", 30, Kind::own, "fullscreenNotifications_onlyVideoCalls",
         "true", ""},
        {"video calls only, with one", 30, Kind::call, "fullscreenNotifications_onlyVideoCalls",
         "true", "Sync 14:30"},
        {"alarms only, without one", 30, Kind::own, "fullscreenNotifications_onlyEventsWithAlert",
         "true", ""},
        {"alarms only, with one", 30, Kind::alarm, "fullscreenNotifications_onlyEventsWithAlert",
         "true", "Sync 14:30"},
        {"switched off", 30, Kind::own, "fullscreenNotifications_isEnabled", "false", ""},
        {"no calendar chosen", 30, Kind::own, "fullscreenNotifications_calendars", "[]", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Fixture f;
        f.add(eventOf(row.kind, row.calendar), row.startsIn * 1min);
        write(f, row.key, row.json);
        f.start();
        EXPECT_EQ(f.planned().join(QStringLiteral(", ")), QString::fromUtf8(row.planned));
    }
    Fixture copies; // one event in two chosen calendars alerts once
    copies.add(eventOf(Kind::own, "A"), 1h);
    copies.add(eventOf(Kind::own, "B"), 1h);
    write(copies, "fullscreenNotifications_calendars", R"(["A","B"])");
    copies.start();
    EXPECT_EQ(copies.planned(), QStringList{QStringLiteral("Sync 15:00")});
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

// Only a change within the two hours planned (or of unknown extent) plans again.
TEST(FullscreenAlerts, PlansAgainOnlyForChangesWithinTheWindow) {
    Fixture f;
    f.start();
    const struct {
        const char* name;
        std::optional<platform::DateRange> span; // none: unknown
        bool isPlanned;
    } rows[] = {
        {"in three hours", platform::DateRange{kNow + 3h, kNow + 4h}, false},
        {"in ninety minutes", platform::DateRange{kNow + 90min, kNow + 2h}, true},
        {"unknown", std::nullopt, true},
    };
    for (const auto& row : rows) {
        const int before = f.store.eventQueryCount;
        f.store.changeFromOutside(test::changeOf(row.span));
        f.scheduler.advance(1s);
        EXPECT_EQ(f.store.eventQueryCount > before, row.isPlanned) << row.name;
    }
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
