// SPDX-License-Identifier: GPL-3.0-or-later
// Edits change only their own lines, byte for byte, in files with CRLF or LF line ends; an
// edit never overwrites a version another program wrote meanwhile.
#include "VdirTestSupport.h"
#include "kit/AtomicFile.h"
#include "platform/linux/VdirContentLines.h"

#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>

using namespace ruvo;
using platform::RemovalScope;
using platform::vdir::VdirCalendarStore;
using ruvo::test::at;

namespace {

const platform::DateRange kDecember{at("2026-12-01T00:00:00Z"), at("2027-01-01T00:00:00Z")};
const char* const kNow = "20261205T100000Z";

QByteArray fixture() {
    QFile f(test::dataPath(QStringLiteral("vdir/tricky.ics")));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing fixture vdir/tricky.ics");
    return f.readAll();
}

// The fixture as a sync tool rewrote it for the `n`th time (each version a different size:
// two writes within one tick of the file system's clock differ in nothing else).
QByteArray fixtureWithNote(int n) {
    return fixture().replace("X-WR-CALNAME;X-ORIGIN=server:Team\n",
                             "X-WR-CALNAME;X-ORIGIN=server:Team\nX-SYNC-NOTE:" +
                                 QByteArray::number(n) + ' ' + QByteArray(n, '+') + '\n');
}

// The fixture's component that starts with `firstLines`, through its END line.
QByteArray block(const QByteArray& text, const QByteArray& firstLines, const QByteArray& end) {
    const qsizetype from = text.indexOf(firstLines);
    const qsizetype to = text.indexOf(end, from) + end.size();
    if (from < 0 || to < from)
        qFatal("no such block in the fixture");
    return text.mid(from, to - from);
}

using Edit = std::function<kit::Result<void>(VdirCalendarStore&, const QString& todo)>;

kit::Result<void> removeOccurrence(VdirCalendarStore& store, const char* iso, RemovalScope scope) {
    const auto events = store.events({kDecember, {}});
    const platform::Event* e = test::occurrenceAt(events, iso);
    if (!e)
        return kit::fail(QStringLiteral("no occurrence at %1").arg(QLatin1String(iso)));
    return store.removeEvent(*e, scope);
}

struct EditRow {
    const char* name;
    Edit edit;
    // What the edit must make of the fixture: each `from` (unique in it) becomes `to`.
    std::vector<std::pair<QByteArray, QByteArray>> changes;
};

std::vector<EditRow> editRows() {
    const QByteArray f = fixture();
    const QByteArray now = kNow;
    const QByteArray masterStamps = "DTSTAMP:20261101T100001Z\nLAST-MODIFIED:20261101T100001Z\n"
                                    "SEQUENCE:5\n";
    const QByteArray touchedMaster = "DTSTAMP:" + now + "\nLAST-MODIFIED:" + now + "\nSEQUENCE:6\n";
    const QByteArray moved = block(
        f, "BEGIN:VEVENT\nUID:planning@example.com\nDTSTAMP:20261101T100002Z", "END:VEVENT\n");
    const QByteArray master = block(
        f, "BEGIN:VEVENT\nUID:planning@example.com\nDTSTAMP:20261101T100001Z", "END:VEVENT\n");
    const QByteArray todo = block(f, "BEGIN:VTODO\n", "END:VTODO\n");
    return {
        {"remove one occurrence",
         [](VdirCalendarStore& s, const QString&) {
             return removeOccurrence(s, "2026-12-21T14:00:00Z", RemovalScope::thisOccurrence);
         },
         {{masterStamps, touchedMaster},
          {"BEGIN:VALARM\n", "EXDATE;TZID=America/New_York:20261221T090000\nBEGIN:VALARM\n"}}},
        {"remove the moved occurrence",
         [](VdirCalendarStore& s, const QString&) {
             return removeOccurrence(s, "2026-12-14T14:00:00Z", RemovalScope::thisOccurrence);
         },
         {{masterStamps, touchedMaster},
          {"BEGIN:VALARM\n", "EXDATE;TZID=America/New_York:20261214T090000\nBEGIN:VALARM\n"},
          {moved, ""}}},
        {"remove the series",
         [](VdirCalendarStore& s, const QString&) {
             return removeOccurrence(s, "2026-12-07T14:00:00Z", RemovalScope::wholeSeries);
         },
         {{master, ""}, {moved, ""}}},
        {"complete the reminder",
         [](VdirCalendarStore& s, const QString& id) { return s.completeReminder(id); },
         {{"DTSTAMP:20261101T100004Z\nSEQUENCE:2\n", "DTSTAMP:" + now + "\nSEQUENCE:3\n"},
          {"STATUS:NEEDS-ACTION\nPERCENT-COMPLETE:40\n",
           "STATUS:COMPLETED\nPERCENT-COMPLETE:100\nCOMPLETED:" + now + "\nLAST-MODIFIED:" + now +
               "\n"}}},
        {"remove the reminder",
         [](VdirCalendarStore& s, const QString& id) { return s.removeReminder(id); },
         {{todo, ""}}},
        {"re-time the reminder",
         [](VdirCalendarStore& s, const QString& id) {
             return s.setReminderDue(id, platform::DueDate{QDate(2026, 12, 9), QTime(14, 0),
                                                           QStringLiteral("Europe/Berlin")});
         },
         {{"DTSTAMP:20261101T100004Z\nSEQUENCE:2\n", "DTSTAMP:" + now + "\nSEQUENCE:3\n"},
          {"DUE;TZID=America/New_York:20261206T170000\n",
           "DUE;TZID=Europe/Berlin:20261209T140000\n"},
          {"PERCENT-COMPLETE:40\n", "PERCENT-COMPLETE:40\nLAST-MODIFIED:" + now + "\n"}}},
        {"prioritise the reminder",
         [](VdirCalendarStore& s, const QString& id) { return s.setReminderPriority(id, 1); },
         {{"DTSTAMP:20261101T100004Z\n", "DTSTAMP:" + now + "\n"},
          {"PRIORITY:5\n", "PRIORITY:1\n"},
          {"PERCENT-COMPLETE:40\n", "PERCENT-COMPLETE:40\nLAST-MODIFIED:" + now + "\n"}}},
    };
}

QByteArray withCrlf(QByteArray text) {
    return text.replace("\n", "\r\n");
}

// Restores the hook however a test ends.
struct HookGuard {
    ~HookGuard() { kit::setBeforeReplaceHook(nullptr); }
};

} // namespace

