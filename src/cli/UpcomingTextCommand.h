// SPDX-License-Identifier: GPL-3.0-or-later
// "ruvo upcoming-text": the upcoming event's panel text for the current settings, calendars
// and global options (--now, --time-zone, --locale). Prints an empty line and exits with
// status 1 when the item would be hidden.
#pragma once

#include "cli/CommandLine.h"

namespace ruvo::cli {

cli::Command upcomingTextCommand();

} // namespace ruvo::cli
