// SPDX-License-Identifier: GPL-3.0-or-later
// What happens at every start, in order: counting the launch, the migrations, and after the
// event loop has started, the access requests, the crash-report snapshot, the global
// shortcuts, the notification category, and the first-launch and what's-new windows.
#pragma once

#include "app/CrashReporter.h"
#include "app/Migrations.h"
#include "kit/Scheduler.h"
#include "platform/CalendarAccess.h"
#include "platform/GlobalShortcuts.h"
#include "platform/LaunchWindows.h"
#include "platform/NotificationCategories.h"
#include "platform/RunningApplications.h"
#include "settings/Defaults.h"

#include <map>

namespace ruvo::app {

struct LaunchServices {
    platform::CalendarAccess& calendarAccess;
    platform::NotificationCategories& notificationCategories;
    platform::GlobalShortcuts& globalShortcuts;
    platform::RunningApplications& runningApplications;
    platform::LaunchWindows& windows;
    CrashReporter& crashReporter;
};

class LaunchSequence {
public:
    // The programs whose users are shown the upcoming-event tip (calendar and meeting tools).
    static const QStringList& announcementApplications();
    static QString announcementTitle();
    static QString announcementMessage();

    LaunchSequence(const settings::Defaults& defaults, kit::Scheduler& scheduler,
                   LaunchServices services);

    // Counts this launch and records the first launch's date. Returns whether it is the first.
    bool recordLaunch();
    bool isFirstLaunch() const { return m_isFirstLaunch; }

    void runMigrations(const MigrationConverters& converters);

    // The part that runs once the event loop turns. `shortcutActions` maps the shortcut
    // names to what they do.
    void didLaunch(const std::map<QString, std::function<void()>>& shortcutActions);
    // Runs when the launch's request for events access is granted.
    void setEventsAccessGranted(std::function<void()> action) {
        m_eventsAccessGranted = std::move(action);
    }

private:
    void recordSettingsSnapshot();
    void announceUpcomingEventFeature();

    const settings::Defaults& m_defaults;
    kit::Scheduler& m_scheduler;
    LaunchServices m_services;
    bool m_isFirstLaunch = false;
    std::function<void()> m_eventsAccessGranted;
    kit::Timer m_announcementCheck;
    kit::Timer m_announcementTip;
};

} // namespace ruvo::app
