// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/SettingsCommand.h"

#include "CommandFixture.h"

namespace ruvo::test {
namespace {

class SettingsCommandTest : public CommandFixture {
protected:
    SettingsCommandTest() {
        services.openSettings = [this](const QString& pane) -> kit::Result<void> {
            opened << pane;
            if (!isRunning)
                return kit::fail(QStringLiteral("Ruvo is not running"));
            return {};
        };
    }

    QStringList opened;
    bool isRunning = true;
};

// What each pane holds is the preferences' own table; here, that every pane is printed.
TEST_F(SettingsCommandTest, DescribesThePanesAsJson) {
    ASSERT_EQ(run(cli::settingsCommand(), words("--describe --json")), cli::kExitOk);
    EXPECT_EQ(json()[QLatin1String("panes")].toArray().size(), 7);
}

TEST_F(SettingsCommandTest, OpensAKnownPaneInTheRunningProgram) {
    struct Row {
        const char* arguments;
        bool isRunning;
        int status;
        const char* opened; // nullptr: nothing was asked
        const char* error;
    };
    const Row rows[] = {
        {"", true, cli::kExitOk, "", ""},
        {"timezones", true, cli::kExitOk, "timezones", ""},
        {"alerts", false, cli::kExitFailure, "alerts", "not running"},
        {"sounds", true, cli::kExitUsage, nullptr, "no pane \"sounds\""},
        {"panel --json", true, cli::kExitUsage, nullptr, "--json needs --describe"},
        {"panel --describe", true, cli::kExitUsage, nullptr, "takes no pane"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments);
        opened.clear();
        isRunning = row.isRunning;
        EXPECT_EQ(run(cli::settingsCommand(), words(row.arguments)), row.status);
        EXPECT_EQ(opened,
                  row.opened ? QStringList{QString::fromLatin1(row.opened)} : QStringList{});
        EXPECT_TRUE(errors.contains(QString::fromLatin1(row.error))) << errors.toStdString();
    }
    // What the program itself takes as a request to start on a pane.
    EXPECT_EQ(cli::settingsPaneRequested({QStringLiteral("settings"), QStringLiteral("panel")}),
              QStringLiteral("panel"));
    EXPECT_EQ(cli::settingsPaneRequested({QStringLiteral("settings")}), QString());
    EXPECT_FALSE(
        cli::settingsPaneRequested({QStringLiteral("settings"), QStringLiteral("--describe")}));
    EXPECT_FALSE(cli::settingsPaneRequested({QStringLiteral("settings"), QStringLiteral("x")}));
}

} // namespace
} // namespace ruvo::test