TEST(VdirRoundTrip, EachEditChangesOnlyItsOwnLinesByteForByte) {
    for (const bool crlf : {false, true}) {
        for (const EditRow& row : editRows()) {
            SCOPED_TRACE(std::string(row.name) + (crlf ? " (CRLF)" : " (LF)"));
            test::TempVdir vdir(QStringLiteral("America/New_York"));
            const QByteArray original = crlf ? withCrlf(fixture()) : fixture();
            vdir.write(QStringLiteral("tricky.ics"), original);
            kit::FixedClock clock(at("2026-12-05T10:00:00Z"));
            auto store = vdir.open({}, nullptr, &clock);
            const QString todo = store->calendars(platform::EntityType::event).back().identifier +
                                 QStringLiteral("/prepare@example.com");

            const auto done = row.edit(*store, todo);
            ASSERT_TRUE(done) << qPrintable(done.error());
            QByteArray expected = fixture();
            for (const auto& [from, to] : row.changes) {
                ASSERT_EQ(expected.count(from), 1) << from.constData();
                expected.replace(from, to);
            }
            const QByteArray text = vdir.read(QStringLiteral("tricky.ics"));
            EXPECT_EQ(text, crlf ? withCrlf(expected) : expected);
        }
    }
}

// A sync tool writes a new version between the edit's read and its rename: once, and the
// edit is made again on that version; every time, and the edit is refused.
TEST(VdirRoundTrip, AnotherProgramsWriteBetweenReadAndRenameIsNeverLost) {
    HookGuard guard;
    for (const int syncWrites : {1, 100}) {
        for (const EditRow& row : editRows()) {
            SCOPED_TRACE(std::string(row.name) + (syncWrites == 1 ? ", one sync" : ", syncs"));
            test::TempVdir vdir(QStringLiteral("America/New_York"));
            vdir.write(QStringLiteral("tricky.ics"), fixture());
            kit::FixedClock clock(at("2026-12-05T10:00:00Z"));
            auto store = vdir.open({}, nullptr, &clock);
            const QString todo = store->calendars(platform::EntityType::event).back().identifier +
                                 QStringLiteral("/prepare@example.com");
            int writes = 0;
            kit::setBeforeReplaceHook([&](const QString& target) {
                if (writes >= syncWrites)
                    return;
                ++writes;
                vdir.write(QFileInfo(target).fileName(), fixtureWithNote(writes));
            });
            const auto done = row.edit(*store, todo);
            kit::setBeforeReplaceHook(nullptr);
            const QByteArray text = vdir.read(QStringLiteral("tricky.ics"));
            if (syncWrites == 1) {
                ASSERT_TRUE(done) << qPrintable(done.error());
                EXPECT_TRUE(text.contains("X-SYNC-NOTE:1 +\n")) << text.constData();
                QByteArray expected = fixtureWithNote(1);
                for (const auto& [from, to] : row.changes)
                    expected.replace(from, to);
                EXPECT_EQ(text, expected);
            } else {
                ASSERT_FALSE(done);
                EXPECT_TRUE(done.error().contains(QStringLiteral("changed by another program")))
                    << qPrintable(done.error());
                EXPECT_EQ(text, fixtureWithNote(writes));
            }
        }
    }
}

TEST(VdirRoundTrip, NewLinesAreFoldedAt75OctetsWithoutSplittingCharacters) {
    const QByteArray zone = QByteArray("Région/") + QByteArray(60, 'x') + "–Zürich"; // not a zone
    for (const QByteArray& lineBreak : {QByteArray("\r\n"), QByteArray("\n")}) {
        platform::vdir::ContentLines lines("BEGIN:VTODO" + lineBreak + "UID:t" + lineBreak +
                                           "END:VTODO" + lineBreak);
        const QByteArray logical = "DUE;TZID=" + zone + ":20261209T140000";
        auto todo = lines.children().front();
        todo = lines.setProperty(todo, logical);
        const QByteArray text = lines.text();
        for (const QByteArray& physical : text.split('\n')) {
            const QByteArray line = physical.endsWith('\r') ? physical.chopped(1) : physical;
            EXPECT_LE(line.size(), 75);
            EXPECT_TRUE(QString::fromUtf8(line).toUtf8() == line) << line.constData();
        }
        EXPECT_EQ(lines.logical(todo.end - 1), logical);
        EXPECT_EQ(text.count(lineBreak), text.count('\n'));
    }
}
