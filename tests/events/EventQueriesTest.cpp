// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/EventQueries.h"

#include "MemoryDefaults.h"
#include "TestEvents.h"
#include "TestSupport.h"
#include "platform/fake/FakeCalendarStore.h"
#include "settings/Keys.h"

#include <gtest/gtest.h>

using namespace ruvo;
using platform::EventData;
using platform::ParticipantStatus;
using ruvo::test::at;
namespace keys = settings::keys;

namespace {

class QueriesTest : public ::testing::Test, public test::MemoryDefaults {
protected:
    QueriesTest() {
        store.zoneId = QStringLiteral("America/New_York");
        store.calendarList = test::workHomeTodoCalendars();
    }

    void add(const char* title, const char* calendar, const char* start,
             const std::function<void(EventData&)>& adjust = {}) {
        auto data = test::eventData(title, (std::string(title) + "-uid").c_str(), calendar);
        if (adjust)
            adjust(*data);
        store.addEvent(data, at(start), at(start) + std::chrono::hours(1));
    }

    void addReminder(const char* title, std::optional<QDate> date, std::optional<QTime> time = {},
                     bool done = false) {
        platform::Reminder r;
        r.identifier = r.title = QString::fromLatin1(title);
        r.calendarIdentifier = QStringLiteral("R");
        if (date)
            r.due = platform::DueDate{*date, time, {}};
        r.isCompleted = done;
        store.reminderList.push_back(r);
    }

    QStringList eventTitles(const platform::DateRange& range) const {
        QStringList list;
        for (const auto& e : queries.events(range))
            list << e.title();
        return list;
    }

    platform::FakeCalendarStore store;
    events::EventQueries queries{store, defaults, QStringLiteral("America/New_York")};
    const platform::DateRange week{at("2026-12-07T05:00:00Z"), at("2026-12-14T05:00:00Z")};
};

} // namespace

TEST_F(QueriesTest, EventsAreFilteredBySettingsAndSortedStably) {
    add("late", "A", "2026-12-08T15:00:00Z");
    add("first of two", "A", "2026-12-07T15:00:00Z");
    add("second of two", "A", "2026-12-07T15:00:00Z");
    add("cancelled", "A", "2026-12-07T16:00:00Z",
        [](EventData& d) { d.status = platform::EventStatus::canceled; });
    add("declined", "A", "2026-12-07T16:00:00Z", [](EventData& d) {
        d.extra().attendees = {{{}, QStringLiteral("me@x"), ParticipantStatus::declined, true}};
    });
    add("someone else declined", "A", "2026-12-07T17:00:00Z", [](EventData& d) {
        d.extra().attendees = {{{}, QStringLiteral("a@x"), ParticipantStatus::declined, false},
                               {{}, QStringLiteral("me@x"), ParticipantStatus::accepted, true}};
    });
    add("hidden", "A", "2026-12-07T18:00:00Z");
    add("all day", "A", "2026-12-07T05:00:00Z", [](EventData& d) { d.isAllDay = true; });
    add("other calendar", "B", "2026-12-07T15:00:00Z");
    add("outside", "A", "2026-12-20T15:00:00Z");

    const QStringList all{QStringLiteral("all day"),       QStringLiteral("first of two"),
                          QStringLiteral("second of two"), QStringLiteral("someone else declined"),
                          QStringLiteral("hidden"),        QStringLiteral("late")};
    const auto without = [](QStringList list, const char* title) {
        list.removeOne(QLatin1String(title));
        return list;
    };
    struct Row {
        const char* name;
        std::function<void()> setUp;
        QStringList expected;
    };
    const Row rows[] = {
        {"no calendar enabled", [] {}, QStringList()},
        {"calendar A", [&] { defaults.set(keys::enabledCalendars, {QStringLiteral("A")}); }, all},
        {"a calendar that no longer exists is skipped",
         [&] {
             defaults.set(keys::enabledCalendars, {QStringLiteral("A"), QStringLiteral("gone")});
         },
         all},
        {"only a calendar that no longer exists",
         [&] { defaults.set(keys::enabledCalendars, {QStringLiteral("gone")}); }, QStringList()},
        {"hidden by its external identifier",
         [&] {
             defaults.set(keys::enabledCalendars, {QStringLiteral("A")});
             defaults.set(keys::hiddenEvents, {QStringLiteral("hidden-uid")});
         },
         without(all, "hidden")},
        {"all-day events switched off",
         [&] {
             defaults.set(keys::enabledCalendars, {QStringLiteral("A")});
             defaults.set(keys::showAllDaysEvents, false);
         },
         without(all, "all day")},
        {"without access",
         [&] {
             defaults.set(keys::enabledCalendars, {QStringLiteral("A")});
             store.eventsStatus = platform::AuthorizationStatus::denied;
         },
         QStringList()},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        for (const auto& key : standard.storedObjects().keys())
            standard.removeObject(key);
        store.eventsStatus = platform::AuthorizationStatus::fullAccess;
        store.eventQueryCount = 0;
        row.setUp();
        EXPECT_EQ(eventTitles(week), row.expected);
        if (row.expected.isEmpty() && row.name == std::string_view("no calendar enabled")) {
            EXPECT_EQ(store.eventQueryCount, 0); // no query with an empty calendar list
        }
    }
}

