// SPDX-License-Identifier: GPL-3.0-or-later
// Calendar files as other programs write them, read against the occurrences a user expects.
#include "VdirTestSupport.h"
#include "platform/linux/VdirIndex.h"
#include "platform/linux/VdirRecurrence.h"

#include <gtest/gtest.h>
#include <set>

using namespace ruvo;
using platform::EntityType;
using ruvo::test::at;

namespace {

// Zones as other programs write them, in tests/data/vdir/zones: Outlook's Berlin, a
// "Customized Time Zone" no system zone has (+03:30 in winter, +04:30 from the first Sunday of
// April to the first Sunday of October), and Lotus Notes' "Eastern".
QByteArray zone(const char* name) {
    QFile file(test::dataPath(QStringLiteral("vdir/zones/%1.ics").arg(QLatin1String(name))));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

struct Case {
    const char* name;
    QByteArray components;
    const char* window; // "start/end", the query's
    std::vector<const char*> expected;
};

QByteArray vevent(const char* lines) {
    return QByteArray("BEGIN:VEVENT\r\n") + lines + "END:VEVENT\r\n";
}

std::vector<Case> cases() {
    return {
        {"hourly series in a one-hour window",
         vevent("UID:h\r\nDTSTART:20261207T090000Z\r\nDURATION:PT30M\r\n"
                "RRULE:FREQ=HOURLY;COUNT=8\r\n"),
         "2026-12-07T12:15:00Z/2026-12-07T13:15:00Z",
         {"2026-12-07T12:00:00Z/2026-12-07T12:30:00Z",
          "2026-12-07T13:00:00Z/2026-12-07T13:30:00Z"}},
        {"daily at three hours, two-hour window",
         vevent("UID:b\r\nDTSTART:20261207T080000Z\r\nDURATION:PT15M\r\n"
                "RRULE:FREQ=DAILY;BYHOUR=8,13,17;COUNT=6\r\n"),
         "2026-12-08T12:30:00Z/2026-12-08T14:30:00Z",
         {"2026-12-08T13:00:00Z/2026-12-08T13:15:00Z"}},
        {"RDATE at another hour, six-hour window",
         vevent("UID:r\r\nDTSTART:20261207T090000Z\r\nDURATION:PT1H\r\n"
                "RRULE:FREQ=DAILY;COUNT=3\r\nRDATE:20261208T150000Z\r\n"),
         "2026-12-08T14:00:00Z/2026-12-08T20:00:00Z",
         {"2026-12-08T15:00:00Z/2026-12-08T16:00:00Z"}},
        {"RDATE on an occurrence of the rule counts once",
         vevent("UID:d\r\nDTSTART:20261207T090000Z\r\nDURATION:PT1H\r\n"
                "RRULE:FREQ=DAILY;COUNT=3\r\nRDATE:20261208T090000Z,20261207T090000Z\r\n"),
         "2026-12-07T00:00:00Z/2026-12-09T00:00:00Z",
         {"2026-12-07T09:00:00Z/2026-12-07T10:00:00Z",
          "2026-12-08T09:00:00Z/2026-12-08T10:00:00Z"}},
        {"this and future occurrences moved an hour and shortened",
         vevent("UID:f\r\nDTSTART;TZID=Europe/Berlin:20261207T090000\r\nDURATION:PT1H\r\n"
                "RRULE:FREQ=WEEKLY;COUNT=4\r\n") +
             vevent(
                 "UID:f\r\nRECURRENCE-ID;RANGE=THISANDFUTURE;TZID=Europe/Berlin:20261214T090000\r\n"
                 "DTSTART;TZID=Europe/Berlin:20261214T100000\r\nDURATION:PT30M\r\n"),
         "2026-12-01T00:00:00Z/2027-01-10T00:00:00Z",
         {"2026-12-07T08:00:00Z/2026-12-07T09:00:00Z", "2026-12-14T09:00:00Z/2026-12-14T09:30:00Z",
          "2026-12-21T09:00:00Z/2026-12-21T09:30:00Z",
          "2026-12-28T09:00:00Z/2026-12-28T09:30:00Z"}},
        {"Outlook zone keeps Berlin's summer time",
         zone("outlook-berlin") +
             vevent("UID:o\r\nDTSTART;TZID=\"(UTC+01:00) Amsterdam, Berlin, Bern, Rome, Stockholm, "
                    "Vienna\":20260302T090000\r\nDURATION:PT1H\r\nRRULE:FREQ=WEEKLY\r\n"),
         "2026-03-30T06:30:00Z/2026-03-30T07:30:00Z",
         {"2026-03-30T07:00:00Z/2026-03-30T08:00:00Z"}},
        {"Outlook zone in winter",
         zone("outlook-berlin") +
             vevent("UID:o\r\nDTSTART;TZID=\"(UTC+01:00) Amsterdam, Berlin, Bern, Rome, Stockholm, "
                    "Vienna\":20260302T090000\r\nDURATION:PT1H\r\nRRULE:FREQ=WEEKLY\r\n"),
         "2026-11-02T06:30:00Z/2026-11-02T08:30:00Z",
         {"2026-11-02T08:00:00Z/2026-11-02T09:00:00Z"}},
        {"customized zone no system zone matches keeps its own rules",
         zone("customized") +
             vevent("UID:c\r\nDTSTART;TZID=Customized Time Zone:20260302T090000\r\n"
                    "DURATION:PT1H\r\nRRULE:FREQ=WEEKLY\r\n"),
         "2026-03-30T00:00:00Z/2026-04-06T06:00:00Z",
         {"2026-03-30T05:30:00Z/2026-03-30T06:30:00Z",
          "2026-04-06T04:30:00Z/2026-04-06T05:30:00Z"}},
        {"Lotus Notes zone after the autumn change",
         zone("notes-eastern") +
             vevent("UID:n\r\nDTSTART;TZID=Eastern:20261026T090000\r\nDURATION:PT1H\r\n"
                    "RRULE:FREQ=WEEKLY;BYDAY=MO\r\n"),
         "2026-11-02T13:30:00Z/2026-11-02T14:30:00Z",
         {"2026-11-02T14:00:00Z/2026-11-02T15:00:00Z"}},
    };
}

// Every window of 1, 2 and 6 hours over two days must find what one query over them finds.
void expectWindowsAgree(platform::vdir::VdirCalendarStore& store, kit::Instant from) {
    const platform::DateRange whole{from - kit::Seconds(86400), from + kit::Seconds(2 * 86400)};
    const QStringList all = test::describe(store.events({whole, {}}));
    for (int hours : {1, 2, 6}) {
        std::set<QString> found;
        for (kit::Instant t = whole.start; t < whole.end; t += kit::Seconds(1200)) {
            const platform::DateRange window{t,
                                             std::min(t + kit::Seconds(hours * 3600), whole.end)};
            for (const auto& e : store.events({window, {}}))
                found.insert(test::describe(e));
        }
        EXPECT_EQ(QStringList(found.begin(), found.end()), all) << hours << "-hour windows";
    }
}

} // namespace

TEST(VdirRealWorld, FilesFromOtherProgramsGiveTheExpectedOccurrences) {
    for (const auto& c : cases()) {
        SCOPED_TRACE(c.name);
        test::TempVdir vdir(QStringLiteral("Europe/Berlin"));
        vdir.write(QStringLiteral("item.ics"), test::calendarText(c.components.constData()));
        auto store = vdir.open();
        const platform::DateRange range = test::interval(c.window);
        QStringList expected;
        for (const char* e : c.expected)
            expected << QString::fromLatin1(e);
        EXPECT_EQ(test::describe(store->events({range, {}})), expected);
        expectWindowsAgree(*store, range.start);
    }
}

TEST(VdirRealWorld, MixedFoldersTaskListsAndCalendarLevelNamesAndColours) {
    test::TempVdir vdir;
    const QString root = vdir.root() + QStringLiteral("/vdir");
    // Nextcloud's "Personal": events and tasks in one folder, metadata only in the files.
    vdir.write(QStringLiteral("e.ics"),
               test::calendarText("X-WR-CALNAME:Personal\r\nX-APPLE-CALENDAR-COLOR:#0082C9FF\r\n"
                                  "BEGIN:VEVENT\r\nUID:e\r\nDTSTART:20261207T090000Z\r\n"
                                  "DURATION:PT1H\r\nSUMMARY:Dentist\r\nEND:VEVENT\r\n"));
    vdir.write(QStringLiteral("t.ics"),
               test::calendarText("BEGIN:VTODO\r\nUID:t\r\nSUMMARY:Buy milk\r\n"
                                  "DUE:20261207T120000Z\r\nEND:VTODO\r\n"
                                  "BEGIN:VTODO\r\nUID:x\r\nSUMMARY:Called off\r\n"
                                  "DUE:20261207T120000Z\r\nSTATUS:CANCELLED\r\nEND:VTODO\r\n"));
    // An empty task list declared by its kind file, and a calendar with no colour anywhere.
    const QString tasks = root + QStringLiteral("/tasks");
    const QString plain = root + QStringLiteral("/plain");
    QDir().mkpath(tasks);
    QDir().mkpath(plain);
    vdir.write(QStringLiteral("kind"), "VTODO\n", tasks);
    vdir.write(QStringLiteral("displayname"), "Chores\n", tasks);
    vdir.write(QStringLiteral("p.ics"),
               test::calendarText("BEGIN:VEVENT\r\nUID:p\r\nDTSTART:20261207T100000Z\r\n"
                                  "SUMMARY:Plain\r\nEND:VEVENT\r\n"),
               plain);
    (void)platform::vdir::writeSources(platform::vdir::sourcesFilePath(vdir.config()),
                                       {{vdir.folder(), {}}, {tasks, {}}, {plain, {}}});
    platform::vdir::VdirStoreOptions options;
    options.configDirectory = vdir.config();
    options.defaultDirectory = vdir.root() + QStringLiteral("/default");
    options.timeZoneId = QStringLiteral("UTC");
    platform::vdir::VdirCalendarStore store(options);
    ASSERT_TRUE(store.load());

    auto titled = [&](EntityType kind, const QString& title) -> std::optional<platform::Calendar> {
        for (const auto& c : store.calendars(kind))
            if (c.title == title)
                return c;
        return std::nullopt;
    };
    const auto personal = titled(EntityType::event, QStringLiteral("Personal"));
    ASSERT_TRUE(personal);
    EXPECT_EQ(personal->colour, QStringLiteral("#0082C9FF"));
    const auto personalList = titled(EntityType::reminder, QStringLiteral("Personal"));
    ASSERT_TRUE(personalList);
    EXPECT_EQ(personalList->identifier, personal->identifier);
    EXPECT_TRUE(titled(EntityType::reminder, QStringLiteral("Chores")));
    EXPECT_FALSE(titled(EntityType::event, QStringLiteral("Chores")));
    const auto plainCalendar = titled(EntityType::event, QStringLiteral("plain"));
    ASSERT_TRUE(plainCalendar);
    EXPECT_EQ(plainCalendar->colour, QStringLiteral("#8e8e93"));
    EXPECT_FALSE(titled(EntityType::reminder, QStringLiteral("plain")));

    QStringList due;
    for (const auto& r : store.incompleteReminders(
             {at("2026-12-07T00:00:00Z"), at("2026-12-08T00:00:00Z"), {personal->identifier}}))
        due << r.title;
    EXPECT_EQ(due, QStringList{QStringLiteral("Buy milk")});
    EXPECT_EQ(store
                  .events({{at("2026-12-07T00:00:00Z"), at("2026-12-08T00:00:00Z")},
                           {personal->identifier}})
                  .size(),
              1u);
}

TEST(VdirRealWorld, RepeatingTasksAreDueAtTheirNextOccurrence) {
    test::TempVdir vdir(QStringLiteral("Europe/Berlin"));
    vdir.write(QStringLiteral("kind"), "reminders\n");
    vdir.write(QStringLiteral("t.ics"),
               test::calendarText(
                   // Daily at 10:00 Berlin since 1 December; today's (the 7th) done on its own.
                   "BEGIN:VTODO\r\nUID:water\r\nSUMMARY:Water plants\r\n"
                   "DUE;TZID=Europe/Berlin:20261201T100000\r\nRRULE:FREQ=DAILY\r\nEND:VTODO\r\n"
                   "BEGIN:VTODO\r\nUID:water\r\nSUMMARY:Water plants\r\n"
                   "RECURRENCE-ID;TZID=Europe/Berlin:20261207T100000\r\n"
                   "DUE;TZID=Europe/Berlin:20261207T100000\r\nSTATUS:COMPLETED\r\nEND:VTODO\r\n"
                   // Monthly on a date, its own due date still ahead.
                   "BEGIN:VTODO\r\nUID:rent\r\nSUMMARY:Rent\r\nDUE;VALUE=DATE:20261210\r\n"
                   "RRULE:FREQ=MONTHLY\r\nEND:VTODO\r\n"
                   // Weekly, ended before today: its last occurrence stays overdue.
                   "BEGIN:VTODO\r\nUID:old\r\nSUMMARY:Old\r\nDUE:20261102T090000Z\r\n"
                   "RRULE:FREQ=WEEKLY;COUNT=3\r\nEND:VTODO\r\n"
                   "BEGIN:VTODO\r\nUID:gone\r\nSUMMARY:Gone\r\nDUE:20261207T090000Z\r\n"
                   "RRULE:FREQ=DAILY\r\nSTATUS:CANCELLED\r\nEND:VTODO\r\n"));
    kit::FixedClock clock(at("2026-12-07T08:00:00Z"));
    auto store = vdir.open({}, nullptr, &clock);
    const QString list = store->calendars(EntityType::reminder).back().identifier;
    QStringList due;
    for (const auto& r :
         store->incompleteReminders({std::nullopt, at("2027-01-01T00:00:00Z"), {list}}))
        due << r.title + QLatin1Char(' ') + r.due->date.toString(Qt::ISODate) +
                   (r.due->time ? QLatin1Char(' ') + r.due->time->toString() : QString());
    due.sort();
    EXPECT_EQ(due, (QStringList{QStringLiteral("Old 2026-11-16 09:00:00"),
                                QStringLiteral("Rent 2026-12-10"),
                                QStringLiteral("Water plants 2026-12-08 10:00:00")}));
}

namespace {

// Files crafted to make a reader work without end: each is read, and bounded.
struct BoundCase {
    const char* name;
    std::vector<QByteArray> files;
    const char* window; // "start/end", the query's
    std::size_t count;  // the occurrences the query returns
    const char* first;
};

QByteArray secondly(int n) {
    return vevent(QByteArray("UID:s") + QByteArray::number(n) +
                  "\r\nDTSTART:20261201T000000Z\r\nDURATION:PT1S\r\nRRULE:FREQ=SECONDLY\r\n");
}

std::vector<BoundCase> boundCases() {
    using platform::vdir::VdirIndex;
    const auto perSeries = static_cast<std::size_t>(platform::vdir::kMaxStartsPerSeries);
    return {
        {"a zone changing every minute since 1970 is skipped: its time reads as floating",
         {QByteArray("BEGIN:VTIMEZONE\r\nTZID:Storm\r\nBEGIN:STANDARD\r\n"
                     "DTSTART:19700101T000000\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0000\r\n"
                     "RRULE:FREQ=MINUTELY;INTERVAL=2\r\nEND:STANDARD\r\nBEGIN:DAYLIGHT\r\n"
                     "DTSTART:19700101T000100\r\nTZOFFSETFROM:+0000\r\nTZOFFSETTO:+0100\r\n"
                     "RRULE:FREQ=MINUTELY;INTERVAL=2\r\nEND:DAYLIGHT\r\nEND:VTIMEZONE\r\n") +
          vevent("UID:z\r\nDTSTART;TZID=Storm:20261207T090000\r\nDURATION:PT1H\r\n")},
         "2026-12-07T00:00:00Z/2026-12-08T00:00:00Z",
         1,
         "2026-12-07T08:00:00Z/2026-12-07T09:00:00Z"},
        {"every minute since 1970 with a count of two billion, one hour of it",
         {vevent("UID:m\r\nDTSTART:19700101T000000Z\r\nDURATION:PT1M\r\n"
                 "RRULE:FREQ=MINUTELY;COUNT=2000000000\r\n")},
         "2026-12-07T12:00:00Z/2026-12-07T13:00:00Z",
         60,
         "2026-12-07T12:00:00Z/2026-12-07T12:01:00Z"},
        {"weekly since 2000 with the largest count",
         {vevent("UID:w\r\nDTSTART:20000103T090000Z\r\nDURATION:PT1H\r\n"
                 "RRULE:FREQ=WEEKLY;COUNT=2147483647\r\n")},
         "2026-12-07T00:00:00Z/2026-12-14T00:00:00Z",
         1,
         "2026-12-07T09:00:00Z/2026-12-07T10:00:00Z"},
        {"every second for a day stops at the series' limit",
         {secondly(1)},
         "2026-12-07T00:00:00Z/2026-12-08T00:00:00Z",
         perSeries,
         "2026-12-07T00:00:00Z/2026-12-07T00:00:01Z"},
        {"six series every second stop at the query's limit",
         {secondly(1), secondly(2), secondly(3), secondly(4), secondly(5), secondly(6)},
         "2026-12-07T00:00:00Z/2026-12-08T00:00:00Z",
         VdirIndex::kMaxSeriesEventsPerQuery,
         "2026-12-07T00:00:00Z/2026-12-07T00:00:01Z"},
    };
}

} // namespace

TEST(VdirRealWorld, CraftedRulesAreBoundedPerSeriesAndPerQuery) {
    for (const auto& c : boundCases()) {
        SCOPED_TRACE(c.name);
        test::TempVdir vdir(QStringLiteral("Europe/Berlin"));
        for (std::size_t i = 0; i < c.files.size(); ++i)
            vdir.write(QStringLiteral("f%1.ics").arg(i),
                       test::calendarText(c.files[i].constData()));
        auto store = vdir.open();
        const auto events = store->events({test::interval(c.window), {}});
        ASSERT_EQ(events.size(), c.count);
        EXPECT_EQ(test::describe(events.front()), QString::fromLatin1(c.first));
    }
}
