// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/videocalls/LocationText.h"

#include <gtest/gtest.h>

using namespace ruvo::videocalls;

TEST(LocationText, SeparatorRunsCollapseOnlyWhenDoubled) {
    struct Row {
        const char* text;
        const char* expected;
    };
    const Row rows[] = {
        {"Room 4, , Floor 2", "Room 4, Floor 2"},
        {"Room 4 ;| ,Floor 2", "Room 4; Floor 2"},
        {"Room 4,Floor 2", "Room 4,Floor 2"},       // one separator stays as written
        {"Room 4 \t Floor 2", "Room 4 \t Floor 2"}, // spaces alone stay
        {",,", ", "},
        {"a\n;\n;\nb", "a; b"},
        {"", ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(collapsedSeparatorRuns(QString::fromUtf8(row.text)),
                  QString::fromUtf8(row.expected))
            << row.text;
}

TEST(LocationText, EdgesLoseSpacesSeparatorsAndTrailingDashes) {
    struct Row {
        const char* text;
        const char* expected;
    };
    const Row rows[] = {
        {" ; Room 4 | ", "Room 4"}, {"Room 4 \u2013 ", "Room 4"},
        {"- Room 4 -", "- Room 4"}, // a leading dash is part of the text
        {" \u00a0\u2003 ", ""},     {"-", ""},
        {"Room 4", "Room 4"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(trimmedSeparators(QString::fromUtf8(row.text)), QString::fromUtf8(row.expected))
            << row.text;
}

TEST(LocationText, LongRunsOfSpacesAreKeptOrDroppedWhole) {
    const QString spaces(200000, u' ');
    EXPECT_EQ(trimmedSeparators(QStringLiteral("a") + spaces + QStringLiteral("b") + spaces),
              QStringLiteral("a") + spaces + QStringLiteral("b"));
    EXPECT_EQ(collapsedSeparatorRuns(QStringLiteral("a") + spaces + QStringLiteral(";b")),
              QStringLiteral("a") + spaces + QStringLiteral(";b"));
    EXPECT_EQ(collapsedSeparatorRuns(QStringLiteral("a,") + spaces + QStringLiteral(";b")),
              QStringLiteral("a, b"));
}

TEST(LocationText, RangesOutOfOrderOrPastTheEndAreIgnored) {
    const QString text = QStringLiteral("0123456789");
    EXPECT_EQ(withoutRanges(text, {{1, 2}, {5, 1}}), QStringLiteral("0346789"));
    EXPECT_EQ(withoutRanges(text, {{5, 2}, {1, 2}}), QStringLiteral("01234789"));
    EXPECT_EQ(withoutRanges(text, {{8, 5}}), text);
    EXPECT_EQ(withoutRanges(text, {{0, 10}}), QString());
}
