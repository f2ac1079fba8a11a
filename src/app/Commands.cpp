// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Commands.h"

#include "app/DefaultsCommand.h"
#include "events/EventsCommand.h"
#include "events/calendar/MonthCommand.h"
#include "events/exclusion/ExcludeCommand.h"
#include "events/list/AgendaCommand.h"
#include "events/videocalls/VideoCallCommand.h"
#include "menubar/MenuBarCommands.h"
#include "timezones/TimeZonesCommand.h"

#include <array>

namespace ruvo::cli {

namespace {
// Every command of "ruvo NAME ...", in the order "ruvo help" lists them.
const std::array kCommands{
    app::defaultsCommand(),        menubar::menubarTextCommand(),  menubar::barCommand(),
    events::calendarsCommand(),    events::eventsCommand(),        events::importCommand(),
    timezones::timeZonesCommand(), videocalls::videoCallCommand(), exclusion::excludeCommand(),
    calendar::monthCommand(),      events::agendaCommand(),
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
