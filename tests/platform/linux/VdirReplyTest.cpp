// SPDX-License-Identifier: GPL-3.0-or-later
#include "VdirTestSupport.h"
#include "platform/linux/VdirContentLines.h"

#include <gtest/gtest.h>
#include <libical/ical.h>

using namespace ruvo;
using platform::ParticipantStatus;
using ruvo::test::at;

namespace {

const platform::DateRange kAutumn{at("2026-10-01T00:00:00Z"), at("2027-01-01T00:00:00Z")};
const QString kMe = QStringLiteral("me@example.org");

// The user's status in each occurrence, "start=STATUS", as the store reads the file back.
QStringList statuses(const platform::CalendarStore& store) {
    QStringList list;
    for (const auto& e : store.events({kAutumn, {}}))
        for (const auto& a : e.attendees())
            if (a.isCurrentUser)
                list << kit::formatIsoUtc(e.start()) + QLatin1Char('=') +
                            QString::number(int(a.participantStatus));
    return list;
}

// The lines of `before` an answer may change: the user's attendee and the stamps.
bool mayChange(const QByteArray& line) {
    const QByteArray name = platform::vdir::propertyName(line);
    return name == "DTSTAMP" || name == "LAST-MODIFIED" ||
           (name == "ATTENDEE" && line.toLower().contains("me@example.org"));
}

int parseErrors(const QByteArray& text) {
    icalcomponent* root = icalparser_parse_string(text.constData());
    if (!root)
        return -1;
    int count = 0;
    for (icalcomponent* c = icalcomponent_get_first_component(root, ICAL_VEVENT_COMPONENT); c;
         c = icalcomponent_get_next_component(root, ICAL_VEVENT_COMPONENT))
        count += icalcomponent_count_properties(c, ICAL_XLICERROR_PROPERTY);
    icalcomponent_free(root);
    return count;
}

} // namespace

