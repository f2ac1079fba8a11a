// SPDX-License-Identifier: GPL-3.0-or-later
// "ruvo action ...": the automation actions from a shell, a desktop shortcut or a script.
#pragma once

#include "cli/CommandLine.h"

namespace ruvo::cli {

cli::Command actionCommand();

} // namespace ruvo::cli
