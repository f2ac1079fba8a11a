// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/DateCalculator.h"

#include "TestSupport.h"
#include "calculators/CalculatorText.h"

#include <gtest/gtest.h>

namespace ruvo::calculators {
namespace {

QDate day(const char* iso) {
    return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate);
}

TEST(DateCalculatorTest, IntervalsCountDaysWeeksMonthsAndWorkingDays) {
    struct Row {
        const char *first, *second;
        qint64 days, weeks, months, workingDays;
    };
    const Row rows[] = {
        {"2024-01-01", "2024-03-31", 90, 12, 2, 65},    // Monday start, a Monday-Saturday tail
        {"2024-01-31", "2024-02-29", 29, 4, 1, 21},     // the 31st to a leap February's end
        {"2023-01-31", "2023-02-28", 28, 4, 1, 20},     // ... and a common year's
        {"2023-01-30", "2023-02-27", 28, 4, 0, 20},     // one day short of a month
        {"2024-02-29", "2025-02-28", 365, 52, 12, 261}, // leap day to the next February's end
        {"2024-03-31", "2024-02-29", -31, -4, -1, -22}, // backwards from a month's end
        {"2026-12-04", "2026-12-07", 3, 0, 0, 1},       // Friday over the weekend
        {"2026-12-05", "2026-12-12", 7, 1, 0, 5},       // Saturday to Saturday
        {"2026-03-07", "2026-03-09", 2, 0, 0, 0},       // over New York's spring-forward Sunday
        {"2026-12-06", "2026-12-06", 0, 0, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.first) + " -> " + row.second);
        const DateInterval interval = between(day(row.first), day(row.second));
        EXPECT_EQ(interval.days, row.days);
        EXPECT_EQ(interval.weeks, row.weeks);
        EXPECT_EQ(interval.months, row.months);
        EXPECT_EQ(interval.workingDays, row.workingDays);
    }
}

TEST(DateCalculatorTest, AddingClampsToTheMonthsLastDayAndStaysInRange) {
    struct Row {
        const char *date, *duration, *expected; // nullptr: refused
    };
    const Row rows[] = {
        {"2024-01-31", "P1M", "2024-02-29"},    {"2023-01-31", "P1M", "2023-02-28"},
        {"2024-02-29", "P1Y", "2025-02-28"},    {"2024-03-31", "-P1M", "2024-02-29"},
        {"2026-12-06", "-P2W3D", "2026-11-19"}, {"2026-12-31", "+P1D", "2027-01-01"},
        {"2024-01-31", "P1M1D", "2024-03-01"},  {"2026-12-06", "P0D", "2026-12-06"},
        {"9999-12-31", "P1D", nullptr},         {"0001-01-01", "-P1D", nullptr},
        {"2026-12-06", "P1000000Y", nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.date) + " + " + row.duration);
        const auto duration = parseDuration(QString::fromLatin1(row.duration));
        ASSERT_TRUE(duration) << duration.error().toStdString();
        const auto result = add(day(row.date), *duration);
        if (!row.expected)
            EXPECT_FALSE(result);
        else
            EXPECT_EQ(result ? result->toString(Qt::ISODate) : result.error(),
                      QString::fromLatin1(row.expected));
    }
}

TEST(DateCalculatorTest, MalformedDatesAndDurationsAreRefused) {
    for (const char* text : {"P", "PT1H", "P1DT2H", "1M", "P1D1M", "P1M1M", "P99999999D", "--P1D",
                             "P-1D", "", "P1.5D", "P\u0661D"})
        EXPECT_FALSE(parseDuration(QString::fromUtf8(text))) << text;
    EXPECT_EQ(parseDuration(QStringLiteral("P1Y2M3W4D"))->days, 4);
    for (const char* text : {"2024-02-30", "24-01-01", "2024-1-1", "10000-01-01", "tomorrow"})
        EXPECT_FALSE(parseDate(QString::fromLatin1(text))) << text;
}

TEST(DateCalculatorTest, TextsFollowTheLocale) {
    const auto lines = [](QDate first, QDate second, const char* locale) {
        return intervalLines(between(first, second), icu::Locale(locale)).join(u'|');
    };
    EXPECT_EQ(lines(day("2024-01-01"), day("2024-03-31"), "en_US"),
              QStringLiteral("90 days|12 weeks|2 months|65 working days"));
    EXPECT_EQ(lines(day("2024-01-01"), day("2024-01-02"), "en_US"),
              QStringLiteral("1 day|0 weeks|0 months|1 working day"));
    EXPECT_TRUE(lines(day("2024-01-01"), day("2024-03-31"), "de_DE")
                    .startsWith(QStringLiteral("90 Tage|12 Wochen|2 Monate|")));
    EXPECT_EQ(fullDateText(day("2027-02-28"), icu::Locale("en_US")),
              QStringLiteral("Sunday, February 28, 2027"));
    // Before 1582 the day must still be QDate's (proleptic Gregorian) day.
    EXPECT_EQ(fullDateText(day("1500-03-01"), icu::Locale("en_US")),
              QStringLiteral("Thursday, March 1, 1500"));
}

} // namespace
} // namespace ruvo::calculators
