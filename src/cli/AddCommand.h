// SPDX-License-Identifier: GPL-3.0-or-later
// ruvo add "SENTENCE" [--calendar ID] [--dry-run] [--json]: a new event from a sentence in
// plain English or German, shown as understood and then saved (not with --dry-run).
#pragma once

#include "cli/CommandLine.h"

namespace ruvo::cli {

cli::Command addCommand();

} // namespace ruvo::cli
