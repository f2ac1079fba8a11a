// SPDX-License-Identifier: GPL-3.0-or-later
// Sentences in English and German read on Wednesday 9 December 2026, 10:30 in Berlin, with a
// default length of one hour. Spring 2027 skips 02:00-03:00 on 28 March and autumn repeats it
// on 31 October.
#include "quickadd/QuickAdd.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace ruvo;

namespace {

struct Row {
    const char* locale;
    const char* sentence;
    const char* expected; // "title | place | start | end", or the start of the refusal
};

QString localIso(kit::Instant t) {
    return kit::toQDateTime(t).toTimeZone(QTimeZone("Europe/Berlin")).toString(Qt::ISODate);
}

QString outcome(const char* locale, const QString& sentence) {
    const quickadd::QuickAddContext context{
        test::at("2026-12-09T09:30:00Z"),
        {QString::fromLatin1(locale), QStringLiteral("Europe/Berlin")},
        kit::Seconds(3600)};
    const auto read = quickadd::readQuickAdd(sentence, context);
    if (!read)
        return QStringLiteral("error: ") + read.error();
    return QStringList{read->title, read->location, localIso(read->start), localIso(read->end)}
               .join(QStringLiteral(" | ")) +
           (read->isAllDay ? QStringLiteral(" (all day)") : QString());
}

const Row kRows[] = {
    {"en_US", "Lunch with Ana Friday 1pm at Café Central",
     "Lunch with Ana | Café Central | 2026-12-11T13:00:00+01:00 | 2026-12-11T14:00:00+01:00"},
    {"en_US", "Dentist tomorrow 3pm for 30 minutes",
     "Dentist |  | 2026-12-10T15:00:00+01:00 | 2026-12-10T15:30:00+01:00"},
    {"en_US", "Standup next Friday 9-10am",
     "Standup |  | 2026-12-18T09:00:00+01:00 | 2026-12-18T10:00:00+01:00"},
    {"en_US", "Brunch on Sunday 11-1pm",
     "Brunch |  | 2026-12-13T11:00:00+01:00 | 2026-12-13T13:00:00+01:00"},
    {"en_US", "Retro 3 pm - 4:30 pm",
     "Retro |  | 2026-12-09T15:00:00+01:00 | 2026-12-09T16:30:00+01:00"},
    {"en_US", "Holiday party 12/24",
     "Holiday party |  | 2026-12-24T00:00:00+01:00 | 2026-12-25T00:00:00+01:00 (all day)"},
    {"en_US", "Party 5/6",
     "Party |  | 2027-05-06T00:00:00+02:00 | 2027-05-07T00:00:00+02:00 (all day)"},
    {"en_GB", "Party 5/6",
     "Party |  | 2027-06-05T00:00:00+02:00 | 2027-06-06T00:00:00+02:00 (all day)"},
    {"en_US", "Kickoff Dec 3",
     "Kickoff |  | 2027-12-03T00:00:00+01:00 | 2027-12-04T00:00:00+01:00 (all day)"},
    {"en_US", "Lunch Wednesday",
     "Lunch |  | 2026-12-09T00:00:00+01:00 | 2026-12-10T00:00:00+01:00 (all day)"},
    {"en_US", "Conference 3/1/2027 for 3 days",
     "Conference |  | 2027-03-01T00:00:00+01:00 | 2027-03-04T00:00:00+01:00 (all day)"},
    {"en_US", "Call Bob in 2 hours",
     "Call Bob |  | 2026-12-09T12:30:00+01:00 | 2026-12-09T13:30:00+01:00"},
    {"en_US", "Review at noon for 90 minutes in Room 4",
     "Review | Room 4 | 2026-12-09T12:00:00+01:00 | 2026-12-09T13:30:00+01:00"},
    {"en_US", "Party 2027-03-27 23:00-04:00",
     "Party |  | 2027-03-27T23:00:00+01:00 | 2027-03-28T04:00:00+02:00"},
    {"en_US", "Night shift 2027-03-27 22:00 for 6h",
     "Night shift |  | 2027-03-27T22:00:00+01:00 | 2027-03-28T05:00:00+02:00"},
    {"de_DE", "Meeting at 7", "Meeting |  | 2026-12-09T07:00:00+01:00 | 2026-12-09T08:00:00+01:00"},
    {"de_DE", "Zahnarzt am Freitag um 9 für 2 Stunden bei Dr. Weiß",
     "Zahnarzt | Dr. Weiß | 2026-12-11T09:00:00+01:00 | 2026-12-11T11:00:00+01:00"},
    {"de_DE", "Weihnachtsfeier 24.12. 18 Uhr im Ratskeller",
     "Weihnachtsfeier | Ratskeller | 2026-12-24T18:00:00+01:00 | 2026-12-24T19:00:00+01:00"},
    {"de_DE", "Team-Meeting nächsten Montag 15:30",
     "Team-Meeting |  | 2026-12-21T15:30:00+01:00 | 2026-12-21T16:30:00+01:00"},
    {"de_DE", "Sport heute 18-19:30 Uhr",
     "Sport |  | 2026-12-09T18:00:00+01:00 | 2026-12-09T19:30:00+01:00"},
    {"de_DE", "Arzt übermorgen",
     "Arzt |  | 2026-12-11T00:00:00+01:00 | 2026-12-12T00:00:00+01:00 (all day)"},
    {"de_DE", "Essen in 3 Tagen",
     "Essen |  | 2026-12-12T00:00:00+01:00 | 2026-12-13T00:00:00+01:00 (all day)"},
    {"de_DE", "Silvester 31.12. 22 bis 1 Uhr",
     "Silvester |  | 2026-12-31T22:00:00+01:00 | 2027-01-01T01:00:00+01:00"},
    // Refused, with the reason.
    {"en_US", "Flight 2027-03-28 2:30am", "error: 2:30 AM does not exist on 3/28/27"},
    {"de_DE", "Nachtschicht 31.10.2027 2:30 Uhr", "error: 02:30 comes twice on 31.10.27"},
    {"en_US", "Meeting at 7", "error: “at 7” could be morning or evening"},
    {"en_US", "Sync 10:00", "error: “10:00” could be morning or evening"},
    {"en_US", "Yoga tomorrow Friday", "error: Two days: “tomorrow” and “Friday”"},
    {"en_US", "Gym 3pm 5pm", "error: Two times"},
    {"en_US", "Sync 9-10am for 1h", "error: A range and a length"},
    {"en_US", "Trip in 2 hours tomorrow", "error: “in 2 hours” already says when it starts"},
    {"en_US", "Offsite for 2 hours", "error: “for 2 hours” needs a start time"},
    {"de_DE", "Abgabe 31.02.", "error: “31.02.” is not a date"},
    {"en_US", "Standup 25:00", "error: “25:00” is not a time"},
    {"en_US", "tomorrow 3pm", "error: Say what it is"},
    {"en_US", "Retreat for 400 days from tomorrow", "error: “for 400 days” is longer than a year"},
    {"de_DE", "Essen im Adler morgen bei Ana", "error: Two places: “Adler” and “Ana”"},
};

} // namespace

TEST(QuickAddTest, ReadsSentencesAndRefusesWhatIsUnclear) {
    for (const Row& row : kRows) {
        const QString actual = outcome(row.locale, QString::fromUtf8(row.sentence));
        const QString expected = QString::fromUtf8(row.expected);
        if (expected.startsWith(QLatin1String("error: ")))
            EXPECT_TRUE(actual.startsWith(expected))
                << row.sentence << " -> " << qPrintable(actual);
        else
            EXPECT_EQ(actual, expected) << row.sentence;
    }
}

TEST(QuickAddTest, RefusesOverlongSentencesBeforeReading) {
    const QString longest = QStringLiteral("x").repeated(quickadd::kMaxSentenceLength - 9);
    EXPECT_FALSE(outcome("en_US", longest + QStringLiteral(" tomorrow")).startsWith(u"error"));
    EXPECT_TRUE(
        outcome("en_US", longest + QStringLiteral("  tomorrow")).startsWith(u"error: Say it"));
}
