// SPDX-License-Identifier: GPL-3.0-or-later
#include "VdirTestSupport.h"
#include "kit/RealScheduler.h"
#include "kit/VirtualScheduler.h"
#include "platform/linux/VdirCodec.h"

#include <QDirIterator>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace ruvo;
using platform::EntityType;
using ruvo::test::at;

namespace {

QByteArray event(const char* uid, const char* start, const char* extra = "") {
    return test::calendarText((QByteArray("BEGIN:VEVENT\r\nUID:") + uid + "\r\nDTSTART:" + start +
                               "\r\nDURATION:PT1H\r\nSUMMARY:" + uid + "\r\n" + extra +
                               "END:VEVENT\r\n")
                                  .constData());
}

const platform::DateRange kDecember{at("2026-12-01T00:00:00Z"), at("2027-01-01T00:00:00Z")};

QStringList titles(const std::vector<platform::Event>& events) {
    QStringList list;
    for (const auto& e : events)
        list << e.title();
    return list;
}

} // namespace

TEST(VdirCalendarStore, BrokenFilesAreSkippedAndEverythingElseLoads) {
    test::TempVdir vdir;
    vdir.write(QStringLiteral("good1.ics"), event("good1", "20261207T090000Z"));
    vdir.write(QStringLiteral("garbage.ics"), QByteArray("\x00\x01not a calendar", 15));
    vdir.write(QStringLiteral("empty.ics"), QByteArray());
    vdir.write(QStringLiteral("truncated.ics"),
               "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:t\r\nDTSTART:2026");
    vdir.write(QStringLiteral("nostart.ics"),
               test::calendarText("BEGIN:VEVENT\r\nUID:n\r\nEND:VEVENT\r\n"));
    vdir.write(QStringLiteral("notes.txt"), event("ignored", "20261207T090000Z"));
    QDir(vdir.folder()).mkdir(QStringLiteral("folder.ics"));
    QFile::link(vdir.folder() + QStringLiteral("/gone.ics"),
                vdir.folder() + QStringLiteral("/dangling.ics"));
    // Five megabytes: twenty thousand events of 2027 and one in the asked month.
    QByteArray large;
    for (int i = 0; i < 20000; ++i)
        large +=
            "BEGIN:VEVENT\r\nUID:bulk" + QByteArray::number(i) +
            "\r\nDTSTART:20270301T090000Z\r\nSUMMARY:bulk\r\nDESCRIPTION:" + QByteArray(180, 'x') +
            "\r\nEND:VEVENT\r\n";
    large += "BEGIN:VEVENT\r\nUID:large\r\nDTSTART:20261208T090000Z\r\nSUMMARY:large\r\n"
             "END:VEVENT\r\n";
    ASSERT_GT(large.size(), 5 * 1000 * 1000);
    vdir.write(QStringLiteral("large.ics"), test::calendarText(large.constData()));
    vdir.write(QStringLiteral("good2.ics"), event("good2", "20261209T090000Z"));

    auto store = vdir.open();
    EXPECT_EQ(
        titles(store->events({kDecember, {}})),
        (QStringList{QStringLiteral("good1"), QStringLiteral("large"), QStringLiteral("good2")}));
    EXPECT_GE(store->lastLoad().broken, 3);
}

