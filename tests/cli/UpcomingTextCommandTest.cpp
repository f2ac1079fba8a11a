// SPDX-License-Identifier: GPL-3.0-or-later
// "ruvo upcoming-text" over the fixture folder tests/data/calendars/calls, seen from Berlin in
// en_US.
#include "cli/UpcomingTextCommand.h"

#include "cli/CommandFixture.h"
#include "cli/EventsCommand.h"
#include "settings/Keys.h"

using namespace ruvo;
using ruvo::test::at;

namespace {

class UpcomingTextCommandTest : public test::CommandFixture {
protected:
    UpcomingTextCommandTest() {
        addCalendarFolder(test::dataPath(QStringLiteral("calendars/calls")));
    }
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
