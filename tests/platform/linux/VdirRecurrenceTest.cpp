// SPDX-License-Identifier: GPL-3.0-or-later
// Occurrences of series, worked out by hand from the zone rules (New York leaves EST on
// 2026-03-08 at 02:00 and returns on 2026-11-01 at 02:00; Los Angeles is UTC-8 in December;
// Tokyo is UTC+9 all year). Series across the autumn change and EXDATEs in a zone are the
// edit and reply tests' (their occurrences afterwards are listed there).
#include "platform/linux/VdirRecurrence.h"

#include "VdirTestSupport.h"

#include <gtest/gtest.h>
#include <libical/ical.h>
#include <random>

using namespace ruvo;
using ruvo::test::at;

namespace {

struct Row {
    const char* name;
    const char* components;
    const char* window; // "start/end"
    std::vector<const char*> expected;
    const char* zone = "UTC"; // the current zone, for floating and all-day items
};

const Row kRows[] = {
    {"daily across the spring change keeps 09:00 on the wall",
     "BEGIN:VEVENT\r\nUID:a\r\nDTSTART;TZID=America/New_York:20260307T090000\r\n"
     "DTEND;TZID=America/New_York:20260307T093000\r\nRRULE:FREQ=DAILY;COUNT=3\r\nEND:VEVENT\r\n",
     "2026-03-01T00:00:00Z/2026-04-01T00:00:00Z",
     {"2026-03-07T14:00:00Z/2026-03-07T14:30:00Z", "2026-03-08T13:00:00Z/2026-03-08T13:30:00Z",
      "2026-03-09T13:00:00Z/2026-03-09T13:30:00Z"}},
    {"a start in the skipped hour moves forward by the gap",
     "BEGIN:VEVENT\r\nUID:c\r\nDTSTART;TZID=America/New_York:20260307T023000\r\n"
     "RRULE:FREQ=DAILY;COUNT=2\r\nEND:VEVENT\r\n",
     "2026-03-01T00:00:00Z/2026-04-01T00:00:00Z",
     {"2026-03-07T07:30:00Z/2026-03-07T07:30:00Z", "2026-03-08T07:30:00Z/2026-03-08T07:30:00Z"}},
    {"a start in the repeated hour is the first of the two",
     "BEGIN:VEVENT\r\nUID:d\r\nDTSTART;TZID=America/New_York:20261031T013000\r\n"
     "RRULE:FREQ=DAILY;COUNT=2\r\nEND:VEVENT\r\n",
     "2026-10-01T00:00:00Z/2026-12-01T00:00:00Z",
     {"2026-10-31T05:30:00Z/2026-10-31T05:30:00Z", "2026-11-01T05:30:00Z/2026-11-01T05:30:00Z"}},
    {"overrides move one occurrence into the range and one out of it",
     "BEGIN:VEVENT\r\nUID:f\r\nDTSTART:20261130T090000Z\r\nDURATION:PT30M\r\n"
     "RRULE:FREQ=WEEKLY\r\nEND:VEVENT\r\n"
     "BEGIN:VEVENT\r\nUID:f\r\nRECURRENCE-ID:20261207T090000Z\r\nDTSTART:20261220T090000Z\r\n"
     "DURATION:PT30M\r\nEND:VEVENT\r\n"
     "BEGIN:VEVENT\r\nUID:f\r\nRECURRENCE-ID:20261214T090000Z\r\nDTSTART:20261207T150000Z\r\n"
     "DURATION:PT30M\r\nEND:VEVENT\r\n",
     "2026-12-07T00:00:00Z/2026-12-08T00:00:00Z",
     {"2026-12-07T15:00:00Z/2026-12-07T15:30:00Z@2026-12-14T09:00:00Z"}},
    {"an all-day event over three days, in the current zone",
     "BEGIN:VEVENT\r\nUID:g\r\nDTSTART;VALUE=DATE:20261224\r\nDTEND;VALUE=DATE:20261227\r\n"
     "END:VEVENT\r\n",
     "2026-12-26T00:00:00Z/2026-12-26T01:00:00Z",
     {"2026-12-23T15:00:00Z/2026-12-26T15:00:00Z"},
     "Asia/Tokyo"},
    {"UNTIL in UTC bounds a Los Angeles series inclusively",
     "BEGIN:VEVENT\r\nUID:h\r\nDTSTART;TZID=America/Los_Angeles:20261201T170000\r\n"
     "RRULE:FREQ=DAILY;UNTIL=20261203T010000Z\r\nEND:VEVENT\r\n",
     "2026-11-01T00:00:00Z/2027-01-01T00:00:00Z",
     {"2026-12-02T01:00:00Z/2026-12-02T01:00:00Z", "2026-12-03T01:00:00Z/2026-12-03T01:00:00Z"}},
    {"a floating time is read in the current zone",
     "BEGIN:VEVENT\r\nUID:i\r\nDTSTART:20261207T090000\r\nDTEND:20261207T100000\r\n"
     "END:VEVENT\r\n",
     "2026-12-06T00:00:00Z/2026-12-08T00:00:00Z",
     {"2026-12-07T00:00:00Z/2026-12-07T01:00:00Z"},
     "Asia/Tokyo"},
    {"a yearly 29 February falls only in leap years",
     "BEGIN:VEVENT\r\nUID:j\r\nDTSTART;VALUE=DATE:20240229\r\nRRULE:FREQ=YEARLY\r\n"
     "END:VEVENT\r\n",
     "2025-01-01T00:00:00Z/2029-01-01T00:00:00Z",
     {"2028-02-29T00:00:00Z/2028-03-01T00:00:00Z"}},
    {"RDATE adds a start to a single event",
     "BEGIN:VEVENT\r\nUID:l\r\nDTSTART:20261201T100000Z\r\nRDATE:20261205T100000Z\r\n"
     "END:VEVENT\r\n",
     "2026-11-01T00:00:00Z/2027-01-01T00:00:00Z",
     {"2026-12-01T10:00:00Z/2026-12-01T10:00:00Z", "2026-12-05T10:00:00Z/2026-12-05T10:00:00Z"}},
    {"a daily series since 1998 gives just the asked week",
     "BEGIN:VEVENT\r\nUID:m\r\nDTSTART;TZID=Europe/Berlin:19980101T080000\r\n"
     "RRULE:FREQ=DAILY\r\nEND:VEVENT\r\n",
     "2026-12-07T00:00:00Z/2026-12-10T00:00:00Z",
     {"2026-12-07T07:00:00Z/2026-12-07T07:00:00Z", "2026-12-08T07:00:00Z/2026-12-08T07:00:00Z",
      "2026-12-09T07:00:00Z/2026-12-09T07:00:00Z"}},
};

} // namespace