TEST(VdirCalendarStore, StartsFromTheCacheAndNoticesChangedFiles) {
    test::TempVdir vdir;
    for (int i = 0; i < 5; ++i)
        vdir.write(QStringLiteral("e%1.ics").arg(i),
                   event(QStringLiteral("e%1").arg(i).toLatin1().constData(), "20261207T090000Z"));
    auto first = vdir.open();
    EXPECT_EQ(first->lastLoad().parsed, 5);
    // It holds what the calendar files hold: readable by the user alone.
    const auto ownerGroupOther = [](const QString& path) {
        return QFileInfo(path).permissions() & QFileDevice::Permissions(0x7077);
    };
    EXPECT_EQ(ownerGroupOther(vdir.cacheFile()), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(ownerGroupOther(QFileInfo(vdir.cacheFile()).absolutePath()),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    auto second = vdir.open();
    EXPECT_EQ(second->lastLoad().parsed, 0);
    EXPECT_EQ(second->lastLoad().fromCache, 5);
    EXPECT_EQ(titles(second->events({kDecember, {}})), titles(first->events({kDecember, {}})));

    vdir.write(QStringLiteral("e1.ics"), event("renamed title", "20261207T100000Z"));
    QFile::remove(vdir.folder() + QStringLiteral("/e2.ics"));
    auto third = vdir.open();
    EXPECT_EQ(third->lastLoad().parsed, 1);
    const QStringList expected{QStringLiteral("e0"), QStringLiteral("e3"), QStringLiteral("e4"),
                               QStringLiteral("renamed title")};
    EXPECT_EQ(titles(third->events({kDecember, {}})), expected);

    // A look that finds nothing new reports nothing and keeps answering from the same index.
    int changes = 0;
    auto counted = third->storeChanged().connect([&] { ++changes; });
    third->refreshSourcesIfNecessary();
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(titles(third->events({kDecember, {}})), expected);
    vdir.write(QStringLiteral("e5.ics"), event("e5", "20261207T110000Z"));
    third->refreshSourcesIfNecessary();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(titles(third->events({kDecember, {}})).size(), 5);

    // A corrupt cache is rebuilt silently, and the rebuilt one works.
    counted.cancel();
    first.reset(), second.reset(), third.reset();
    QFile cache(vdir.cacheFile());
    ASSERT_TRUE(cache.open(QIODevice::WriteOnly));
    cache.write(QByteArray(4096, '\x5a'));
    cache.close();
    QFile::remove(vdir.cacheFile() + QStringLiteral("-wal"));
    EXPECT_EQ(vdir.open()->lastLoad().parsed, 5);
    EXPECT_EQ(vdir.open()->lastLoad().fromCache, 5);
}

TEST(VdirCalendarStore, TheUsersOwnAttendeeComesFromTheFolderAddresses) {
    test::TempVdir vdir;
    const char* attendees = "STATUS:CANCELLED\r\n"
                            "ATTENDEE;CN=Ana;PARTSTAT=ACCEPTED:mailto:ana@example.com\r\n"
                            "ATTENDEE;PARTSTAT=DECLINED:MAILTO:Me@Example.com\r\n"
                            "ORGANIZER;CN=Me:mailto:ME@example.com\r\n";
    vdir.write(QStringLiteral("a.ics"), event("a", "20261207T090000Z", attendees));
    // The second configured opening reads the cache: the organiser survives it.
    for (bool configured : {false, true, true}) {
        SCOPED_TRACE(configured);
        auto store =
            vdir.open(configured ? QStringList{QStringLiteral("me@example.com")} : QStringList{});
        const auto events = store->events({kDecember, {}});
        ASSERT_EQ(events.size(), 1u);
        const auto& a = events[0].attendees();
        ASSERT_EQ(a.size(), 2u);
        EXPECT_EQ(a[0].name, QStringLiteral("Ana"));
        EXPECT_EQ(a[0].address, QStringLiteral("ana@example.com"));
        EXPECT_FALSE(a[0].isCurrentUser);
        EXPECT_EQ(a[1].participantStatus, platform::ParticipantStatus::declined);
        EXPECT_EQ(a[1].isCurrentUser, configured);
        EXPECT_EQ(events[0].isOrganizedByCurrentUser(), configured);
        EXPECT_EQ(events[0].status(), platform::EventStatus::canceled);
    }
}

TEST(VdirCalendarStore, RemindersComeFromTodos) {
    test::TempVdir vdir(QStringLiteral("Europe/Berlin"));
    vdir.write(QStringLiteral("kind"), "reminders\n");
    vdir.write(QStringLiteral("t.ics"),
               test::calendarText(
                   "BEGIN:VTODO\r\nUID:day\r\nSUMMARY:Pay rent\r\nDUE;VALUE=DATE:20261207\r\n"
                   "PRIORITY:1\r\nEND:VTODO\r\n"
                   "BEGIN:VTODO\r\nUID:timed\r\nSUMMARY:Call\r\n"
                   "DUE;TZID=America/New_York:20261207T090000\r\nEND:VTODO\r\n"
                   "BEGIN:VTODO\r\nUID:done\r\nSUMMARY:Done\r\nDUE:20261207T090000Z\r\n"
                   "STATUS:COMPLETED\r\nEND:VTODO\r\n"
                   "BEGIN:VTODO\r\nUID:undated\r\nSUMMARY:Someday\r\nEND:VTODO\r\n"));
    auto store = vdir.open();
    ASSERT_EQ(store->calendars(EntityType::reminder).size(), 2u); // with the default list
    const QString list = store->calendars(EntityType::reminder).back().identifier;
    auto due = [&](const char* from, const char* to) {
        QStringList found;
        for (const auto& r : store->incompleteReminders({at(from), at(to), {list}}))
            found << r.title + QLatin1Char(':') + QString::number(r.priority);
        return found;
    };
    // Rent is due at the start of 7 December in Berlin (23:00 UTC on the 6th); the call at
    // 14:00 UTC.
    EXPECT_EQ(due("2026-12-06T22:00:00Z", "2026-12-07T00:00:00Z"),
              QStringList{QStringLiteral("Pay rent:1")});
    EXPECT_EQ(due("2026-12-07T13:00:00Z", "2026-12-07T15:00:00Z"),
              QStringList{QStringLiteral("Call:0")});
    EXPECT_EQ(due("2026-12-01T00:00:00Z", "2026-12-31T00:00:00Z").size(), 2);

    ASSERT_TRUE(store->completeReminder(list + QStringLiteral("/day")));
    EXPECT_EQ(due("2026-12-01T00:00:00Z", "2026-12-31T00:00:00Z"),
              QStringList{QStringLiteral("Call:0")});
    ASSERT_TRUE(store->removeReminder(list + QStringLiteral("/timed")));
    EXPECT_TRUE(due("2026-12-01T00:00:00Z", "2026-12-31T00:00:00Z").isEmpty());
    EXPECT_FALSE(store->removeReminder(list + QStringLiteral("/timed")));
}

TEST(VdirCalendarStore, SavingWritesACompleteFileAndReportsTheChange) {
    test::TempVdir vdir;
    kit::FixedClock clock(at("2026-12-05T10:00:00Z"));
    auto store = vdir.open({}, nullptr, &clock);
    int changes = 0;
    auto subscription = store->storeChanged().connect([&] { ++changes; });
    platform::EventDraft draft;
    draft.title = QStringLiteral("Dentist");
    draft.start = at("2026-12-08T15:00:00Z");
    draft.end = at("2026-12-08T16:00:00Z");
    draft.alarms = {platform::Alarm{kit::Seconds(-900)}};
    const auto id = store->saveEvent(draft);
    ASSERT_TRUE(id) << qPrintable(id.error());
    EXPECT_EQ(changes, 1);
    const auto found = store->eventWithIdentifier(*id);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->title(), QStringLiteral("Dentist"));
    EXPECT_EQ(found->start(), draft.start);
    EXPECT_EQ(found->alarms(), draft.alarms);
    // The default calendar got one complete file and nothing half-written beside it.
    const QString folder = store->defaultCalendarForNewEvents()->source;
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.ics*")}, QDir::Files);
    ASSERT_EQ(files.size(), 1) << qPrintable(files.join(u' '));
    QFile file(folder + QLatin1Char('/') + files.first());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("DTSTAMP:20261205T100000Z"));
    EXPECT_TRUE(text.contains("UID:" + found->calendarItemExternalIdentifier().toUtf8()));
    EXPECT_TRUE(text.contains("TRIGGER:-PT15M"));

    draft.end = draft.start - kit::Seconds(1);
    EXPECT_FALSE(store->saveEvent(draft));
    EXPECT_FALSE(store->saveEvent(
        platform::EventDraft{QStringLiteral("nope"), {}, {}, {}, {}, {}, {}, {}, {}}));
}

