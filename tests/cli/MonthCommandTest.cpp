// SPDX-License-Identifier: GPL-3.0-or-later
// `ruvo month` against the fixture folder tests/data/calendars/team.
#include "cli/MonthCommand.h"

#include "cli/CommandFixture.h"
#include "cli/EventsCommand.h"
#include "settings/Keys.h"

using namespace ruvo;
using ruvo::test::at;
namespace keys = settings::keys;

namespace {

using MonthCommandTest = test::CommandFixture;

QJsonObject dayOf(const QJsonObject& month, const QString& date) {
    for (const auto& row : month[QLatin1String("rows")].toArray())
        for (const auto& day : row[QLatin1String("days")].toArray())
            if (day[QLatin1String("date")].toString() == date)
                return day.toObject();
    return {};
}

} // namespace

TEST_F(MonthCommandTest, PrintsTheGridWithTodayHighlightsAndDots) {
    ASSERT_EQ(run(cli::calendarsCommand(),
                  {QStringLiteral("add"), test::dataPath(QStringLiteral("calendars/team"))}),
              cli::kExitOk)
        << qPrintable(errors);
    defaults.set(keys::indicateEventsInCalendar, settings::EventIndicatorsInCalendar::maxThree);
    defaults.set(keys::highlightedDaysInCalendar,
                 settings::DayOfWeekSet{settings::DayOfWeek::sunday});
    ASSERT_EQ(run(cli::monthCommand(), words("--json")), cli::kExitOk) << qPrintable(errors);
    const QJsonObject month = json().object();
    EXPECT_EQ(month[QLatin1String("title")].toString(), QStringLiteral("December 2026"));
    EXPECT_EQ(month[QLatin1String("weekdays")].toArray().size(), 7);
    const auto rows = month[QLatin1String("rows")].toArray();
    ASSERT_EQ(rows.size(), 6);
    EXPECT_EQ(rows[0][QLatin1String("week")].toInt(), 49);

    // One day per field; which days get dots is DotsTest's table, the series' exceptions
    // VdirRecurrenceTest's.
    const QString purple = QStringLiteral("#8e44ad");
    const struct {
        const char* date;
        bool inMonth, today, highlighted;
        QStringList dots;
    } days[] = {
        {"2026-11-29", false, false, true, {}},      // a Sunday of November
        {"2026-12-08", true, true, false, {purple}}, // offsite, first day
        {"2026-12-10", true, false, false, {}},      // the all-day event has ended
    };
    for (const auto& row : days) {
        SCOPED_TRACE(row.date);
        const QJsonObject day = dayOf(month, QString::fromLatin1(row.date));
        EXPECT_EQ(day[QLatin1String("inMonth")].toBool(), row.inMonth);
        EXPECT_EQ(day[QLatin1String("today")].toBool(), row.today);
        EXPECT_EQ(day[QLatin1String("selected")].toBool(), row.today);
        EXPECT_EQ(day[QLatin1String("highlighted")].toBool(), row.highlighted);
        QStringList dots;
        for (const auto& d : day[QLatin1String("dots")].toArray())
            dots << d.toString();
        EXPECT_EQ(dots, row.dots);
    }

    ASSERT_EQ(run(cli::monthCommand(), {QStringLiteral("2027-02")}), cli::kExitOk);
    EXPECT_TRUE(output.contains(QStringLiteral("February 2027"))) << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral(" 1* "))) << qPrintable(output); // a Monday
    const QString grid = output.left(output.indexOf(QStringLiteral("(*")));
    EXPECT_FALSE(grid.contains(QLatin1Char('['))) << qPrintable(output); // today is elsewhere
}
