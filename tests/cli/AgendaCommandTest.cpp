// SPDX-License-Identifier: GPL-3.0-or-later
// "ruvo agenda" over the fixture folder tests/data/calendars/team and one folder written
// here, at 13:00 on Tuesday 8 December 2026 in Berlin.
#include "cli/AgendaCommand.h"

#include "cli/CommandFixture.h"
#include "cli/EventsCommand.h"

#include <QRegularExpression>

using namespace ruvo;
using ruvo::test::at;

namespace {

class AgendaCommandTest : public test::CommandFixture {
protected:
    AgendaCommandTest() {
        addCalendarFolder(test::dataPath(QStringLiteral("calendars/team")));
        addCalendarFolder(test::dataPath(QStringLiteral("calendars/calls")));
    }

    static QStringList titles(const QJsonArray& items) {
        QStringList list;
        for (const auto& item : items)
            list << item[QLatin1String("title")].toString();
        return list;
    }
};

} // namespace

TEST_F(AgendaCommandTest, JsonHasTheSectionsThePastEventsAndEachRowsTiming) {
    ASSERT_EQ(run(cli::agendaCommand(), words("--json")), cli::kExitOk) << qPrintable(errors);
    const QJsonObject list = json().object();
    const QJsonArray sections = list[QLatin1String("sections")].toArray();
    ASSERT_EQ(sections.size(), 7);
    QStringList days;
    for (const auto& s : sections)
        days << s[QLatin1String("date")].toString() + QLatin1Char(' ') +
                    titles(s[QLatin1String("items")].toArray()).join(QLatin1Char(','));
    EXPECT_EQ(days.join(QLatin1Char('|')),
              QStringLiteral("2026-12-08 Offsite,Sync|2026-12-09 Offsite|2026-12-10 |2026-12-11 "
                             "Standup (late)|2026-12-12 |2026-12-13 |2026-12-14 Standup"));
    EXPECT_EQ(titles(list[QLatin1String("pastEvents")].toArray()),
              QStringList{QStringLiteral("Review")});
    EXPECT_TRUE(list[QLatin1String("overdueReminders")].toArray().isEmpty());

    const QJsonObject sync = sections[0][QLatin1String("items")][1].toObject();
    EXPECT_EQ(sync[QLatin1String("kind")].toString(), QStringLiteral("event"));
    EXPECT_EQ(sync[QLatin1String("start")].toString(), QStringLiteral("2026-12-08T14:00:00+01:00"));
    EXPECT_EQ(sync[QLatin1String("state")].toString(), QStringLiteral("starts"));
    EXPECT_EQ(sync[QLatin1String("relative")].toString(), QStringLiteral("in 1 hour"));
    EXPECT_EQ(sync[QLatin1String("videoCall")][QLatin1String("name")].toString(),
              QStringLiteral("Zoom"));
    EXPECT_EQ(sync[QLatin1String("videoCall")][QLatin1String("url")].toString(),
              QStringLiteral("https://zoom.us/j/123456789"));
    const QJsonObject offsite = sections[0][QLatin1String("items")][0].toObject();
    EXPECT_EQ(offsite[QLatin1String("state")].toString(), QStringLiteral("started"));
    EXPECT_TRUE(offsite[QLatin1String("videoCall")].isNull());
    EXPECT_EQ(list[QLatin1String("pastEvents")][0][QLatin1String("state")].toString(),
              QStringLiteral("ended"));
}

TEST_F(AgendaCommandTest, TextOfAChosenDate) {
    ASSERT_EQ(run(cli::agendaCommand(), words("--date 2026-12-11")), cli::kExitOk);
    const QStringList lines = output.split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0], QStringLiteral("Friday, December 11"));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("  Standup (late) · 11:00")) &&
                lines[1].endsWith(QStringLiteral("· Starts in 3 days")))
        << qPrintable(lines[1]);
    EXPECT_EQ(lines[3], QStringLiteral("  No Events")); // under Saturday
}

// The words of the English list, where a German one must stand: the timing phrases, the
// relative times, the section titles and the join button.
const QRegularExpression kEnglishWords(
    QStringLiteral("\\b(Starts|Started|Ended|ago|now|today|tomorrow|yesterday|All day|minutes?|"
                   "hours?|days?|Join|Past events|No Events|Overdue)\\b"));

TEST_F(AgendaCommandTest, InGermanEveryTimingIsAGermanPhrase) {
    environment.localeId = QStringLiteral("de_DE");
    const test::ScopedTranslations inGerman(QStringLiteral("de_DE"));
    // The rows' German phrases are checked row by row with the list's texts; here, that the
    // locale reaches the command and that the JSON keys stay as scripts know them.
    ASSERT_EQ(run(cli::agendaCommand(), words("--json")), cli::kExitOk);
    const QJsonObject list = json().object();
    EXPECT_EQ(list[QLatin1String("pastEvents")][0][QLatin1String("state")].toString(),
              QStringLiteral("ended"));

    ASSERT_EQ(run(cli::agendaCommand(), {}), cli::kExitOk);
    EXPECT_FALSE(kEnglishWords.match(output).hasMatch()) << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("Sync · 14:00 – 15:00 · Beginnt in 1 Stunde · "
                                               "Zoom beitreten")))
        << qPrintable(output);
    EXPECT_TRUE(output.startsWith(QStringLiteral("Vergangene Termine\n"))) << qPrintable(output);
}
