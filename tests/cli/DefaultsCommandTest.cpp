// SPDX-License-Identifier: GPL-3.0-or-later
// The defaults command, as a script sees it.
#include "cli/DefaultsCommand.h"

#include "TestSupport.h"
#include "settings/SettingsFiles.h"

#include <gtest/gtest.h>

using namespace ruvo;

TEST(DefaultsCommand, ExitStatusesAndOutputAsScriptsRelyOnThem) {
    auto files = settings::SettingsFiles::inMemory();
    kit::FixedClock clock(test::at("2026-12-04T09:41:00Z"));
    struct Row {
        QStringList args;
        int status;
        const char* out;
    };
    const Row rows[] = {
        {{QStringLiteral("read"), QStringLiteral("calendarEventsDayCount")}, 0, "7\n"},
        {{QStringLiteral("read"), QStringLiteral("--raw"),
          QStringLiteral("calendarEventsDayCount")},
         1,
         ""},
        {{QStringLiteral("write"), QStringLiteral("calendarEventsDayCount"), QStringLiteral("14")},
         0,
         ""},
        {{QStringLiteral("read"), QStringLiteral("--raw"),
          QStringLiteral("calendarEventsDayCount")},
         0,
         "14\n"},
        {{QStringLiteral("write"), QStringLiteral("calendarEventsDayCount"),
          QStringLiteral("\"14\"")},
         2,
         ""},
        {{QStringLiteral("write"), QStringLiteral("calendarEventsDayCount"),
          QStringLiteral("14.5")},
         2,
         ""},
        {{QStringLiteral("write"), QStringLiteral("calendarEventsDayCount"), QStringLiteral("{")},
         2,
         ""},
        {{QStringLiteral("write"), QStringLiteral("calendarEventsDayCount"),
          QStringLiteral("100000000")},
         2,
         ""},
        {{QStringLiteral("write"), QStringLiteral("menuBarTextSize"), QStringLiteral("-1")}, 2, ""},
        {{QStringLiteral("read"), QStringLiteral("calendarEventsDayCount")},
         0,
         "14\n"}, // refused writes wrote nothing
        {{QStringLiteral("write"), QStringLiteral("menuBarTextSize"), QStringLiteral("null")},
         0,
         ""},
        {{QStringLiteral("write"), QStringLiteral("defaultEventDuration"), QStringLiteral("1800")},
         0,
         ""},
        {{QStringLiteral("read"), QStringLiteral("--raw"), QStringLiteral("defaultEventDuration")},
         0,
         "\"[97,10665824850173493248]\"\n"},
        {{QStringLiteral("delete"), QStringLiteral("defaultEventDuration")}, 0, ""},
        {{QStringLiteral("read"), QStringLiteral("defaultEventDuration")}, 0, "3600\n"},
        {{QStringLiteral("read"), QStringLiteral("noSuchKey")}, 2, ""},
        {{QStringLiteral("frobnicate")}, 2, ""},
    };
    for (const Row& row : rows) {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        cli::CommandContext context{
            files->defaults(), clock, kit::Environment{}, QString(), outStream, errStream, {}};
        EXPECT_EQ(cli::defaultsCommand().run(context, row.args), row.status)
            << row.args.join(QLatin1Char(' ')).toStdString();
        outStream.flush();
        EXPECT_EQ(out, QString::fromUtf8(row.out)) << row.args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(err.isEmpty(), row.status != 2) << err.toStdString();
    }
}
