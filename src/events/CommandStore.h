// SPDX-License-Identifier: GPL-3.0-or-later
// What the calendar commands share: the store opened as the global options say (config
// folder, zone, clock), with its cache under $XDG_CACHE_HOME/ruvo.
#pragma once

#include "cli/CommandContext.h"
#include "platform/linux/VdirCalendarStore.h"

namespace ruvo::events {

// nullptr after printing the reason to context.err.
std::unique_ptr<platform::vdir::VdirCalendarStore> openCommandStore(cli::CommandContext& context);

QString kindName(platform::EntityType kind); // "events", "reminders"

} // namespace ruvo::events
