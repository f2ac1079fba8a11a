// SPDX-License-Identifier: GPL-3.0-or-later
// "ruvo upcoming-text" over a calendar folder written here, seen from Berlin in en_US.
#include "cli/UpcomingTextCommand.h"

#include "cli/CommandFixture.h"
#include "cli/EventsCommand.h"
#include "settings/Keys.h"

#include <QFile>
#include <QTemporaryDir>

using namespace ruvo;
using ruvo::test::at;

namespace {

const char* const kSync = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\n"
                          "BEGIN:VEVENT\r\nUID:sync@calls\r\nDTSTAMP:20261101T000000Z\r\n"
                          "DTSTART:20261208T130000Z\r\nDTEND:20261208T140000Z\r\n"
                          "SUMMARY:Sync\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";

class UpcomingTextCommandTest : public test::CommandFixture {
protected:
    UpcomingTextCommandTest() {
        addCalendarFolder(folder.path(), {{QStringLiteral("sync.ics"), kSync}});
    }

    QTemporaryDir folder;
};

TEST_F(UpcomingTextCommandTest, PrintsTheItemOrAnEmptyLineWhenHidden) {
    struct Row {
        const char* now;
        bool isMuted;
        const char* output;
        int status;
    };
    const Row rows[] = {
        {"2026-12-08T12:00:00Z", false, "\n", cli::kExitNothing},      // an hour away: not yet
        {"2026-12-08T12:00:02Z", false, "Sync in 1h\n", cli::kExitOk}, // 59m 58s
        {"2026-12-08T12:40:00Z", false, "Sync in 20m\n", cli::kExitOk},
        {"2026-12-08T12:55:00Z", false, "Sync in 5m\n", cli::kExitOk},
        {"2026-12-08T13:30:00Z", false, "Sync \u2022 30m left\n", cli::kExitOk},
        {"2026-12-08T12:55:00Z", true, "\n", cli::kExitNothing},
        {"2026-12-08T14:00:00Z", false, "\n", cli::kExitNothing}, // over
    };
    for (const Row& row : rows) {
        clock = kit::FixedClock(at(row.now));
        defaults.set(settings::keys::upcomingEventInMenuBarIgnoredEvents,
                     row.isMuted ? settings::StringList{QStringLiteral("sync@calls")}
                                 : settings::StringList{});
        EXPECT_EQ(run(cli::upcomingTextCommand(), {}), row.status) << row.now;
        EXPECT_EQ(output, QString::fromUtf8(row.output)) << row.now;
    }
    EXPECT_EQ(run(cli::upcomingTextCommand(), {QStringLiteral("extra")}), cli::kExitUsage);
}

} // namespace
