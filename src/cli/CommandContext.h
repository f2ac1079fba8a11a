// SPDX-License-Identifier: GPL-3.0-or-later
// What a command of the command line works with: the settings, the clock and environment as
// the global options set them, its output streams, and the system services that app/ wires in
// (so the commands reach the calendars and date events through the platform interfaces only).
#pragma once

#include "automation/Actions.h"
#include "kit/Clock.h"
#include "kit/Environment.h"
#include "kit/Result.h"
#include "kit/Scheduler.h"
#include "platform/CalendarSources.h"
#include "platform/CalendarStore.h"
#include "platform/ShortcutRunner.h"
#include "platform/SystemDateEvents.h"
#include "platform/UrlOpener.h"
#include "settings/Defaults.h"

#include <QStringList>
#include <QTextStream>
#include <functional>
#include <memory>

namespace ruvo::cli {

struct CommandContext;

// The system as a command sees it. Each opener may be empty where a front end has no such
// service (a test of a command that needs none).
struct CommandServices {
    // The user's calendars, as the context's config folder, zone and clock say.
    std::function<kit::Result<std::unique_ptr<platform::CalendarStore>>(const CommandContext&)>
        openCalendarStore;
    // The calendar folders the user added.
    std::function<std::unique_ptr<platform::CalendarSources>(const CommandContext&)>
        openCalendarSources;
    // Clock, zone, day and wake events, planned on `scheduler`; `zoneId` answers the zone
    // midnight falls in.
    std::function<std::unique_ptr<platform::SystemDateEvents>(kit::Scheduler& scheduler,
                                                              std::function<QString()> zoneId)>
        openSystemDateEvents;
    // The actions of the running program; none when it does not run.
    std::function<std::unique_ptr<automation::Actions>()> openRunningActions;
    // The desktop's link opener and the user's shortcuts, for joining a call.
    std::function<std::unique_ptr<platform::UrlOpener>()> openUrlOpener;
    std::function<std::unique_ptr<platform::ShortcutRunner>()> openShortcutRunner;
    // Asks the running program to show its settings window on a pane ("" for the first).
    std::function<kit::Result<void>(const QString& pane)> openSettings;
};

struct CommandContext {
    settings::Defaults& defaults;
    const kit::Clock& clock;      // --now, else the system clock
    kit::Environment environment; // --locale and --time-zone applied
    QString configDirectory;      // --config-dir, else $XDG_CONFIG_HOME/ruvo
    QTextStream& out;
    QTextStream& err;
    CommandServices services;
};

// Exit statuses of the command line.
enum ExitStatus : int {
    kExitOk = 0,
    kExitNothing = 1, // the command ran but found nothing (no stored value, no video call)
    kExitUsage = 2,   // bad arguments, bad values, unknown keys or zones
    kExitFailure = 3, // something else went wrong (cannot write a file)
};

} // namespace ruvo::cli
