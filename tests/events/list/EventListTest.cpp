// SPDX-License-Identifier: GPL-3.0-or-later
// The event list's sections, past events and overdue reminders over one fixed calendar in
// Berlin, seen at a fixed "now" (Tuesday 8 December 2026, 12:00).
#include "MemoryDefaults.h"
#include "TestEvents.h"
#include "TestSupport.h"
#include "events/list/EventListModel.h"
#include "events/videocalls/VideoCallDetector.h"
#include "platform/fake/FakeCalendarStore.h"
#include "platform/fake/FakeUrlOpener.h"

#include <gtest/gtest.h>

using namespace ruvo;
using platform::EventData;
using ruvo::test::at;
namespace keys = settings::keys;

namespace {

const char* const kZoom = "https://zoom.us/j/123456789";

struct SettableClock final : kit::Clock {
    kit::Instant at;
    kit::Instant now() const override { return at; }
};

// Elapsed time that moves on by `step` at each reading, as a long regex search would see it.
struct SteppingClock final : kit::Clock {
    kit::Milliseconds step{0};
    mutable kit::Instant at;
    kit::Instant now() const override { return at += step; }
};

class EventListTest : public ::testing::Test, public test::MemoryDefaults {
protected:
    EventListTest() {
        store.zoneId = QStringLiteral("Europe/Berlin");
        store.calendarList = test::workHomeTodoCalendars();
        defaults.set(keys::enabledCalendars, {QStringLiteral("A")});
        defaults.set(keys::enabledRemindersLists, {QStringLiteral("R")});
        defaults.set(keys::showReminders, true);
        addCalendar();
        clock.at = at("2026-12-08T12:00:00+01:00");
    }

    void event(const char* title, const char* start, const char* end,
               const std::function<void(EventData&)>& adjust = {}) {
        auto data = test::eventData(title, title);
        if (adjust)
            adjust(*data);
        store.addEvent(data, at(start), at(end));
    }
    void allDay(const char* title, const char* start, const char* end, const char* notes = "") {
        event(title, start, end, [&](EventData& d) {
            d.isAllDay = true;
            d.extra().notes = QString::fromLatin1(notes);
        });
    }
    void reminder(const char* title, QDate day, std::optional<QTime> time, const char* notes = "") {
        platform::Reminder r;
        r.identifier = r.uid = r.title = QString::fromLatin1(title);
        r.calendarIdentifier = QStringLiteral("R");
        r.notes = QString::fromLatin1(notes);
        r.due = platform::DueDate{day, time, {}};
        store.reminderList.push_back(r);
    }

    void addCalendar() {
        allDay("week away", "2026-12-06T00:00:00+01:00", "2026-12-10T00:00:00+01:00");
        event("morning", "2026-12-08T08:00:00+01:00", "2026-12-08T09:00:00+01:00");
        event("running", "2026-12-08T11:30:00+01:00", "2026-12-08T12:30:00+01:00");
        event("lunch", "2026-12-08T12:30:00+01:00", "2026-12-08T13:30:00+01:00");
        event("secret review", "2026-12-08T14:00:00+01:00", "2026-12-08T15:00:00+01:00");
        event("late night", "2026-12-09T22:00:00+01:00", "2026-12-10T02:00:00+01:00");
        event("to midnight", "2026-12-09T22:00:00+01:00", "2026-12-10T00:00:00+01:00");
        allDay("linked day", "2026-12-10T00:00:00+01:00", "2026-12-11T00:00:00+01:00", kZoom);
        event("zoom call", "2026-12-11T10:00:00+01:00", "2026-12-11T11:00:00+01:00",
              [](EventData& d) { d.extra().location = QString::fromLatin1(kZoom); });
        event("next week", "2026-12-13T09:00:00+01:00", "2026-12-13T10:00:00+01:00");
        event("later", "2026-12-15T09:00:00+01:00", "2026-12-15T10:00:00+01:00");
        // Across the end of summer time (Sunday 25 October 2026, 03:00 CEST -> 02:00 CET).
        event("saturday late", "2026-10-24T23:30:00+02:00", "2026-10-25T00:30:00+02:00");
        event("sunday night", "2026-10-25T23:00:00+01:00", "2026-10-26T00:30:00+01:00");
        event("monday", "2026-10-26T09:00:00+01:00", "2026-10-26T10:00:00+01:00");

        reminder("untimed yesterday", QDate(2026, 12, 7), std::nullopt);
        reminder("untimed today", QDate(2026, 12, 8), std::nullopt);
        reminder("timed overdue", QDate(2026, 12, 8), QTime(9, 0));
        reminder("timed later", QDate(2026, 12, 8), QTime(15, 0));
        reminder("linked reminder", QDate(2026, 12, 9), QTime(10, 0), kZoom);
    }

