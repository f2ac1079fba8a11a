// SPDX-License-Identifier: GPL-3.0-or-later
// Runs one command of the command line with the global options applied.
#pragma once

#include "app/GlobalOptions.h"

#include <QTextStream>

namespace ruvo::app {

int runCommand(const GlobalOptions& options, QTextStream& out, QTextStream& err);

} // namespace ruvo::app
