// SPDX-License-Identifier: GPL-3.0-or-later
// What the calendar commands share: the user's calendar store, opened through the context's
// services as the global options say (config folder, zone, clock).
#pragma once

#include "cli/CommandLine.h"

namespace ruvo::cli {

// nullptr after printing the reason to context.err.
std::unique_ptr<platform::CalendarStore> openCommandStore(CommandContext& context);

QString kindName(platform::EntityType kind); // "events", "reminders"

} // namespace ruvo::cli
