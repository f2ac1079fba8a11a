// SPDX-License-Identifier: GPL-3.0-or-later
#include "alerts/UpcomingEventController.h"

#include "MemoryDefaults.h"
#include "TestEvents.h"
#include "TestSupport.h"
#include "kit/VirtualScheduler.h"
#include "platform/fake/FakeCalendarStore.h"
#include "platform/fake/FakeStatusItem.h"
#include "platform/fake/FakeSystemDateEvents.h"
#include "settings/Keys.h"

#include <gtest/gtest.h>

namespace ruvo::alerts {
namespace {

using namespace std::chrono_literals;
using test::at;
namespace keys = settings::keys;

const kit::Instant kNow = test::at("2026-12-07T14:00:00Z"); // Monday, 09:00 in New York

using test::eventData;

struct Fixture : test::MemoryDefaults {
    kit::VirtualScheduler scheduler{kNow};
    platform::FakeSystemDateEvents dateEvents;
    menubar::ClockTicks ticks{scheduler, dateEvents};
    platform::FakeCalendarStore store;
    events::EventsController events{store, defaults, scheduler};
    platform::FakeStatusItem* item = nullptr;
    std::vector<QString> joined;
    std::vector<std::optional<QString>> opened;
    std::unique_ptr<UpcomingEventController> controller;

    Fixture() {
        store.calendarList = test::workHomeTodoCalendars(false);
        store.calendarList[0].colour = QStringLiteral("#ff0000");
    }

    void start() {
        auto fake = std::make_unique<platform::FakeStatusItem>();
        item = fake.get();
        controller = std::make_unique<UpcomingEventController>(
            UpcomingEventController::Dependencies{
                defaults,
                scheduler,
                scheduler,
                ticks,
                events,
                store,
                dateEvents,
                [] {
                    return kit::Environment{QStringLiteral("en_US"),
                                            QStringLiteral("America/New_York")};
                },
                {},
                [](const platform::Event& e) {
                    return e.location().startsWith(QLatin1String("https://"));
                },
                [this](const std::optional<platform::Event>& e, std::optional<QPoint>) {
                    opened.push_back(e ? std::optional(e->title()) : std::nullopt);
                },
                [this](const platform::Event& e) { joined.push_back(e.title()); },
                [] { return QColor(0x35, 0x84, 0xe4); }},
            std::move(fake));
    }