TEST(VdirReply, AnswersChangeOnlyTheUsersPartstat) {
    struct Row {
        const char* name;
        QByteArray components;
        const char* occurrence; // nullptr: the whole event
        ParticipantStatus status;
        const char* attendeeLine; // the user's line afterwards, unfolded; nullptr: refused
        QStringList statuses;     // per occurrence afterwards (2 pending, 2 accepted, ...)
    };
    const QByteArray other =
        "ATTENDEE;CN=Boss;PARTSTAT=ACCEPTED:mailto:boss@example.org\r\n"
        "X-UNKNOWN-TO-US;X-P=\"a:b\":kept\r\nSEQUENCE:4\r\nDTSTAMP:20261101T000000Z\r\n";
    const QByteArray single =
        "BEGIN:VEVENT\r\nUID:s\r\nDTSTART:20261207T090000Z\r\nDTEND:20261207T100000Z\r\n"
        "SUMMARY:A long title that is folded by the sender at a place of its own ch\r\n"
        " oosing\r\nATTENDEE;CN=Me;PARTSTAT=NEEDS-ACTION;RSVP=TRUE:MAILTO:Me@Example.org\r\n" +
        other + "END:VEVENT\r\n";
    const QByteArray quoted = "BEGIN:VEVENT\r\nUID:s\r\nDTSTART:20261207T090000Z\r\n"
                              "ATTENDEE;CN=\"Me, my: self\":mailto:me@example.org\r\n" +
                              other + "END:VEVENT\r\n";
    const QByteArray series =
        QByteArray(test::kNewYorkZone) +
        "BEGIN:VEVENT\r\nUID:s\r\nDTSTART;TZID=America/New_York:20261025T090000\r\n"
        "DTEND;TZID=America/New_York:20261025T093000\r\nRRULE:FREQ=WEEKLY;COUNT=3\r\n"
        "EXDATE;TZID=America/New_York:20261018T090000\r\nSUMMARY:weekly\r\n"
        "ATTENDEE;PARTSTAT=NEEDS-ACTION:mailto:me@example.org\r\n" +
        other + "END:VEVENT\r\n";
    const QByteArray withOverride =
        series +
        "BEGIN:VEVENT\r\nUID:s\r\nRECURRENCE-ID;TZID=America/New_York:20261101T090000\r\n"
        "DTSTART;TZID=America/New_York:20261101T110000\r\nDURATION:PT30M\r\n"
        "ATTENDEE;PARTSTAT=NEEDS-ACTION:mailto:me@example.org\r\n" +
        other + "END:VEVENT\r\n";
    const QStringList pendingSeries{QStringLiteral("2026-10-25T13:00:00Z=1"),
                                    QStringLiteral("2026-11-01T14:00:00Z=1"),
                                    QStringLiteral("2026-11-08T14:00:00Z=1")};
    const Row rows[] = {
        {"single, address in another case",
         single,
         nullptr,
         ParticipantStatus::accepted,
         "ATTENDEE;CN=Me;PARTSTAT=ACCEPTED;RSVP=TRUE:MAILTO:Me@Example.org",
         {QStringLiteral("2026-12-07T09:00:00Z=2")}},
        {"single without PARTSTAT, a quoted name with a comma and a colon",
         quoted,
         "2026-12-07T09:00:00Z",
         ParticipantStatus::declined,
         "ATTENDEE;CN=\"Me, my: self\";PARTSTAT=DECLINED:mailto:me@example.org",
         {QStringLiteral("2026-12-07T09:00:00Z=3")}},
        {"one occurrence of a series, after the DST change: a new override",
         series,
         "2026-11-01T14:00:00Z",
         ParticipantStatus::tentative,
         "ATTENDEE;PARTSTAT=TENTATIVE:mailto:me@example.org",
         {QStringLiteral("2026-10-25T13:00:00Z=1"), QStringLiteral("2026-11-01T14:00:00Z=4"),
          QStringLiteral("2026-11-08T14:00:00Z=1")}},
        {"the overridden occurrence: its override only",
         withOverride,
         "2026-11-01T14:00:00Z",
         ParticipantStatus::accepted,
         "ATTENDEE;PARTSTAT=ACCEPTED:mailto:me@example.org",
         {QStringLiteral("2026-10-25T13:00:00Z=1"), QStringLiteral("2026-11-01T16:00:00Z=2"),
          QStringLiteral("2026-11-08T14:00:00Z=1")}},
        {"the whole series: its override too",
         withOverride,
         nullptr,
         ParticipantStatus::declined,
         "ATTENDEE;PARTSTAT=DECLINED:mailto:me@example.org",
         {}},
        {"an occurrence the series does not have", series, "2026-11-02T14:00:00Z",
         ParticipantStatus::accepted, nullptr, pendingSeries},
        {"an excluded occurrence", series, "2026-10-18T13:00:00Z", ParticipantStatus::accepted,
         nullptr, pendingSeries},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::TempVdir vdir;
        const QByteArray before = test::calendarText(row.components.constData());
        vdir.write(QStringLiteral("s.ics"), before);
        auto store = vdir.open({kMe});
        std::optional<kit::Instant> occurrence;
        if (row.occurrence)
            occurrence = at(row.occurrence);

        const auto done = store->reply(
            store->calendars(platform::EntityType::event).back().identifier + QStringLiteral("/s"),
            occurrence, row.status);
        const QByteArray after = vdir.read(QStringLiteral("s.ics"));
        if (!row.attendeeLine) {
            EXPECT_FALSE(done);
            EXPECT_EQ(after, before);
            EXPECT_EQ(statuses(*store), row.statuses);
            continue;
        }
        ASSERT_TRUE(done) << qPrintable(done.error());
        EXPECT_EQ(parseErrors(after), 0);
        platform::vdir::ContentLines lines(after);
        int answered = 0;
        QList<QByteArray> kept;
        for (int i = 0; i < lines.lineCount(); ++i) {
            answered += lines.logical(i) == row.attendeeLine ? 1 : 0;
            if (!mayChange(lines.logical(i)))
                kept << lines.rawLines(i, i);
        }
        EXPECT_GE(answered, 1) << after.constData();
        EXPECT_FALSE(after.contains("SEQUENCE:5")) << "an attendee does not move SEQUENCE";
        // Every line the answer is not about stays, byte for byte and in order.
        platform::vdir::ContentLines old(before);
        qsizetype at = 0;
        for (int i = 0; i < old.lineCount(); ++i) {
            if (mayChange(old.logical(i)))
                continue;
            at = after.indexOf(old.rawLines(i, i), at);
            ASSERT_GE(at, 0) << old.logical(i).constData();
        }
        if (!row.statuses.isEmpty())
            EXPECT_EQ(statuses(*store), row.statuses) << after.constData();
        else
            EXPECT_EQ(after.count("PARTSTAT=DECLINED"), 2) << after.constData();
    }
}

TEST(VdirReply, RefusesReadOnlyCalendarsAndCalendarsWithoutTheUsersAddress) {
    const QByteArray text = test::calendarText(
        "BEGIN:VEVENT\r\nUID:s\r\nDTSTART:20261207T090000Z\r\n"
        "ATTENDEE;PARTSTAT=NEEDS-ACTION:mailto:me@example.org\r\nEND:VEVENT\r\n");
    struct Row {
        QStringList emails;
        bool isReadOnly;
    };
    for (const Row& row :
         {Row{{}, false}, Row{{QStringLiteral("other@example.org")}, false}, Row{{kMe}, true}}) {
        test::TempVdir vdir;
        vdir.write(QStringLiteral("s.ics"), text);
        auto store = vdir.open(row.emails, nullptr, nullptr, row.isReadOnly);
        const QString id =
            store->calendars(platform::EntityType::event).back().identifier + QStringLiteral("/s");
        EXPECT_FALSE(store->reply(id, std::nullopt, ParticipantStatus::accepted));
        EXPECT_EQ(vdir.read(QStringLiteral("s.ics")), text);
    }
}
