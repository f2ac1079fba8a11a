// SPDX-License-Identifier: GPL-3.0-or-later
// The defaults command, as a script sees it.
#include "cli/DefaultsCommand.h"

#include "CommandFixture.h"

using namespace ruvo;

using DefaultsCommand = test::CommandFixture;

// The rows run in order on one set of settings: a row may read what an earlier one wrote.
TEST_F(DefaultsCommand, ExitStatusesAndOutputAsScriptsRelyOnThem) {
    struct Row {
        const char* line; // the arguments, split at spaces
        int status;
        const char* out;
    };
    const Row rows[] = {
        {"read calendarEventsDayCount", 0, "7\n"},
        {"read --raw calendarEventsDayCount", 1, ""},
        {"write calendarEventsDayCount 14", 0, ""},
        {"read --raw calendarEventsDayCount", 0, "14\n"},
        {"write calendarEventsDayCount \"14\"", 2, ""},
        {"write calendarEventsDayCount 14.5", 2, ""},
        {"write calendarEventsDayCount {", 2, ""},
        {"write calendarEventsDayCount 100000000", 2, ""},
        {"write menuBarTextSize -1", 2, ""},
        {"read calendarEventsDayCount", 0, "14\n"}, // refused writes wrote nothing
        {"write menuBarTextSize null", 0, ""},
        {"write defaultEventDuration 1800", 0, ""},
        {"read --raw defaultEventDuration", 0, "\"[97,10665824850173493248]\"\n"},
        {"delete defaultEventDuration", 0, ""},
        {"read defaultEventDuration", 0, "3600\n"},
        {"read noSuchKey", 2, ""},
        {"frobnicate", 2, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(run(cli::defaultsCommand(), words(row.line)), row.status);
        EXPECT_EQ(output, QString::fromUtf8(row.out));
        EXPECT_EQ(errors.isEmpty(), row.status != 2) << qPrintable(errors);
    }
}
