// SPDX-License-Identifier: GPL-3.0-or-later
// "ruvo first-run [--json]": where this session's panel can show Ruvo's clock and what to do
// for it, as the first-run window says it; --json prints the detection for scripts.
#pragma once

#include "cli/CommandLine.h"

namespace ruvo::cli {

cli::Command firstRunCommand();

} // namespace ruvo::cli