// The default store is made on first use; import copies each item into its own file.
TEST(VdirCalendarStore, ImportCopiesEachItemIntoItsOwnFile) {
    test::TempVdir vdir;
    vdir.write(QStringLiteral("displayname"), "Work\n"); // an empty collection
    auto store = vdir.open();
    const auto calendars = store->calendars(EntityType::event);
    ASSERT_EQ(calendars.back().title, QStringLiteral("Work"));
    EXPECT_EQ(calendars.front().title, QStringLiteral("Calendar"));
    EXPECT_EQ(store->defaultCalendarForNewEvents()->identifier, calendars.front().identifier);
    ASSERT_EQ(store->calendars(EntityType::reminder).size(), 1u);
    EXPECT_EQ(store->calendars(EntityType::reminder).front().title, QStringLiteral("Reminders"));
    QTemporaryDir other;
    QFile input(other.path() + QStringLiteral("/in.ics"));
    ASSERT_TRUE(input.open(QIODevice::WriteOnly));
    input.write(test::calendarText(
        "BEGIN:VEVENT\r\nUID:one\r\nDTSTART:20261207T090000Z\r\nSUMMARY:One\r\nRRULE:FREQ=DAILY;"
        "COUNT=2\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:one\r\nRECURRENCE-ID:20261208T090000Z\r\nDTSTART:"
        "20261208T120000Z\r\nSUMMARY:One moved\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:two\r\nDTSTART:20261209T090000Z\r\nSUMMARY:Two\r\nEND:VEVENT\r\n"
        "BEGIN:VTODO\r\nUID:todo\r\nSUMMARY:Todo\r\nDUE:20261209T090000Z\r\nEND:VTODO\r\n"));
    input.close();
    const QString work = calendars.back().identifier;
    const auto counts = store->importFile(input.fileName(), work);
    ASSERT_TRUE(counts) << qPrintable(counts.error());
    EXPECT_EQ(counts->events, 2);
    EXPECT_EQ(counts->reminders, 1);
    EXPECT_EQ(
        titles(store->events({kDecember, {work}})),
        (QStringList{QStringLiteral("One"), QStringLiteral("One moved"), QStringLiteral("Two")}));
    EXPECT_EQ(QDir(vdir.folder()).entryList({QStringLiteral("*.ics")}).size(), 3);
    EXPECT_FALSE(store->importFile(other.path() + QStringLiteral("/missing.ics"), work));
}