TEST(VdirRecurrence, OccurrencesMatchTheHandWorkedTable) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        test::TempVdir vdir(QString::fromLatin1(row.zone));
        vdir.write(QStringLiteral("item.ics"), test::calendarText(row.components));
        auto store = vdir.open();
        const auto events = store->events({test::interval(row.window), {}});
        QStringList expected;
        for (const char* e : row.expected)
            expected << QString::fromLatin1(e);
        EXPECT_EQ(test::describe(events), expected);
    }
}

// The direct expansion and libical's iterator must agree on every rule the direct one takes,
// for windows anywhere in a series' life.
TEST(VdirRecurrence, DirectExpansionAgreesWithLibical) {
    using namespace platform::vdir;
    const char* rules[] = {"FREQ=DAILY",
                           "FREQ=DAILY;INTERVAL=3",
                           "FREQ=DAILY;COUNT=40",
                           "FREQ=WEEKLY;BYDAY=MO,WE,FR",
                           "FREQ=WEEKLY;INTERVAL=2;BYDAY=TU,SA;WKST=SU",
                           "FREQ=WEEKLY;INTERVAL=3;COUNT=20",
                           "FREQ=MONTHLY",
                           "FREQ=MONTHLY;BYMONTHDAY=31",
                           "FREQ=MONTHLY;BYMONTHDAY=1,-1;INTERVAL=2",
                           "FREQ=MONTHLY;BYDAY=2TU",
                           "FREQ=MONTHLY;BYDAY=-1SU;COUNT=15",
                           "FREQ=MONTHLY;BYDAY=MO",
                           "FREQ=YEARLY",
                           "FREQ=YEARLY;INTERVAL=4"};
    ZoneTable zones;
    std::mt19937 random(7);
    for (const char* text : rules) {
        SCOPED_TRACE(text);
        test::TempVdir vdir;
        const QByteArray ics =
            "BEGIN:VEVENT\r\nUID:x\r\nDTSTART:20230131T093000\r\nRRULE:" + QByteArray(text) +
            "\r\nEND:VEVENT\r\n";
        vdir.write(QStringLiteral("x.ics"), test::calendarText(ics.constData()));
        auto store = vdir.open();
        ASSERT_EQ(store->eventRecordCount(), 1u);
        const auto first = store->eventWithIdentifier(
            store->calendars(platform::EntityType::event).back().identifier + QStringLiteral("/x"));
        ASSERT_TRUE(first);
        for (int i = 0; i < 12; ++i) {
            const auto from = first->start() + std::chrono::days(random() % 1500);
            const platform::DateRange range{from, from + std::chrono::days(1 + random() % 60)};
            const auto direct = store->events({range, {}});
            // The same series through libical: its starts in the same window.
            SeriesRecord s;
            RecurrenceRule rule;
            rule.text = text;
            s.times = {localSeconds(2023, 1, 31, 9, 30), 0, kFloatingZone};
            s.rules = {rule};
            QStringList viaLibical;
            const LocalSeconds a = kit::msecsSinceEpoch(range.start) / 1000;
            const LocalSeconds b = kit::msecsSinceEpoch(range.end) / 1000;
            forEachRuleStart(
                rule, s.times, false, a, b - 1,
                [&](LocalSeconds t) {
                    const auto instant = kit::instantFromMSecs(t * 1000);
                    viaLibical << kit::formatIsoUtc(instant) + QLatin1Char('/') +
                                      kit::formatIsoUtc(instant);
                },
                true);
            viaLibical.sort();
            QStringList viaDirect = test::describe(direct);
            viaDirect.sort();
            EXPECT_EQ(viaDirect, viaLibical) << "window " << i;
        }
    }
}

