// SPDX-License-Identifier: GPL-3.0-or-later
// Import: only newer versions replace what the calendar holds, one UID stays in one file,
// UIDs never share a file name, read-only calendars are left alone.
#include "VdirTestSupport.h"
#include "kit/AtomicFile.h"

#include <QFileInfo>
#include <array>
#include <gtest/gtest.h>

using namespace ruvo;
using ruvo::test::at;

namespace {

const platform::DateRange kDecember{at("2026-12-01T00:00:00Z"), at("2027-01-01T00:00:00Z")};

QByteArray event(const char* uid, int sequence, const char* stamp, const char* title,
                 const char* extra = "") {
    return QByteArray("BEGIN:VEVENT\r\nUID:") + uid +
           "\r\nSEQUENCE:" + QByteArray::number(sequence) + "\r\nDTSTAMP:" + stamp +
           "\r\nDTSTART:20261207T090000Z\r\nDURATION:PT1H\r\nSUMMARY:" + title + "\r\n" + extra +
           "END:VEVENT\r\n";
}

const char* const kRich = "RRULE:FREQ=WEEKLY;COUNT=3\r\nEXDATE:20261214T090000Z\r\n"
                          "BEGIN:VALARM\r\nTRIGGER:-PT15M\r\nACTION:DISPLAY\r\nEND:VALARM\r\n";
const char* const kJournal =
    "BEGIN:VJOURNAL\r\nUID:j\r\nDTSTAMP:20261101T100000Z\r\nSUMMARY:notes\r\nEND:VJOURNAL\r\n";

QString writeInput(const QTemporaryDir& dir, const QByteArray& components) {
    const QString path = dir.path() + QStringLiteral("/in.ics");
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write the import file");
    f.write(test::calendarText(components.constData()));
    return path;
}

QStringList noteTexts(const platform::ImportReport& report) {
    QStringList texts;
    for (const auto& n : report.notes)
        texts << n.text;
    return texts;
}

} // namespace