    // What the panel shows: the title, or "" when the item is hidden.
    QString shown() const { return item->visible ? item->content().title : QString(); }
};

TEST(UpcomingEventController, ChoosesTheNextEventAndSkipsTheRest) {
    struct Row {
        const char* name;
        std::function<void(Fixture&)> setUp;
        const char* shown;
    };
    const auto standupIn5 = [](Fixture& f) {
        f.store.addEvent(eventData("Standup", "s1"), kNow + 5min, kNow + 20min);
    };
    const auto series = [](Fixture& f) {
        auto data = eventData("Daily", "d1");
        data->hasRecurrenceRules = true;
        f.store.addEvent(data, kNow + 10min, kNow + 20min);
        f.store.addEvent(data, kNow + 24h + 10min, kNow + 24h + 20min);
    };
    using Location = settings::EventExcludeMatcher::Location;
    const auto excludedFrom = [&](Location where) {
        return [=](Fixture& f) {
            standupIn5(f);
            settings::EventExcludeMatcher m;
            m.pattern = QStringLiteral("stand");
            m.locations = {where};
            f.defaults.set(keys::fullscreenNotifications_excludeMatcher, {m});
        };
    };
    // The forms of the entries, and an occurrence's neighbour, are MutedEvents' and the
    // call planner's; here that the panel item heeds them.
    const Row rows[] = {
        {"the next event", standupIn5, "Standup in 5m"},
        {"this occurrence muted",
         [&](Fixture& f) {
             series(f);
             // 2026-12-07T14:10:00Z
             f.defaults.set(keys::upcomingEventInMenuBarIgnoredEvents,
                            {QStringLiteral("A/d1\u23F0818345400")});
         },
         ""},
        {"excluded here", excludedFrom(Location::upcomingEventInMenuBar), ""},
        {"all-day events never",
         [&](Fixture& f) {
             auto data = eventData("Holiday", "h1");
             data->isAllDay = true;
             f.store.addEvent(data, at("2026-12-07T05:00:00Z"), at("2026-12-08T05:00:00Z"));
         },
         ""},
        {"another calendar",
         [&](Fixture& f) {
             f.store.addEvent(eventData("Dentist", "x1", "B"), kNow + 5min, kNow + 20min);
             f.defaults.set(keys::upcomingEventInMenuBarCalendars, {QStringLiteral("A")});
         },
         ""},
        {"beyond the look-ahead",
         [&](Fixture& f) {
             f.store.addEvent(eventData("Lunch", "l1"), kNow + 60min, kNow + 90min);
         },
         ""},
        {"one starting soon takes over",
         [&](Fixture& f) {
             f.store.addEvent(eventData("Workshop", "w1"), kNow - 30min, kNow + 60min);
             f.store.addEvent(eventData("Call", "c1"), kNow + 8min, kNow + 20min);
         },
         "Call in 8m"},
        {"of two running, the later",
         [&](Fixture& f) {
             f.store.addEvent(eventData("Workshop", "w1"), kNow - 30min, kNow + 60min);
             f.store.addEvent(eventData("Review", "r1"), kNow - 10min, kNow + 15min);
         },
         "!\u20DD Review \u2022 15m left"},
        {"a duplicate in another calendar",
         [&](Fixture& f) {
             f.store.addEvent(eventData("Standup", "s1", "B"), kNow + 5min, kNow + 20min);
             standupIn5(f);
         },
         "Standup in 5m"},
    };
    for (const Row& row : rows) {
        Fixture f;
        row.setUp(f);
        f.start();
        EXPECT_EQ(f.shown(), QString::fromUtf8(row.shown)) << row.name;
    }
}

TEST(UpcomingEventController, FollowsTheClockTheCalendarAndTheSettings) {
    Fixture f;
    f.store.addEvent(eventData("Standup", "s1"), kNow + 5min + 30s, kNow + 20min);
    f.start();
    EXPECT_EQ(f.shown(), QStringLiteral("Standup in 6m"));
    f.scheduler.advance(1min); // 09:01:00: the minute tick
    EXPECT_EQ(f.shown(), QStringLiteral("Standup in 5m"));
    f.scheduler.advance(5min); // started 30 s ago
    EXPECT_EQ(f.shown(), QStringLiteral("Standup \u2022 14m left"));

    f.store.addEvent(eventData("Call", "c1"), kNow + 10min, kNow + 40min);
    f.store.changeFromOutside();
    f.scheduler.advance(100ms + 499ms);
    EXPECT_EQ(f.shown(), QStringLiteral("Standup \u2022 14m left")) << "debounced";
    f.scheduler.advance(1ms);
    EXPECT_EQ(f.shown(), QStringLiteral("Call in 4m"));

    f.defaults.set(keys::upcomingEventInMenuBarShowTitle, false);
    EXPECT_EQ(f.shown(), QStringLiteral("In 4m"));
    f.defaults.set(keys::upcomingEventInMenuBarShowTitle, true);

    f.scheduler.advanceTo(kNow + 39min);
    EXPECT_EQ(f.shown(), QStringLiteral("Call \u2022 1m left"));
    f.scheduler.advance(1min); // the call ends
    EXPECT_EQ(f.shown(), QString());
    EXPECT_FALSE(f.item->visible);
    f.defaults.set(keys::upcomingEventInMenuBar_hideWhenNoEvent, true);
    EXPECT_EQ(f.shown(), QStringLiteral("\u25C6"));
    EXPECT_FALSE(f.item->content().colorBar);
}

// A sync tool's change of later hours passes; one within the look-ahead (an hour), or of
// unknown extent, reads the calendar again.
TEST(UpcomingEventController, ReadsAgainOnlyForChangesWithinTheLookAhead) {
    Fixture f;
    f.start();
    const struct {
        const char* name;
        std::optional<platform::DateRange> span; // none: unknown
        bool isRead;
    } rows[] = {
        {"past the hour ahead", platform::DateRange{kNow + 62min, kNow + 70min}, false},
        {"in half an hour", platform::DateRange{kNow + 30min, kNow + 31min}, true},
        {"unknown", std::nullopt, true},
    };
    for (const auto& row : rows) {
        const int before = f.store.eventQueryCount;
        f.store.changeFromOutside(test::changeOf(row.span));
        f.scheduler.advance(1s);
        EXPECT_EQ(f.store.eventQueryCount > before, row.isRead) << row.name;
    }
}

TEST(UpcomingEventController, ClicksMenuAndMute) {
    Fixture f;
    auto call = eventData("Call", "c1");
    call->extra().location = QStringLiteral("https://meet.example/abc");
    f.store.addEvent(call, kNow + 5min, kNow + 20min);
    f.defaults.set(keys::upcomingEventInMenuBar_showCalendarIndicator, true);
    f.start();
    EXPECT_EQ(f.item->content().colorBar, QColor(QStringLiteral("#ff0000")));

    f.item->click();
    EXPECT_EQ(f.opened, (std::vector<std::optional<QString>>{QStringLiteral("Call")}));
    f.defaults.set(keys::upcomingEventInMenuBar_clickMenuItemToJoinVideoCall, true);
    f.item->click();
    EXPECT_EQ(f.joined, (std::vector<QString>{QStringLiteral("Call")}));
    EXPECT_EQ(f.opened.size(), 1u);

    ASSERT_FALSE(f.item->menu.empty());
    EXPECT_EQ(f.item->menu.back().label, QStringLiteral("Mute Event"));
    EXPECT_EQ(f.item->content().squareText,
              (QStringList{QStringLiteral("5m"), QStringLiteral("Call")}));
    f.item->choose(QStringLiteral("mute"));
    EXPECT_EQ(f.defaults.get(keys::upcomingEventInMenuBarIgnoredEvents),
              (std::vector<QString>{QStringLiteral("A/c1")}));
    EXPECT_FALSE(f.item->visible);
}

// While the user positions the item: a sample event 1 h 40 min away with the title cut at
// the limit, a hint as the only menu entry, no clicks, and back afterwards.
TEST(UpcomingEventController, PlaceholderWhilePositioning) {
    Fixture f;
    f.defaults.set(keys::upcomingEventInMenuBar_showCalendarIndicator, true);
    f.start();
    EXPECT_FALSE(f.item->visible) << "no event";
    f.controller->setShouldShowUpcomingEventPlaceholder(true);
    EXPECT_TRUE(f.item->visible);
    EXPECT_EQ(f.item->content().title, QStringLiteral("Placeholder event.\u2026 in 2h"));
    EXPECT_EQ(f.item->content().colorBar, QColor(0x35, 0x84, 0xe4));
    ASSERT_EQ(f.item->menu.size(), 1u);
    f.item->click();
    EXPECT_TRUE(f.opened.empty()) << "the click belongs to the menu";
    f.scheduler.advance(1min); // ticks keep the sample
    EXPECT_TRUE(f.item->content().title.startsWith(QStringLiteral("Placeholder")));

    f.controller->setShouldShowUpcomingEventPlaceholder(false);
    EXPECT_FALSE(f.item->visible);
    EXPECT_EQ(f.item->menu[0].label, QStringLiteral("Quick Settings"));
}

} // namespace
} // namespace ruvo::alerts
