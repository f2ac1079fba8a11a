// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/AlertsCommand.h"

#include "CommandFixture.h"
#include "cli/EventsCommand.h"
#include "settings/Keys.h"

using namespace ruvo;
namespace keys = settings::keys;

namespace {

class AlertsCommand : public test::CommandFixture {
protected:
    void chimeWith(const char* sound) {
        defaults.set(keys::hourlyChime_isEnabled, true);
        defaults.set(keys::hourlyChimeSound, std::optional<QString>(QString::fromLatin1(sound)));
    }
    // The fixture folder: "Sync", a Zoom call at 14:00 in Berlin, after "Review" at 10:00.
    QString addCallsCalendar() {
        return addCalendarFolder(test::dataPath(QStringLiteral("calendars/calls")));
    }
};

} // namespace

TEST_F(AlertsCommand, ListsTheChimesOfTheWindowInFireOrder) {
    // Now is 13:00 in Berlin; the window ends at 22:00.
    EXPECT_EQ(run(cli::alertsCommand(), {}), cli::kExitOk);
    EXPECT_EQ(output, QStringLiteral("No alerts planned in the next 24 hours.\n"));
    chimeWith("Glass");
    EXPECT_EQ(run(cli::alertsCommand(), words("--hours 12")), cli::kExitOk);
    const QStringList lines = output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines.front(), QStringLiteral("2026-12-08T14:00:00+01:00  chime  Glass"));
    EXPECT_EQ(lines.back(), QStringLiteral("2026-12-08T22:00:00+01:00  chime  Glass"));
    EXPECT_EQ(run(cli::alertsCommand(), {}), cli::kExitOk);
    EXPECT_EQ(output.count(QLatin1Char('\n')), 9 + 5) << "through 13:00 tomorrow";

    chimeWith("gong");
    ASSERT_EQ(run(cli::alertsCommand(), words("--json --hours 2")), cli::kExitOk);
    const QJsonArray list = json().array();
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[1].toObject(),
              (QJsonObject{{QStringLiteral("kind"), QStringLiteral("chime")},
                           {QStringLiteral("fireAt"), QStringLiteral("2026-12-08T15:00:00+01:00")},
                           {QStringLiteral("sound"), QStringLiteral("gong")}}));
}

TEST_F(AlertsCommand, ListsCallNotificationsAsTheProgramPlansThem) {
    const QString calendar = addCallsCalendar();
    defaults.set(keys::enabledCalendars, {calendar});
    defaults.set(keys::notifyForVideoCalls_calendars, {calendar});
    defaults.set(keys::notifyForVideoCallsDurationBefore, settings::Duration::seconds(120));
    const auto alerts = [this] {
        EXPECT_EQ(run(cli::alertsCommand(), words("--json")), cli::kExitOk);
        return json().array();
    };
    EXPECT_TRUE(alerts().isEmpty()) << "switched off";
    defaults.set(keys::notifyWhenVideoCallStarts, true);
    ASSERT_EQ(alerts().size(), 1);
    EXPECT_EQ(alerts().at(0).toObject(),
              (QJsonObject{{QStringLiteral("kind"), QStringLiteral("notification")},
                           {QStringLiteral("uid"), calendar + QStringLiteral("/sync@calls")},
                           {QStringLiteral("title"), QStringLiteral("Sync")},
                           {QStringLiteral("fireAt"), QStringLiteral("2026-12-08T13:58:00+01:00")},
                           {QStringLiteral("body"), QStringLiteral("2:00\u202fPM · Zoom")}}));
}

// Which events get the screen, and when, is FullscreenAlerts' table; here the chosen calendar
// reaches the plan, and --hours ends the listing exactly at an alert's instant.
TEST_F(AlertsCommand, ListsFullscreenAlertsAsTheProgramPlansThem) {
    const QString calendar = addCallsCalendar();
    defaults.set(keys::fullscreenNotifications_isEnabled, true);
    defaults.set(keys::fullscreenNotifications_calendars, {calendar});
    ASSERT_EQ(run(cli::alertsCommand(), words("--hours 1")), cli::kExitOk);
    EXPECT_EQ(output, QStringLiteral("2026-12-08T14:00:00+01:00  fullscreen  Sync\n"));

    ASSERT_EQ(run(cli::alertsCommand(), words("--json")), cli::kExitOk);
    const QJsonArray alerts = json().array();
    ASSERT_EQ(alerts.size(), 1);
    EXPECT_TRUE(alerts[0][QLatin1String("uid")].toString().endsWith(QStringLiteral("/sync@calls")));
}