TEST(VdirImport, OnlyNewerVersionsReplaceAndEachUidKeepsItsOwnFile) {
    struct Row {
        const char* name;
        std::vector<std::pair<QString, QByteArray>> existing; // file name, components
        QByteArray incoming;
        std::array<int, 4> counts; // written, replaced, .ics files afterwards, shown in December
        QStringList notes;
        std::vector<std::pair<QString, QByteArray>> has; // a file and a line it must hold
    };
    const QByteArray stored = event("inv", 5, "20261101T100000Z", "Team sync", kRich);
    const auto inv = QStringLiteral("inv.ics");
    const Row rows[] = {
        {"an older copy of an invitation",
         {{inv, stored}},
         event("inv", 0, "20261120T100000Z", "Team sync (old)"),
         {0, 0, 1, 2},
         {QStringLiteral("Skipped “Team sync (old)” (UID inv): the calendar has a newer or "
                         "equal version (SEQUENCE 5; the imported copy has 0)")},
         {{inv, "BEGIN:VALARM"}, {inv, "EXDATE:20261214T090000Z"}}},
        {"the same version again",
         {{inv, stored}},
         event("inv", 5, "20261101T100000Z", "Team sync"),
         {0, 0, 1, 2},
         {QStringLiteral("Skipped “Team sync” (UID inv): the calendar has a newer or equal "
                         "version (SEQUENCE 5, DTSTAMP 20261101T100000Z; the imported copy has "
                         "DTSTAMP 20261101T100000Z)")},
         {{inv, "SUMMARY:Team sync\r\n"}}},
        {"the same SEQUENCE stamped earlier",
         {{inv, stored}},
         event("inv", 5, "20261001T100000Z", "Team sync (earlier)"),
         {0, 0, 1, 2},
         {QStringLiteral("Skipped “Team sync (earlier)” (UID inv): the calendar has a newer or "
                         "equal version (SEQUENCE 5, DTSTAMP 20261101T100000Z; the imported copy "
                         "has DTSTAMP 20261001T100000Z)")},
         {{inv, "SUMMARY:Team sync\r\n"}}},
        {"the same SEQUENCE stamped later",
         {{inv, stored}},
         event("inv", 5, "20261102T100000Z", "Team sync (later)"),
         {1, 1, 1, 1},
         {},
         {{inv, "SUMMARY:Team sync (later)\r\n"}}},
        {"a newer SEQUENCE, in a file that also holds a journal",
         {{inv, stored + kJournal}},
         event("inv", 6, "20261001T100000Z", "Team sync (moved)"),
         {1, 1, 1, 1},
         {},
         {{inv, "SUMMARY:Team sync (moved)\r\n"}, {inv, kJournal}}},
        {"the UID held by a file of another name",
         {{QStringLiteral("legacy-42.ics"), stored}},
         event("inv", 7, "20261101T100000Z", "Team sync (v7)"),
         {1, 1, 1, 1},
         {},
         {{QStringLiteral("legacy-42.ics"), "SUMMARY:Team sync (v7)\r\n"}}},
        {"UIDs that read alike once made safe",
         {},
         event("a b", 0, "20261101T100000Z", "space") + event("a_b", 0, "20261101T100000Z", "low") +
             event("a/b", 0, "20261101T100000Z", "slash"),
         {3, 0, 3, 3},
         {},
         {{QStringLiteral("a_b.ics"), "UID:a_b\r\n"}}},
        {"a name taken by another UID",
         {{QStringLiteral("a_b.ics"), event("a_b", 0, "20261101T100000Z", "low")}},
         event("a b", 0, "20261101T100000Z", "space"),
         {1, 0, 2, 2},
         {},
         {{QStringLiteral("a_b.ics"), "SUMMARY:low\r\n"}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::TempVdir vdir;
        vdir.write(QStringLiteral("displayname"), "work\n"); // a calendar even while empty
        for (const auto& [name, components] : row.existing)
            vdir.write(name, test::calendarText(components.constData()));
        auto store = vdir.open();
        const QString work = store->calendars(platform::EntityType::event).back().identifier;
        QTemporaryDir in;
        const auto report = store->importFile(writeInput(in, row.incoming), work);
        ASSERT_TRUE(report) << qPrintable(report.error());
        EXPECT_EQ(noteTexts(*report), row.notes);
        // What the calendar shows: one event per UID, none twice.
        const std::array<int, 4> counts{
            report->events, report->replaced,
            int(QDir(vdir.folder()).entryList({QStringLiteral("*.ics")}).size()),
            int(store->events({kDecember, {work}}).size())};
        EXPECT_EQ(counts, row.counts);
        for (const auto& [name, line] : row.has)
            EXPECT_TRUE(vdir.read(name).contains(line))
                << qPrintable(name) << " lacks " << line.constData();
        if (row.counts[0] == 0) {
            EXPECT_EQ(vdir.read(row.existing[0].first),
                      test::calendarText(row.existing[0].second.constData()));
        }
    }
}

TEST(VdirImport, ReadOnlyCalendarsAndNonCalendarFilesAreRefusedWithoutAWrite) {
    test::TempVdir vdir;
    vdir.write(QStringLiteral("inv.ics"),
               test::calendarText(event("inv", 0, "20261101T100000Z", "old").constData()));
    auto store = vdir.open({}, nullptr, nullptr, true);
    const QString work = store->calendars(platform::EntityType::event).back().identifier;
    QTemporaryDir in;
    const auto refused =
        store->importFile(writeInput(in, event("inv", 9, "20261201T100000Z", "new")), work);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(),
              QStringLiteral("The calendar “work” is read-only; nothing was imported."));
    EXPECT_EQ(QDir(vdir.folder()).entryList({QStringLiteral("*.ics")}),
              QStringList{QStringLiteral("inv.ics")});
    platform::EventDraft draft;
    draft.calendarIdentifier = work;
    draft.start = at("2026-12-07T09:00:00Z");
    draft.end = at("2026-12-07T10:00:00Z");
    const auto saved = store->saveEvent(draft);
    ASSERT_FALSE(saved);
    EXPECT_TRUE(saved.error().contains(QStringLiteral("read-only")));
    QFile notCalendar(in.path() + QStringLiteral("/not.ics"));
    ASSERT_TRUE(notCalendar.open(QIODevice::WriteOnly));
    notCalendar.write("BEGIN:VEVENT\r\nUID:x\r\nEND:VEVENT\r\n");
    notCalendar.close();
    auto writable = test::TempVdir().open();
    EXPECT_FALSE(writable->importFile(notCalendar.fileName(), {}));
}

// The calendar's copy changes between the import's read and its rename: the new copy is
// compared again, and here it is as new as the imported one.
TEST(VdirImport, AVersionWrittenMeanwhileIsComparedAgain) {
    test::TempVdir vdir;
    vdir.write(QStringLiteral("inv.ics"),
               test::calendarText(event("inv", 5, "20261101T100000Z", "v5").constData()));
    auto store = vdir.open();
    const QString work = store->calendars(platform::EntityType::event).back().identifier;
    const QByteArray synced =
        test::calendarText(event("inv", 6, "20261201T100000Z", "v6").constData());
    kit::setBeforeReplaceHook(
        [&](const QString&) { vdir.write(QStringLiteral("inv.ics"), synced); });
    QTemporaryDir in;
    const auto report =
        store->importFile(writeInput(in, event("inv", 6, "20261115T100000Z", "imported")), work);
    kit::setBeforeReplaceHook(nullptr);
    ASSERT_TRUE(report) << qPrintable(report.error());
    EXPECT_EQ(report->events, 0);
    ASSERT_EQ(report->notes.size(), 1u);
    EXPECT_TRUE(
        report->notes[0].text.contains(QStringLiteral("SEQUENCE 6, DTSTAMP 20261201T100000Z")))
        << qPrintable(report->notes[0].text);
    EXPECT_EQ(vdir.read(QStringLiteral("inv.ics")), synced);
}
