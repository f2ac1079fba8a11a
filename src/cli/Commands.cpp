// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

#include "cli/ActionCommand.h"
#include "cli/AgendaCommand.h"
#include "cli/AlertsCommand.h"
#include "cli/CalcCommand.h"
#include "cli/DefaultsCommand.h"
#include "cli/EventsCommand.h"
#include "cli/ExcludeCommand.h"
#include "cli/MenuBarCommands.h"
#include "cli/MonthCommand.h"
#include "cli/NewItemCommands.h"
#include "cli/PanelAppletCommand.h"
#include "cli/SettingsCommand.h"
#include "cli/TimeZonesCommand.h"
#include "cli/UpcomingTextCommand.h"
#include "cli/VideoCallCommand.h"

#include <array>

namespace ruvo::cli {

namespace {
// Every command of "ruvo NAME ...", in the order "ruvo help" lists them.
const std::array kCommands{
    cli::defaultsCommand(),
    cli::menubarTextCommand(),
    cli::barCommand(),
    cli::calendarsCommand(),
    cli::eventsCommand(),
    cli::importCommand(),
    cli::newEventCommand(),
    cli::newReminderCommand(),
    cli::timeZonesCommand(),
    cli::videoCallCommand(),
    cli::excludeCommand(),
    cli::monthCommand(),
    cli::agendaCommand(),
    cli::upcomingTextCommand(),
    cli::alertsCommand(),
    cli::calcCommand(),
    cli::installPanelAppletCommand(),
    cli::actionCommand(),
    cli::settingsCommand(),
};
} // namespace

std::span<const Command> commands() {
    return kCommands;
}

const Command* findCommand(const QString& name) {
    for (const Command& command : kCommands)
        if (command.name == name)
            return &command;
    return nullptr;
}

} // namespace ruvo::cli