// An hour's query takes a shortcut through the series' times of day; it must find exactly
// what a whole week's query finds in that hour.
TEST(VdirRecurrence, ShortQueriesFindWhatLongQueriesFind) {
    test::TempVdir vdir(QStringLiteral("America/New_York"));
    const char* items[] = {
        "BEGIN:VEVENT\r\nUID:1\r\nDTSTART;TZID=Europe/Berlin:20250101T233000\r\nDURATION:PT1H\r\n"
        "RRULE:FREQ=DAILY\r\nEND:VEVENT\r\n",
        "BEGIN:VEVENT\r\nUID:2\r\nDTSTART;TZID=Asia/Tokyo:20250101T000000\r\nDURATION:PT3H\r\n"
        "RRULE:FREQ=WEEKLY;BYDAY=MO,TU,WE,TH,FR\r\nEND:VEVENT\r\n",
        "BEGIN:VEVENT\r\nUID:3\r\nDTSTART:20250101T120000\r\nDURATION:PT45M\r\n"
        "RRULE:FREQ=DAILY\r\nEND:VEVENT\r\n",
        "BEGIN:VEVENT\r\nUID:4\r\nDTSTART:20250101T060000Z\r\nDURATION:PT8H\r\n"
        "RRULE:FREQ=DAILY\r\nEND:VEVENT\r\n",
        "BEGIN:VEVENT\r\nUID:5\r\nDTSTART;VALUE=DATE:20250101\r\nRRULE:FREQ=WEEKLY\r\nEND:"
        "VEVENT\r\n",
        // In the hour New York skips on 8 March: that day at 03:30 EDT.
        "BEGIN:VEVENT\r\nUID:6\r\nDTSTART;TZID=America/New_York:20250101T023000\r\n"
        "DURATION:PT30M\r\nRRULE:FREQ=DAILY\r\nEND:VEVENT\r\n",
    };
    int n = 0;
    for (const char* item : items)
        vdir.write(QStringLiteral("%1.ics").arg(++n), test::calendarText(item));
    auto store = vdir.open();
    const auto weekStart = at("2026-03-05T00:00:00Z"); // spans New York's spring change
    const auto week = store->events({{weekStart, weekStart + std::chrono::days(7)}, {}});
    for (int hour = 0; hour < 7 * 24; ++hour) {
        const platform::DateRange range{weekStart + std::chrono::hours(hour),
                                        weekStart + std::chrono::hours(hour + 1)};
        QStringList expected;
        for (const auto& e : week)
            if (e.start() < range.end && (e.end() > range.start || e.start() >= range.start))
                expected << test::describe(e);
        EXPECT_EQ(test::describe(store->events({range, {}})), expected) << "hour " << hour;
    }
}

