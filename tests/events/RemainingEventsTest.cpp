// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/RemainingEvents.h"

#include "MemoryDefaults.h"
#include "TestEvents.h"
#include "TestSupport.h"
#include "platform/fake/FakeCalendarStore.h"
#include "settings/Keys.h"

#include <gtest/gtest.h>

using namespace ruvo;
using ruvo::test::at;
namespace keys = settings::keys;

namespace {

struct Occurrence {
    const char* start;
    const char* end;
    const char* calendar = "A";
    bool isAllDay = false;
    bool isDeclined = false;
};

struct Row {
    const char* name;
    const char* now;
    std::vector<Occurrence> events;
    int expected;
};

} // namespace

TEST(RemainingEvents, CountsTodaysTimedEventsThatHaveNotEndedInTheCurrentZone) {
    const Row rows[] = {
        {"ended, running and later today; all-day, tomorrow, disabled and declined do not count",
         "2026-12-07T10:30:00-05:00",
         {{"2026-12-07T09:00:00-05:00", "2026-12-07T10:00:00-05:00"},
          {"2026-12-07T10:00:00-05:00", "2026-12-07T11:00:00-05:00"},
          {"2026-12-07T16:00:00-05:00", "2026-12-07T17:00:00-05:00"},
          {"2026-12-07T00:00:00-05:00", "2026-12-08T00:00:00-05:00", "A", true},
          {"2026-12-08T09:00:00-05:00", "2026-12-08T10:00:00-05:00"},
          {"2026-12-07T16:00:00-05:00", "2026-12-07T17:00:00-05:00", "B"},
          {"2026-12-07T16:00:00-05:00", "2026-12-07T17:00:00-05:00", "A", false, true}},
         2},
        {"an event ending at this very instant has ended",
         "2026-12-07T10:30:00-05:00",
         {{"2026-12-07T09:30:00-05:00", "2026-12-07T10:30:00-05:00"}},
         0},
        {"an event from yesterday still running counts",
         "2026-12-07T10:30:00-05:00",
         {{"2026-12-06T23:00:00-05:00", "2026-12-07T11:00:00-05:00"}},
         1},
        {"today is the zone's day, not UTC's",
         "2026-12-07T22:00:00-05:00",
         {{"2026-12-07T23:30:00-05:00", "2026-12-07T23:45:00-05:00"},
          {"2026-12-08T10:00:00-05:00", "2026-12-08T11:00:00-05:00"}},
         1},
        {"the 23-hour day of the spring change ends at the next midnight",
         "2026-03-08T23:30:00-04:00",
         {{"2026-03-08T23:40:00-04:00", "2026-03-08T23:50:00-04:00"},
          {"2026-03-09T00:10:00-04:00", "2026-03-09T00:20:00-04:00"}},
         1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::MemoryDefaults memory;
        settings::Defaults& defaults = memory.defaults;
        defaults.set(keys::enabledCalendars, {QStringLiteral("A")});
        platform::FakeCalendarStore store;
        store.calendarList = test::workHomeTodoCalendars(false);
        int uid = 0;
        for (const Occurrence& o : row.events) {
            auto data = test::eventData("", std::to_string(++uid).c_str(), o.calendar);
            data->isAllDay = o.isAllDay;
            if (o.isDeclined)
                data->extra().attendees = {
                    {{}, QStringLiteral("me@x"), platform::ParticipantStatus::declined, true}};
            store.addEvent(data, at(o.start), at(o.end));
        }
        const events::RemainingEvents counter(store, defaults,
                                              [] { return QStringLiteral("America/New_York"); });
        EXPECT_EQ(counter.remainingEventsToday(at(row.now)), row.expected);
    }
}
