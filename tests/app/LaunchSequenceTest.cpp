// SPDX-License-Identifier: GPL-3.0-or-later
// The start of the program: launch counting, migrations and the launch sequence's order.
#include "app/LaunchSequence.h"

#include "TestSupport.h"
#include "kit/VirtualScheduler.h"
#include "platform/fake/FakeLaunchServices.h"
#include "settings/Keys.h"
#include "settings/RunOnce.h"
#include "settings/SettingsFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ruvo;
using namespace std::chrono_literals;
namespace keys = settings::keys;

namespace {

struct Launch {
    explicit Launch(settings::SettingsFiles& files)
        : crash(dir.path()), sequence(files.defaults(), scheduler, services()) {}
    app::LaunchServices services() { return {fake, fake, fake, fake, fake, crash}; }

    QTemporaryDir dir;
    kit::VirtualScheduler scheduler{test::at("2026-12-04T09:00:00Z")};
    platform::FakeLaunchServices fake;
    app::CrashReporter crash;
    app::LaunchSequence sequence;
};

// Runs one whole start of the program on `files`; returns what the services saw.
QStringList start(settings::SettingsFiles& files, const QStringList& running = {}) {
    Launch launch(files);
    launch.fake.runningNames = running;
    launch.sequence.recordLaunch();
    launch.sequence.runMigrations({.excludeMatchersLocations = [](const settings::Defaults&) {}});
    launch.sequence.didLaunch({});
    launch.scheduler.advance(10s);
    return launch.fake.journal;
}

const QStringList kCommonStart{QStringLiteral("requestEventsAccess"),
                               QStringLiteral("shortcut:toggleRuvo"),
                               QStringLiteral("shortcut:newEvent"),
                               QStringLiteral("shortcut:joinMeeting"),
                               QStringLiteral("shortcut:toggleFloatingClock"),
                               QStringLiteral("setCategories")};

} // namespace

TEST(LaunchSequence, FirstLaunchUpdateAndLaterLaunchesOpenTheRightWindows) {
    auto files = settings::SettingsFiles::inMemory();
    const settings::Defaults& d = files->defaults();

    EXPECT_EQ(start(*files), kCommonStart + QStringList{QStringLiteral("welcome")});
    EXPECT_EQ(d.get(keys::Zu_launchCount), 1);
    EXPECT_TRUE(d.get(keys::Zu_firstLaunchDate).has_value());
    const QDateTime firstDate = *d.get(keys::Zu_firstLaunchDate);

    // Second launch: neither tip (no competing program runs) nor what's new (consumed at first).
    EXPECT_EQ(start(*files), kCommonStart + QStringList{QStringLiteral("ensureStatusItemVisible")});
    EXPECT_EQ(d.get(keys::Zu_launchCount), 2);
    EXPECT_EQ(*d.get(keys::Zu_firstLaunchDate), firstDate);

    // An installation from before the what's-new marker existed sees it once.
    d.reset(settings::runOnceKey(QStringLiteral("ruvo-5-whats-new")));
    EXPECT_EQ(start(*files).mid(kCommonStart.size()),
              (QStringList{QStringLiteral("ensureStatusItemVisible"), QStringLiteral("whatsNew")}));
    EXPECT_FALSE(start(*files).contains(QStringLiteral("whatsNew")));
}

TEST(LaunchSequence, UpcomingEventTipShowsOnceThreeSecondsAfterALaterLaunchWhenACompetitorRuns) {
    auto files = settings::SettingsFiles::inMemory();
    start(*files); // first launch consumes the marker silently
    files->defaults().reset(
        settings::runOnceKey(QStringLiteral("ruvoFeatureUpcomingMeetingInMenuBarAnnouncement")));

    Launch launch(*files);
    launch.fake.runningNames = {QStringLiteral("zoom")};
    launch.sequence.recordLaunch();
    launch.sequence.didLaunch({});
    launch.scheduler.advance(2999ms);
    EXPECT_FALSE(launch.fake.journal.last().startsWith(QStringLiteral("tip:")));
    launch.scheduler.advance(1ms);
    EXPECT_EQ(launch.fake.journal.last(),
              QStringLiteral("tip:") + app::LaunchSequence::announcementTitle());
    EXPECT_FALSE(start(*files, {QStringLiteral("zoom")}).last().startsWith(QStringLiteral("tip:")));
}

TEST(LaunchSequence, RemindersAccessIsAskedOnlyWhenRemindersAreShownAndSnapshotIsRecorded) {
    auto files = settings::SettingsFiles::inMemory();
    files->defaults().set(keys::showReminders, true);
    files->defaults().set(keys::locale, std::optional<QString>(QStringLiteral("de_DE")));
    Launch launch(*files);
    launch.sequence.recordLaunch();
    launch.sequence.didLaunch({});
    EXPECT_EQ(launch.fake.journal.mid(0, 2), (QStringList{QStringLiteral("requestRemindersAccess"),
                                                          QStringLiteral("requestEventsAccess")}));
    const QString scope = launch.crash.scopeText();
    EXPECT_TRUE(scope.contains(QStringLiteral("locale: de_DE")));
    EXPECT_TRUE(scope.contains(QStringLiteral("showReminders: true")));
    EXPECT_TRUE(scope.contains(QStringLiteral("eventExcludeMatchers_count: 0")));
}

TEST(LaunchSequence, GrantedEventsAccessRunsTheGrantActionOnce) {
    for (const bool granted : {true, false}) {
        SCOPED_TRACE(granted ? "granted" : "denied");
        auto files = settings::SettingsFiles::inMemory();
        Launch launch(*files);
        launch.fake.grantAccess = granted;
        int grants = 0;
        launch.sequence.setEventsAccessGranted([&grants] { ++grants; });
        launch.sequence.recordLaunch();
        launch.sequence.didLaunch({});
        launch.scheduler.advance(10s);
        EXPECT_EQ(grants, granted ? 1 : 0);
    }
}
