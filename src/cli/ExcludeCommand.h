// SPDX-License-Identifier: GPL-3.0-or-later
// "ruvo exclude list|add|remove": edits the exclusion matchers.
//   ruvo exclude list [--json]
//   ruvo exclude add --kind equals|contains|startsWith|endsWith|regex --pattern TEXT
//                    [--location eventList|fullscreenNotifications|upcomingEventInMenuBar|
//                     systemNotifications]... [--disabled]
//   ruvo exclude remove ID
#pragma once

#include "cli/CommandLine.h"

namespace ruvo::cli {

cli::Command excludeCommand();

} // namespace ruvo::cli
