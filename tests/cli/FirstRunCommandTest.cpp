// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/FirstRunCommand.h"

#include "CommandFixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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
    ASSERT_EQ(run(cli::firstRunCommand(), {QStringLiteral("--json")}), cli::kExitOk)
        << qPrintable(errors);
    const QJsonObject json = QJsonDocument::fromJson(output.toUtf8()).object();
    EXPECT_EQ(json.value(QStringLiteral("host")).toString(), QStringLiteral("gnome-no-tray"));
    EXPECT_EQ(json.value(QStringLiteral("desktop")).toString(), QStringLiteral("GNOME"));
    EXPECT_EQ(json.value(QStringLiteral("appIndicator")).toString(), QStringLiteral("disabled"));
    EXPECT_FALSE(json.value(QStringLiteral("clockVisible")).toBool());
    EXPECT_EQ(json.value(QStringLiteral("running")).toArray().size(), 1);
    EXPECT_EQ(json.value(QStringLiteral("steps")).toArray().size(), 3);

    ASSERT_EQ(run(cli::firstRunCommand(), {}), cli::kExitOk);
    EXPECT_TRUE(output.contains(
        QStringLiteral("\n    gnome-extensions enable appindicatorsupport@rgcjonas.gmail.com\n")))
        << output.toStdString();

    services.probeDesktop = nullptr;
    EXPECT_EQ(run(cli::firstRunCommand(), {QStringLiteral("--json")}), cli::kExitFailure);
    EXPECT_FALSE(errors.isEmpty());
}

} // namespace
} // namespace ruvo::test