    // "past: a, b", "overdue: ...", then "12-08: a, b" per section ("-" for No Events).
    std::vector<std::string> render(QDate selected) {
        events::EventListModel model(queries, detector, environment, clock, steady);
        const events::EventList list =
            model.build(selected, events::EventListOptions::from(defaults));
        std::vector<std::string> lines;
        const auto titles = [](const std::vector<events::CalendarItem>& items) {
            QStringList names;
            for (const auto& item : items) {
                const auto* event = std::get_if<platform::Event>(&item);
                names << (event ? event->title() : std::get<platform::Reminder>(item).title);
            }
            return names.isEmpty() ? std::string("-")
                                   : names.join(QStringLiteral(", ")).toStdString();
        };
        if (!list.pastEvents.empty())
            lines.push_back("past: " + titles(list.pastEvents));
        if (!list.overdueReminders.empty())
            lines.push_back("overdue: " + titles(list.overdueReminders));
        for (const auto& section : list.sections)
            lines.push_back(section.date.toString(QStringLiteral("MM-dd: ")).toStdString() +
                            titles(section.items));
        return lines;
    }

    platform::FakeCalendarStore store;
    kit::Environment environment{QStringLiteral("en_US"), QStringLiteral("Europe/Berlin")};
    events::EventQueries queries{store, defaults, environment.timeZoneId};
    platform::FakeUrlOpener apps;
    videocalls::VideoCallDetector detector{apps};
    SettableClock clock;
    SteppingClock steady;
};

} // namespace

TEST_F(EventListTest, SectionsPastEventsAndOverdueRemindersFollowTheSettings) {
    const QDate today(2026, 12, 8);
    const char* const firstDay = "12-08: week away, untimed today, running, lunch, timed later";
    const std::string past = "past: morning";
    const std::string overdue = "overdue: untimed yesterday, timed overdue";
    struct Row {
        const char* name;
        std::function<void()> setUp;
        QDate selected;
        std::vector<std::string> expected;
    };
    const Row rows[] = {
        {"seven days from today",
         [] {},
         today,
         {past, overdue, firstDay, "12-09: week away, linked reminder, late night, to midnight",
          "12-10: late night, linked day", "12-11: zoom call", "12-12: -", "12-13: next week",
          "12-14: -"}},
        {"no days", [&] { defaults.set(keys::calendarEventsDayCount, 0); }, today, {}},
        {"five days ahead: no past events, no overdue row, earlier reminders left out",
         [] {},
         today.addDays(5),
         {"12-13: next week", "12-14: -", "12-15: later", "12-16: -", "12-17: -", "12-18: -",
          "12-19: -"}},
        {"past events kept in place",
         [&] {
             defaults.set(keys::hideTodaysPastEvents, false);
             defaults.set(keys::calendarEventsDayCount, 1);
         },
         today,
         {overdue, "12-08: week away, untimed today, morning, running, lunch, timed later"}},
        {"video calls only: no reminders, no all-day events, even with links",
         [&] { defaults.set(keys::showVideoCallEventsOnlyInMainList, true); },
         today,
         {"12-08: -", "12-09: -", "12-10: -", "12-11: zoom call", "12-12: -", "12-13: -",
          "12-14: -"}},
        {"summer time ends on Sunday: one section per calendar day",
         [&] {
             clock.at = at("2026-10-24T08:00:00+02:00");
             defaults.set(keys::calendarEventsDayCount, 3);
         },
         QDate(2026, 10, 24),
         {"10-24: saturday late", "10-25: saturday late, sunday night",
          "10-26: sunday night, monday"}},
        {"exclusion rules out of time while the program's clock stands still: nothing hidden",
         [&] {
             clock.at = at("2026-12-08T12:00:00+01:00");
             steady.step = std::chrono::seconds(1);
             defaults.set(keys::calendarEventsDayCount, 1);
         },
         today,
         {past, overdue,
          "12-08: week away, untimed today, running, lunch, secret review, timed later"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        defaults.reset(keys::calendarEventsDayCount);
        defaults.reset(keys::hideTodaysPastEvents);
        defaults.reset(keys::showVideoCallEventsOnlyInMainList);
        steady.step = {};
        defaults.set(keys::fullscreenNotifications_excludeMatcher,
                     {{QUuid::createUuid(),
                       true,
                       settings::EventExcludeMatcher::Kind::contains,
                       QStringLiteral("SECRET"),
                       {settings::EventExcludeMatcher::Location::eventList}}});
        row.setUp();
        EXPECT_EQ(render(row.selected), row.expected);
    }
}