TEST_F(QueriesTest, OverdueRemindersReachBackWholeDays) {
    // The range starts on 10 March 2026, after New York's change to summer time (8 March).
    addReminder("exactly seven days back", QDate(2026, 3, 3), QTime(0, 0));
    addReminder("a minute before the window", QDate(2026, 3, 2), QTime(23, 59));
    addReminder("six days back, no time", QDate(2026, 3, 4));
    addReminder("eight days back", QDate(2026, 3, 2));
    addReminder("completed", QDate(2026, 3, 9), std::nullopt, true);
    addReminder("due after the range", QDate(2026, 3, 12), QTime(9, 0));
    addReminder("undated", std::nullopt);
    const platform::DateRange range{at("2026-03-10T04:00:00Z"), at("2026-03-11T04:00:00Z")};
    auto titles = [&] {
        QStringList list;
        for (const auto& r : queries.reminders(range))
            list << r.title;
        return list;
    };
    defaults.set(keys::enabledRemindersLists, {QStringLiteral("R")});
    EXPECT_TRUE(titles().isEmpty()); // showReminders is off by default
    defaults.set(keys::showReminders, true);
    EXPECT_EQ(titles(), (QStringList{QStringLiteral("exactly seven days back"),
                                     QStringLiteral("six days back, no time")}));
    defaults.set(keys::remindersDaysInThePastCount, 0);
    EXPECT_TRUE(titles().isEmpty());
}

TEST_F(QueriesTest, CalendarItemsPutAnEventBeforeAReminderDueAtTheSameInstant) {
    defaults.set(keys::enabledCalendars, {QStringLiteral("A")});
    defaults.set(keys::enabledRemindersLists, {QStringLiteral("R")});
    defaults.set(keys::showReminders, true);
    add("meeting at nine", "A", "2026-12-08T14:00:00Z");
    add("meeting at eight", "A", "2026-12-08T13:00:00Z");
    addReminder("due at nine", QDate(2026, 12, 8), QTime(9, 0));
    addReminder("due that day", QDate(2026, 12, 8));
    QStringList order;
    for (const auto& item : queries.calendarItems(week))
        order << (std::holds_alternative<platform::Event>(item)
                      ? std::get<platform::Event>(item).title()
                      : std::get<platform::Reminder>(item).title);
    EXPECT_EQ(order,
              (QStringList{QStringLiteral("due that day"), QStringLiteral("meeting at eight"),
                           QStringLiteral("meeting at nine"), QStringLiteral("due at nine")}));
}