namespace {

using platform::vdir::LocalSeconds;

LocalSeconds localAt(const char* iso) {
    return kit::msecsSinceEpoch(at(iso)) / 1000;
}

QStringList startsOf(const char* rule, const char* first, LocalSeconds from, LocalSeconds to) {
    using namespace platform::vdir;
    RecurrenceRule r;
    r.text = rule;
    QStringList starts;
    forEachRuleStart(
        r, {localAt(first), 0, kFloatingZone}, false, from, to,
        [&](LocalSeconds t) { starts << kit::formatIsoUtc(kit::instantFromMSecs(t * 1000)); },
        true);
    starts.sort();
    return starts;
}

// libical's own walk from the first start, the slow way that keeps the rule's grid.
QStringList walkedStarts(const char* rule, const char* first, LocalSeconds from, LocalSeconds to) {
    using namespace platform::vdir;
    icalrecurrencetype recur = icalrecurrencetype_from_string(rule);
    const LocalSeconds start = localAt(first);
    icaltimetype dtstart = icaltime_from_timet_with_zone(time_t(start), 0, nullptr);
    icalrecur_iterator* it = icalrecur_iterator_new(recur, dtstart);
    QStringList starts;
    for (int i = 0; i < 2000000; ++i) {
        const icaltimetype t = icalrecur_iterator_next(it);
        const LocalSeconds local = localSeconds(t.year, t.month, t.day, t.hour, t.minute, t.second);
        if (icaltime_is_null_time(t) || local > to)
            break;
        if (local >= from)
            starts << kit::formatIsoUtc(kit::instantFromMSecs(local * 1000));
    }
    icalrecur_iterator_free(it);
    return starts;
}

} // namespace

// A window far into a series must hold exactly what walking there from the first start
// finds: short rules keep their grid of periods, whatever hour the window starts at.
TEST(VdirRecurrence, WindowsKeepTheGridOfShortRules) {
    const char* rules[] = {"FREQ=MINUTELY;INTERVAL=7",
                           "FREQ=HOURLY;INTERVAL=5",
                           "FREQ=HOURLY;INTERVAL=5;BYMINUTE=10,40",
                           "FREQ=HOURLY;INTERVAL=5;BYDAY=MO,TU",
                           "FREQ=MINUTELY;INTERVAL=13;BYHOUR=9,10",
                           "FREQ=SECONDLY;INTERVAL=97;BYMINUTE=0",
                           "FREQ=DAILY;INTERVAL=3;BYHOUR=8,13",
                           "FREQ=HOURLY;COUNT=50;INTERVAL=3"};
    const char* first = "2026-01-01T09:00:00Z";
    const struct {
        const char* from;
        int minutes;
    } windows[] = {{"2026-01-05T09:00:00Z", 60},  {"2026-01-05T08:54:00Z", 60},
                   {"2026-01-06T23:30:00Z", 360}, {"2026-01-03T00:00:00Z", 1440},
                   {"2026-01-12T13:17:00Z", 120}, {"2026-01-01T09:00:00Z", 30}};
    for (const char* rule : rules)
        for (const auto& w : windows) {
            SCOPED_TRACE(std::string(rule) + " from " + w.from);
            const LocalSeconds from = localAt(w.from);
            const LocalSeconds to = from + w.minutes * 60 - 1;
            EXPECT_EQ(startsOf(rule, first, from, to), walkedStarts(rule, first, from, to));
        }
}

