// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar's commands:
//   ruvo menubar-text            prints the clock text for the current settings
//   ruvo bar --waybar|--i3bar    feeds a status bar: one line at every tick and change
#pragma once

#include "cli/CommandLine.h"

namespace ruvo::cli {

cli::Command menubarTextCommand();
cli::Command barCommand();

} // namespace ruvo::cli
