// SPDX-License-Identifier: GPL-3.0-or-later
#include "menubar/SquareText.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace ruvo;
using menubar::ClockTextSettings;
using ruvo::test::at;

namespace {

ClockTextSettings with(std::function<void(ClockTextSettings&)> change) {
    ClockTextSettings s;
    change(s);
    return s;
}

} // namespace

// The square follows what the text shows; hours in the locale's own cycle, without AM/PM.
TEST(SquareText, FollowsTheClockTextAcrossLocalesAndTimes) {
    struct Row {
        const char* locale;
        const char* instant;
        ClockTextSettings settings;
        const char* expected; // the lines, each after a "|"
    };
    const ClockTextSettings plain{};
    const auto dateOnly = [](ClockTextSettings& s) { s.showTime = false, s.showDate = true; };
    const Row rows[] = {
        {"en_US", "2026-12-04T14:41:05Z", plain, "9|41"},
        {"en_US", "2026-12-05T04:59:00Z", plain, "11|59"}, // 23:59 -> 11 PM
        {"en_US", "2026-12-04T05:00:00Z", plain, "12|00"}, // midnight
        {"de_DE", "2026-12-04T14:41:05Z", plain, "09|41"},
        {"ja_JP", "2026-12-05T04:59:00Z", plain, "23|59"},
        {"en_US", "2026-12-04T14:41:05Z", with([](auto& s) { s.showSeconds = true; }), "9|41"},
        // The night the clocks go forward: 01:59 EST, then 03:00 EDT.
        {"en_US", "2026-03-08T06:59:00Z", plain, "1|59"},
        {"en_US", "2026-03-08T07:00:00Z", plain, "3|00"},
        {"en_US", "2026-12-04T14:41:05Z", with(dateOnly), "4|Dec"},
        {"de_DE", "2026-03-30T12:00:00Z", with(dateOnly), "30|Mär"},
        {"fr_FR", "2026-07-04T12:00:00Z", with(dateOnly), "4|juil"},
        {"en_US", "2026-12-04T14:41:05Z",
         with([](auto& s) { s.showTime = false, s.showDate = false; }), "Fri"},
        {"en_US", "2026-12-04T14:41:05Z",
         with([](auto& s) { s.showTime = false, s.showWeekDay = false; }), ""},
        // Custom patterns: hours anywhere mean the time; quoted letters are no fields.
        {"en_US", "2026-12-04T14:41:05Z",
         with([](auto& s) { s.dateTimeFormat = QString::fromUtf8("E d MMM HH:mm"); }), "09|41"},
        {"en_US", "2026-12-04T14:41:05Z",
         with([](auto& s) { s.dateTimeFormat = QString::fromUtf8("'Hd' d MMM"); }), "4|Dec"},
        {"en_US", "2026-12-04T14:41:05Z",
         with([](auto& s) { s.dateTimeFormat = QString::fromUtf8("'Week' w"); }), ""},
    };
    for (const Row& row : rows) {
        const kit::Environment env{QString::fromLatin1(row.locale),
                                   QStringLiteral("America/New_York")};
        const QStringList lines = menubar::composeSquareText(row.settings, at(row.instant), env);
        const QStringList expected =
            QString::fromUtf8(row.expected).split(u'|', Qt::SkipEmptyParts);
        EXPECT_EQ(lines, expected) << row.locale << " " << row.instant << ": got "
                                   << lines.join(QLatin1Char('|')).toStdString();
    }
}
