// SPDX-License-Identifier: GPL-3.0-or-later
// Creating calendar items from the command line, printed as `ruvo events` prints items:
//   ruvo new-event --title T --start ISO8601 (--end ISO8601 | --all-day) [--calendar ID]
//                  [--location L] [--alarm SECONDS]... [--json]
//   ruvo new-reminder --title T [--due DATE|ISO8601] [--priority 0-9] [--list ID] [--json]
#pragma once

#include "cli/CommandLine.h"

namespace ruvo::cli {

cli::Command newEventCommand();
cli::Command newReminderCommand();

} // namespace ruvo::cli
