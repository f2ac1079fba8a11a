// SPDX-License-Identifier: GPL-3.0-or-later
// The table of commands. Each feature library provides its command(s) as a `cli::Command`
// value from a function declared here; adding a command is adding a row in Commands.cpp.
#pragma once

#include "cli/CommandLine.h"

#include <span>

namespace ruvo::cli {

std::span<const Command> commands();
const Command* findCommand(const QString& name);

} // namespace ruvo::cli
