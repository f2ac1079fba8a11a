// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar commands of the command line, over the vdir store:
//   ruvo calendars [--json]
//   ruvo calendars add PATH [--email ADDRESS]...
//   ruvo calendars remove ID
//   ruvo events [--from ISO8601] [--to ISO8601] [--json]
//   ruvo import FILE.ics [--calendar ID]
#pragma once

#include "cli/CommandLine.h"

namespace ruvo::cli {

cli::Command calendarsCommand();
cli::Command eventsCommand();
cli::Command importCommand();

} // namespace ruvo::cli
