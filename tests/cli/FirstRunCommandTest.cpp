// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/FirstRunCommand.h"

#include "CommandFixture.h"

namespace ruvo::test {
namespace {

class FirstRunCommandTest : public CommandFixture {};

TEST_F(FirstRunCommandTest, PrintsTheDetectionAndTheStepsForScripts) {
    services.probeDesktop = [] {
        return platform::DesktopFacts{.currentDesktop = QStringLiteral("ubuntu:GNOME"),
                                      .hasGnomeShell = true,
                                      .appIndicator = platform::AppIndicatorExtension::disabled,
                                      .running = {QStringLiteral("gnome-shell")}};
    };
    ASSERT_EQ(run(cli::firstRunCommand(), words("--json")), cli::kExitOk) << qPrintable(errors);
    const QJsonObject result = json().object();
    EXPECT_EQ(result.value(QStringLiteral("host")).toString(), QStringLiteral("gnome-no-tray"));
    EXPECT_EQ(result.value(QStringLiteral("desktop")).toString(), QStringLiteral("GNOME"));
    EXPECT_EQ(result.value(QStringLiteral("appIndicator")).toString(), QStringLiteral("disabled"));
    EXPECT_FALSE(result.value(QStringLiteral("clockVisible")).toBool());
    EXPECT_EQ(result.value(QStringLiteral("running")).toArray().size(), 1);
    EXPECT_EQ(result.value(QStringLiteral("steps")).toArray().size(), 3);

    ASSERT_EQ(run(cli::firstRunCommand(), {}), cli::kExitOk);
    EXPECT_TRUE(output.contains(
        QStringLiteral("\n    gnome-extensions enable appindicatorsupport@rgcjonas.gmail.com\n")))
        << output.toStdString();

    services.probeDesktop = nullptr;
    EXPECT_EQ(run(cli::firstRunCommand(), words("--json")), cli::kExitFailure);
    EXPECT_FALSE(errors.isEmpty());
}

} // namespace
} // namespace ruvo::test
