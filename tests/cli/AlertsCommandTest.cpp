// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/AlertsCommand.h"

#include "CommandFixture.h"
#include "settings/Keys.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace ruvo;
namespace keys = settings::keys;

namespace {

class AlertsCommand : public test::CommandFixture {
protected:
    void chimeWith(const char* sound) {
        defaults.set(keys::hourlyChime_isEnabled, true);
        defaults.set(keys::hourlyChimeSound, std::optional<QString>(QString::fromLatin1(sound)));
    }
};

} // namespace

TEST_F(AlertsCommand, ListsTheChimesOfTheWindowInFireOrder) {
    // Now is 13:00 in Berlin; the window ends at 22:00.
    EXPECT_EQ(run(cli::alertsCommand(), {}), cli::kExitOk);
    EXPECT_EQ(output, QStringLiteral("No alerts planned in the next 24 hours.\n"));
    chimeWith("Glass");
    EXPECT_EQ(run(cli::alertsCommand(), {QStringLiteral("--hours"), QStringLiteral("12")}),
              cli::kExitOk);
    const QStringList lines = output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines.front(), QStringLiteral("2026-12-08T14:00:00+01:00  chime  Glass"));
    EXPECT_EQ(lines.back(), QStringLiteral("2026-12-08T22:00:00+01:00  chime  Glass"));
    EXPECT_EQ(run(cli::alertsCommand(), {}), cli::kExitOk);
    EXPECT_EQ(output.count(QLatin1Char('\n')), 9 + 5) << "through 13:00 tomorrow";
}

TEST_F(AlertsCommand, JsonHasKindInstantAndSound) {
    chimeWith("gong");
    ASSERT_EQ(run(cli::alertsCommand(),
                  {QStringLiteral("--json"), QStringLiteral("--hours"), QStringLiteral("2")}),
              cli::kExitOk);
    const QJsonArray list = QJsonDocument::fromJson(output.toUtf8()).array();
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[1].toObject(),
              (QJsonObject{{QStringLiteral("kind"), QStringLiteral("chime")},
                           {QStringLiteral("fireAt"), QStringLiteral("2026-12-08T15:00:00+01:00")},
                           {QStringLiteral("sound"), QStringLiteral("gong")}}));
}

TEST_F(AlertsCommand, RejectsBadHours) {
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("--hours")},
          QStringList{QStringLiteral("--hours"), QStringLiteral("0")},
          QStringList{QStringLiteral("--hours"), QStringLiteral("2h")},
          QStringList{QStringLiteral("--hours"), QStringLiteral("745")},
          QStringList{QStringLiteral("--soon")}}) {
        EXPECT_EQ(run(cli::alertsCommand(), arguments), cli::kExitUsage)
            << arguments.join(u' ').toStdString();
        EXPECT_TRUE(errors.contains(QStringLiteral("Try 'ruvo alerts --help'.")));
    }
}
