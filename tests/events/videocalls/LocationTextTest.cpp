// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/videocalls/LocationText.h"

#include <gtest/gtest.h>

using namespace ruvo::videocalls;

TEST(LocationText, SeparatorRunsCollapseOnlyWhenDoubledAndEdgesLoseThem) {
    const QString spaces(200000, u' ');
    const auto collapse = collapsedSeparatorRuns;
    const auto trim = trimmedSeparators;
    struct Row {
        QString (*clean)(QStringView);
        QString text;
        QString expected;
    };
    const auto u = [](const char* text) { return QString::fromUtf8(text); };
    const Row rows[] = {
        {collapse, u("Room 4, , Floor 2"), u("Room 4, Floor 2")},
        {collapse, u("Room 4 ;| ,Floor 2"), u("Room 4; Floor 2")},
        {collapse, u("Room 4,Floor 2"), u("Room 4,Floor 2")},       // one separator stays
        {collapse, u("Room 4 \t Floor 2"), u("Room 4 \t Floor 2")}, // spaces alone stay
        {collapse, u(",,"), u(", ")},
        {collapse, u("a\n;\n;\nb"), u("a; b")},
        {collapse, u(""), u("")},
        {collapse, u("a") + spaces + u(";b"), u("a") + spaces + u(";b")},
        {collapse, u("a,") + spaces + u(";b"), u("a, b")},
        {trim, u(" ; Room 4 | "), u("Room 4")},
        {trim, u("Room 4 \u2013 "), u("Room 4")},
        {trim, u("- Room 4 -"), u("- Room 4")}, // a leading dash is part of the text
        {trim, u(" \u00a0\u2003 "), u("")},
        {trim, u("-"), u("")},
        {trim, u("a") + spaces + u("b") + spaces, u("a") + spaces + u("b")},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.clean(row.text), row.expected) << qPrintable(row.text.left(40));
}

TEST(LocationText, RangesOutOfOrderOrPastTheEndAreIgnored) {
    const QString text = QStringLiteral("0123456789");
    EXPECT_EQ(withoutRanges(text, {{1, 2}, {5, 1}}), QStringLiteral("0346789"));
    EXPECT_EQ(withoutRanges(text, {{5, 2}, {1, 2}}), QStringLiteral("01234789"));
    EXPECT_EQ(withoutRanges(text, {{8, 5}}), text);
    EXPECT_EQ(withoutRanges(text, {{0, 10}}), QString());
}
