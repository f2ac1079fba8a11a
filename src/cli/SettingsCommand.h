// SPDX-License-Identifier: GPL-3.0-or-later
// The settings window from the command line:
//   ruvo settings [PANE]               opens the window on PANE in the running program
//   ruvo settings --describe [--json]  the panes and their controls, for scripts and checks
#pragma once

#include "cli/CommandLine.h"

#include <optional>

namespace ruvo::cli {

cli::Command settingsCommand();

// The pane `ruvo ARGUMENTS` asks to open ("" for the first), or nothing when the arguments
// are not such a request: the program starts with that pane open when it does not run yet.
std::optional<QString> settingsPaneRequested(const QStringList& arguments);

} // namespace ruvo::cli