TEST(VdirCodec, CacheEntriesOutsideWhatTheParserWritesAreRejected) {
    using namespace platform::vdir;
    const auto weekly = [] {
        ParsedFile f;
        SeriesRecord s;
        s.data = std::make_shared<platform::EventData>();
        s.data->title = QStringLiteral("weekly");
        s.times = {localSeconds(2026, 12, 7, 9, 0, 0), 3600, kUtcZone};
        RecurrenceRule r;
        r.frequency = Frequency::weekly;
        r.weekdays = 0b0000101;
        r.isSimple = true;
        s.rules.push_back(r);
        s.exdates = {localSeconds(2026, 12, 14, 9, 0, 0)};
        f.series.push_back(std::move(s));
        return f;
    };
    struct Row {
        const char* name;
        std::function<void(SeriesRecord&)> spoil;
    };
    const Row rows[] = {
        {"as written", [](SeriesRecord&) {}},
        {"weekly without a weekday", [](SeriesRecord& s) { s.rules[0].weekdays = 0; }},
        {"weekday bit 7", [](SeriesRecord& s) { s.rules[0].weekdays = 0x81; }},
        {"week starting on day 9", [](SeriesRecord& s) { s.rules[0].weekStart = 9; }},
        {"interval 0", [](SeriesRecord& s) { s.rules[0].interval = 0; }},
        {"interval past a short", [](SeriesRecord& s) { s.rules[0].interval = 40000; }},
        {"negative count", [](SeriesRecord& s) { s.rules[0].count = -1; }},
        {"frequency 9", [](SeriesRecord& s) { s.rules[0].frequency = Frequency(9); }},
        {"month day 40", [](SeriesRecord& s) { s.rules[0].monthDays = {40}; }},
        {"ordinal weekday 7", [](SeriesRecord& s) { s.rules[0].ordinalDays = {8 + 7}; }},
        {"start in year 20000",
         [](SeriesRecord& s) { s.times.start = localSeconds(20000, 1, 1, 0, 0, 0); }},
        {"negative duration", [](SeriesRecord& s) { s.times.duration = -1; }},
        {"exdates out of order",
         [](SeriesRecord& s) {
             s.exdates = {s.times.start + 86400, s.times.start};
         }},
    };
    ZoneTable zones;
    StringPool pool;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ParsedFile f = weekly();
        row.spoil(f.series[0]);
        const auto decoded =
            decodeParsedFile(encodeParsedFile(f, zones), QStringLiteral("c"), zones, pool);
        EXPECT_EQ(decoded.has_value(), std::string(row.name) == "as written");
    }
    // A list whose count claims more items than there are bytes allocates nothing.
    QByteArray bytes = encodeParsedFile(weekly(), zones);
    const qsizetype at = bytes.lastIndexOf(QByteArray::fromHex("00000001")); // the EXDATE count
    ASSERT_GT(at, 0);
    bytes.replace(at, 4, QByteArray::fromHex("fffffff0"));
    EXPECT_FALSE(decodeParsedFile(bytes, QStringLiteral("c"), zones, pool));
}

