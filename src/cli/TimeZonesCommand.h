// SPDX-License-Identifier: GPL-3.0-or-later
// "ruvo timezones list|add|remove|search|describe": the world clock from the command line.
#pragma once

#include "cli/CommandLine.h"

namespace ruvo::cli {

cli::Command timeZonesCommand();

} // namespace ruvo::cli
