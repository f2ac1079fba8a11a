// SPDX-License-Identifier: GPL-3.0-or-later
// The month calendar on the command line:
//   ruvo month [YYYY-MM] [--json]
// prints the grid of the month (default: today's) with today marked and days with events
// flagged, or as JSON the title, the weekday symbols and the rows with each day's dots.
#pragma once

#include "cli/CommandLine.h"

namespace ruvo::cli {

cli::Command monthCommand();

} // namespace ruvo::cli
