// SPDX-License-Identifier: GPL-3.0-or-later
// The date calculators on the command line:
//   ruvo calc between DATE DATE [--json]   {"days", "weeks", "months", "workingDays"}
//   ruvo calc add DATE DURATION [--json]   {"date"}
#pragma once

#include "cli/CommandLine.h"

namespace ruvo::cli {

cli::Command calcCommand();

} // namespace ruvo::cli
