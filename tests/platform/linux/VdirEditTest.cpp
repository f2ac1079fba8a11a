// SPDX-License-Identifier: GPL-3.0-or-later
#include "VdirTestSupport.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace ruvo;
using platform::RemovalScope;
using ruvo::test::at;

namespace {

const platform::DateRange kAutumn{at("2026-10-01T00:00:00Z"), at("2027-01-01T00:00:00Z")};

} // namespace

TEST(VdirEdit, RemovingOneOccurrenceKeepsTheRestOfTheSeriesAndTheFile) {
    struct Row {
        const char* name;
        QByteArray components;
        const char* occurrence; // occurrenceDate of the one to remove
        const char* exdate;     // the line the file must gain
        QStringList remaining;
    };
    const auto series = [](const char* start, const char* rule, const char* duration) {
        return QByteArray("BEGIN:VEVENT\r\nUID:s\r\n") + start + "\r\nDURATION:" + duration +
               "\r\nRRULE:" + rule +
               "\r\nSUMMARY:s\r\nX-UNKNOWN-TO-US;X-P=1:kept\r\nEND:VEVENT\r\n";
    };
    const QByteArray weeklyUtc = series("DTSTART:20261207T090000Z", "FREQ=WEEKLY;COUNT=3", "PT1H");
    const QByteArray newYork =
        test::kNewYorkZone +
        series("DTSTART;TZID=America/New_York:20261025T090000", "FREQ=WEEKLY;COUNT=3", "PT1H");
    const QByteArray withOverride =
        weeklyUtc + "BEGIN:VEVENT\r\nUID:s\r\nRECURRENCE-ID:20261214T090000Z\r\n"
                    "DTSTART:20261214T150000Z\r\nDURATION:PT1H\r\nSUMMARY:moved\r\nEND:VEVENT\r\n";
    const QByteArray allDay = series("DTSTART;VALUE=DATE:20261207", "FREQ=DAILY;COUNT=3", "P1D");
    const Row rows[] = {
        {"UTC series, middle occurrence",
         weeklyUtc,
         "2026-12-14T09:00:00Z",
         "EXDATE:20261214T090000Z",
         {QStringLiteral("2026-12-07T09:00:00Z/2026-12-07T10:00:00Z"),
          QStringLiteral("2026-12-21T09:00:00Z/2026-12-21T10:00:00Z")}},
        {"New York series, the first occurrence after the DST change",
         newYork,
         "2026-11-01T14:00:00Z",
         "EXDATE;TZID=America/New_York:20261101T090000",
         {QStringLiteral("2026-10-25T13:00:00Z/2026-10-25T14:00:00Z"),
          QStringLiteral("2026-11-08T14:00:00Z/2026-11-08T15:00:00Z")}},
        {"an occurrence next to the override",
         withOverride,
         "2026-12-21T09:00:00Z",
         "EXDATE:20261221T090000Z",
         {QStringLiteral("2026-12-07T09:00:00Z/2026-12-07T10:00:00Z"),
          QStringLiteral("2026-12-14T15:00:00Z/2026-12-14T16:00:00Z@2026-12-14T09:00:00Z")}},
        {"all-day series in Berlin",
         allDay,
         "2026-12-07T23:00:00Z",
         "EXDATE;VALUE=DATE:20261208",
         {QStringLiteral("2026-12-06T23:00:00Z/2026-12-07T23:00:00Z"),
          QStringLiteral("2026-12-08T23:00:00Z/2026-12-09T23:00:00Z")}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const bool berlin = QByteArray(row.name).contains("Berlin");
        test::TempVdir vdir(berlin ? QStringLiteral("Europe/Berlin") : QStringLiteral("UTC"));
        vdir.write(QStringLiteral("s.ics"), test::calendarText(row.components.constData()));
        auto store = vdir.open();
        int changes = 0;
        auto subscription = store->storeChanged().connect([&] { ++changes; });
        const auto before = store->events({kAutumn, {}});
        const platform::Event* target = test::occurrenceAt(before, row.occurrence);
        ASSERT_NE(target, nullptr) << qPrintable(test::describe(before).join(u' '));
        EXPECT_TRUE(target->hasRecurrenceRules());

        const auto removed = store->removeEvent(*target, RemovalScope::thisOccurrence);
        ASSERT_TRUE(removed) << qPrintable(removed.error());
        EXPECT_EQ(changes, 1);
        EXPECT_EQ(test::describe(store->events({kAutumn, {}})), row.remaining);
        const QByteArray text = vdir.read(QStringLiteral("s.ics"));
        EXPECT_TRUE(text.contains(row.exdate)) << text.constData();
        EXPECT_TRUE(text.contains("X-UNKNOWN-TO-US;X-P=1:kept")) << text.constData();
        EXPECT_EQ(text.contains("RECURRENCE-ID:20261214"),
                  row.components.contains("RECURRENCE-ID") &&
                      QByteArray(row.occurrence) != "2026-12-14T09:00:00Z");
    }
}

TEST(VdirEdit, RemovingTheSeriesOrASingleEventRemovesItsFileOnly) {
    struct Row {
        const char* name;
        RemovalScope scope;
        const char* components;
    };
    const Row rows[] = {
        {"series", RemovalScope::wholeSeries,
         "BEGIN:VEVENT\r\nUID:x\r\nDTSTART:20261207T090000Z\r\nRRULE:FREQ=DAILY\r\n"
         "SUMMARY:x\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\nUID:x\r\nRECURRENCE-ID:20261208T090000Z\r\n"
         "DTSTART:20261208T100000Z\r\nSUMMARY:x\r\nEND:VEVENT\r\n"},
        {"single asked for one occurrence", RemovalScope::thisOccurrence,
         "BEGIN:VEVENT\r\nUID:x\r\nDTSTART:20261207T090000Z\r\nSUMMARY:x\r\nEND:VEVENT\r\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::TempVdir vdir;
        vdir.write(QStringLiteral("x.ics"), test::calendarText(row.components));
        vdir.write(QStringLiteral("other.ics"),
                   test::calendarText("BEGIN:VEVENT\r\nUID:other\r\nDTSTART:20261209T090000Z\r\n"
                                      "SUMMARY:other\r\nEND:VEVENT\r\n"));
        auto store = vdir.open();
        const auto events = store->events({kAutumn, {}});
        ASSERT_FALSE(events.empty());
        ASSERT_TRUE(store->removeEvent(events.front(), row.scope));
        EXPECT_FALSE(QFileInfo::exists(vdir.folder() + QStringLiteral("/x.ics")));
        const auto left = store->events({kAutumn, {}});
        ASSERT_EQ(left.size(), 1u);
        EXPECT_EQ(left[0].title(), QStringLiteral("other"));
        // The item is gone: a second attempt is an error, not a crash.
        EXPECT_FALSE(store->removeEvent(events.front(), row.scope));
    }
}

TEST(VdirEdit, ReadOnlyCalendarsRefuseEveryChange) {
    test::TempVdir vdir;
    const QByteArray original = test::calendarText(
        "BEGIN:VEVENT\r\nUID:e\r\nDTSTART:20261207T090000Z\r\nSUMMARY:e\r\nEND:VEVENT\r\n"
        "BEGIN:VTODO\r\nUID:t\r\nSUMMARY:t\r\nDUE:20261207T090000Z\r\nEND:VTODO\r\n");
    vdir.write(QStringLiteral("a.ics"), original);
    auto store = vdir.open({}, nullptr, nullptr, true);
    const auto events = store->events({kAutumn, {}});
    ASSERT_EQ(events.size(), 1u);
    EXPECT_FALSE(store->calendarWithIdentifier(events[0].calendarIdentifier())->isWritable);
    const QString todo = events[0].calendarIdentifier() + QStringLiteral("/t");

    const kit::Result<void> attempts[] = {
        store->removeEvent(events[0], RemovalScope::thisOccurrence),
        store->removeEvent(events[0], RemovalScope::wholeSeries),
        store->setReminderDue(todo, std::nullopt),
        store->setReminderPriority(todo, 1),
        store->completeReminder(todo),
    };
    for (const auto& attempt : attempts) {
        ASSERT_FALSE(attempt);
        EXPECT_TRUE(attempt.error().contains(QStringLiteral("read-only")))
            << qPrintable(attempt.error());
    }
    EXPECT_EQ(vdir.read(QStringLiteral("a.ics")), original);
}

TEST(VdirEdit, RetimingAndPrioritisingARemindersKeepsItsOtherProperties) {
    using platform::DueDate;
    struct Row {
        const char* name;
        std::optional<DueDate> due;
        int priority;
        const char* dueLine; // nullptr: no DUE left
        const char* priorityLine;
    };
    const Row rows[] = {
        {"time in Berlin",
         DueDate{QDate(2026, 12, 9), QTime(14, 0), QStringLiteral("Europe/Berlin")}, 1,
         "DUE;TZID=Europe/Berlin:20261209T140000", "PRIORITY:1"},
        {"day without a time", DueDate{QDate(2026, 12, 10), std::nullopt, {}}, 5,
         "DUE;VALUE=DATE:20261210", "PRIORITY:5"},
        {"UTC", DueDate{QDate(2026, 12, 11), QTime(8, 30), QStringLiteral("UTC")}, 9,
         "DUE:20261211T083000Z", "PRIORITY:9"},
        {"no due date, no priority", std::nullopt, 0, nullptr, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::TempVdir vdir;
        vdir.write(
            QStringLiteral("t.ics"),
            test::calendarText("BEGIN:VTODO\r\nUID:t\r\nSUMMARY:t\r\nDUE:20261207T090000Z\r\n"
                               "PRIORITY:3\r\nX-APPLE-SORT-ORDER:7\r\nCATEGORIES:home\r\n"
                               "END:VTODO\r\n"));
        kit::FixedClock clock(at("2026-12-05T10:00:00Z"));
        auto store = vdir.open({}, nullptr, &clock);
        // The default list comes first, the test folder's last.
        const auto lists = store->calendars(platform::EntityType::reminder);
        ASSERT_EQ(lists.back().source, QFileInfo(vdir.folder()).absoluteFilePath());
        const QString id = lists.back().identifier + QStringLiteral("/t");
        ASSERT_TRUE(store->setReminderDue(id, row.due));
        ASSERT_TRUE(store->setReminderPriority(id, row.priority));

        const QByteArray text = vdir.read(QStringLiteral("t.ics"));
        EXPECT_EQ(text.count("DUE"), row.dueLine ? 1 : 0) << text.constData();
        EXPECT_EQ(text.count("PRIORITY"), row.priorityLine ? 1 : 0);
        for (const char* line : {row.dueLine, row.priorityLine, "X-APPLE-SORT-ORDER:7",
                                 "CATEGORIES:home", "LAST-MODIFIED:20261205T100000Z"})
            EXPECT_TRUE(!line || text.contains(line)) << line << '\n' << text.constData();
        const auto due = store->incompleteReminders({std::nullopt, at("2030-01-01T00:00:00Z"), {}});
        ASSERT_EQ(due.size(), row.due ? 1u : 0u); // a reminder without a due date is not listed
        if (row.due) {
            EXPECT_EQ(due[0].due, row.due);
            EXPECT_EQ(due[0].priority, row.priority);
        }
    }
    EXPECT_FALSE(test::TempVdir().open()->setReminderDue(QStringLiteral("nobody/t"), std::nullopt));
}

// Deleting the last event of a file that is a symlink, or that holds a journal; an
// occurrence that is not one; completing twice.
TEST(VdirEdit, DeletesKeepWhatIsNotTheirsAndFailWhenNothingMatches) {
    const QByteArray single = "BEGIN:VEVENT\r\nUID:e\r\nDTSTAMP:20261101T100000Z\r\n"
                              "DTSTART:20261207T090000Z\r\nSUMMARY:e\r\nEND:VEVENT\r\n";
    const QByteArray journal = "BEGIN:VJOURNAL\r\nUID:j\r\nDTSTAMP:20261101T100000Z\r\n"
                               "SUMMARY:minutes\r\nEND:VJOURNAL\r\n";
    struct Row {
        const char* name;
        QByteArray components;
        const char* linkTo; // the item is a symlink to this file (relative to the test root)
        bool isFileKept;
        bool isTargetKept;
    };
    const Row rows[] = {
        {"a plain file", single, nullptr, false, false},
        {"a file that also holds a journal", single + journal, nullptr, true, false},
        {"a symlink to a file outside the calendar", single, "elsewhere/e.ics", false, true},
        {"a symlink to a hidden file beside it", single, "vdir/work/.e.ics", false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::TempVdir vdir;
        const QString item = vdir.folder() + QStringLiteral("/e.ics");
        const QString target =
            row.linkTo ? vdir.root() + QLatin1Char('/') + QLatin1String(row.linkTo) : item;
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile f(target);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(test::calendarText(row.components.constData()));
        f.close();
        if (row.linkTo) {
            ASSERT_TRUE(QFile::link(target, item));
        }
        auto store = vdir.open();
        const auto events = store->events({kAutumn, {}});
        ASSERT_EQ(events.size(), 1u);
        ASSERT_TRUE(store->removeEvent(events[0], RemovalScope::wholeSeries));
        EXPECT_EQ(QFileInfo::exists(item) || QFileInfo(item).isSymLink(), row.isFileKept);
        EXPECT_EQ(QFileInfo::exists(target), row.isFileKept || row.isTargetKept);
        if (row.isFileKept) {
            EXPECT_EQ(vdir.read(QStringLiteral("e.ics")), test::calendarText(journal));
        }
        if (row.isTargetKept) {
            QFile kept(target);
            ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
            EXPECT_EQ(kept.readAll(), test::calendarText(row.components.constData()));
        }
        EXPECT_TRUE(store->events({kAutumn, {}}).empty());
    }

    // An occurrence removed already is not one any more: the second attempt fails.
    test::TempVdir vdir;
    vdir.write(QStringLiteral("s.ics"),
               test::calendarText("BEGIN:VEVENT\r\nUID:s\r\nDTSTART:20261207T090000Z\r\n"
                                  "RRULE:FREQ=DAILY;COUNT=3\r\nSUMMARY:s\r\nEND:VEVENT\r\n"
                                  "BEGIN:VTODO\r\nUID:t\r\nSUMMARY:t\r\nEND:VTODO\r\n"));
    kit::FixedClock clock(at("2026-12-05T10:00:00Z"));
    auto store = vdir.open({}, nullptr, &clock);
    const auto events = store->events({kAutumn, {}});
    ASSERT_EQ(events.size(), 3u);
    ASSERT_TRUE(store->removeEvent(events[1], RemovalScope::thisOccurrence));
    const QByteArray once = vdir.read(QStringLiteral("s.ics"));
    EXPECT_EQ(once.count("EXDATE"), 1);
    const auto again = store->removeEvent(events[1], RemovalScope::thisOccurrence);
    ASSERT_FALSE(again);
    EXPECT_TRUE(again.error().contains(QStringLiteral("no occurrence")))
        << qPrintable(again.error());
    EXPECT_EQ(vdir.read(QStringLiteral("s.ics")), once);

    // Completing twice leaves one COMPLETED, with the first completion's time.
    const QString todo = events[0].calendarIdentifier() + QStringLiteral("/t");
    ASSERT_TRUE(store->completeReminder(todo));
    const QByteArray completed = vdir.read(QStringLiteral("s.ics"));
    EXPECT_EQ(completed.count("COMPLETED:20261205T100000Z"), 1) << completed.constData();
    kit::FixedClock nextDay(at("2026-12-06T10:00:00Z"));
    ASSERT_TRUE(vdir.open({}, nullptr, &nextDay)->completeReminder(todo));
    EXPECT_EQ(vdir.read(QStringLiteral("s.ics")), completed);
}