// Day parts are read as the standard says, also where libical gets them wrong (negative days
// in short rules) or needs seconds to a minute per step (parts that never or rarely meet).
TEST(VdirRecurrence, DayPartsOfShortRules) {
    const struct {
        const char* rule;
        const char* first;
        const char* window; // "start/end"
        std::vector<const char*> expected;
    } rows[] = {
        {"FREQ=HOURLY;INTERVAL=6;BYMONTHDAY=-1",
         "2026-01-01T00:00:00Z",
         "2026-02-27T00:00:00Z/2026-03-01T00:00:00Z",
         {"2026-02-28T00:00:00Z", "2026-02-28T06:00:00Z", "2026-02-28T12:00:00Z",
          "2026-02-28T18:00:00Z"}},
        {"FREQ=DAILY;BYMONTHDAY=-1",
         "2026-01-10T08:00:00Z",
         "2026-01-01T00:00:00Z/2026-04-01T00:00:00Z",
         {"2026-01-31T08:00:00Z", "2026-02-28T08:00:00Z", "2026-03-31T08:00:00Z"}},
        {"FREQ=HOURLY;INTERVAL=24;BYYEARDAY=-1,1",
         "2026-12-29T07:00:00Z",
         "2026-12-01T00:00:00Z/2027-01-10T00:00:00Z",
         {"2026-12-31T07:00:00Z", "2027-01-01T07:00:00Z"}},
        {"FREQ=DAILY;BYDAY=MO,FR;BYHOUR=8,17;BYSETPOS=-1",
         "2026-12-01T08:00:00Z",
         "2026-12-03T00:00:00Z/2026-12-08T00:00:00Z",
         {"2026-12-04T17:00:00Z", "2026-12-07T17:00:00Z"}},
        {"FREQ=HOURLY;BYMONTH=2;BYMONTHDAY=30",
         "2026-01-01T00:00:00Z",
         "2026-01-01T00:00:00Z/2040-01-01T00:00:00Z",
         {}},
        {"FREQ=MINUTELY;BYMONTH=2;BYMONTHDAY=29;BYHOUR=9;BYMINUTE=0",
         "2026-01-01T09:00:00Z",
         "2026-01-01T00:00:00Z/2030-01-01T00:00:00Z",
         {"2028-02-29T09:00:00Z"}},
        {"FREQ=SECONDLY;BYMONTH=12;BYHOUR=9;BYMINUTE=0;BYSECOND=0;COUNT=3",
         "2026-12-01T09:00:00Z",
         "2026-01-01T00:00:00Z/2027-01-01T00:00:00Z",
         {"2026-12-01T09:00:00Z", "2026-12-02T09:00:00Z", "2026-12-03T09:00:00Z"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.rule);
        QStringList expected;
        for (const char* e : row.expected)
            expected << QString::fromLatin1(e);
        const platform::DateRange window = test::interval(row.window);
        const LocalSeconds from = kit::msecsSinceEpoch(window.start) / 1000;
        const LocalSeconds to = kit::msecsSinceEpoch(window.end) / 1000;
        EXPECT_EQ(startsOf(row.rule, row.first, from, to - 1), expected);
    }
}