// Far from a transition a wall-clock time takes the one offset around it; within a day of one,
// the rules for skipped and repeated hours apply. Both must agree at the day's edge.
TEST(VdirZones, WallClockTimesAroundTransitions) {
    using namespace platform::vdir;
    ZoneTable zones;
    const auto berlin = zones.zone(QStringLiteral("Europe/Berlin"));
    ASSERT_TRUE(berlin);
    struct Row {
        const char* name;
        LocalSeconds local;
        const char* utc;
    };
    // Clocks go forward on 2026-03-29 and back on 2026-10-25, both at 01:00 UTC.
    const Row rows[] = {
        {"a day and a second before spring", localSeconds(2026, 3, 28, 0, 59, 59),
         "2026-03-27T23:59:59Z"},
        {"a day before spring", localSeconds(2026, 3, 28, 1, 0, 0), "2026-03-28T00:00:00Z"},
        {"in the skipped hour", localSeconds(2026, 3, 29, 2, 30, 0), "2026-03-29T01:30:00Z"},
        {"the first summer time", localSeconds(2026, 3, 29, 3, 0, 0), "2026-03-29T01:00:00Z"},
        {"a second short of a day after spring", localSeconds(2026, 3, 30, 0, 59, 59),
         "2026-03-29T22:59:59Z"},
        {"a day after spring", localSeconds(2026, 3, 30, 1, 0, 0), "2026-03-29T23:00:00Z"},
        {"the day before autumn", localSeconds(2026, 10, 24, 2, 30, 0), "2026-10-24T00:30:00Z"},
        {"in the repeated hour", localSeconds(2026, 10, 25, 2, 30, 0), "2026-10-25T00:30:00Z"},
        {"after the repeated hour", localSeconds(2026, 10, 25, 3, 0, 0), "2026-10-25T02:00:00Z"},
        {"the day after autumn", localSeconds(2026, 10, 26, 2, 30, 0), "2026-10-26T01:30:00Z"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(zones.toUtc(*berlin, row.local) * 1000, kit::msecsSinceEpoch(at(row.utc)));
    }
}
