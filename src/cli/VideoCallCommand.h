// SPDX-License-Identifier: GPL-3.0-or-later
// "ruvo video-call detect|clean-notes".
//   ruvo video-call detect [--location TEXT] [--url URL] [--notes TEXT] [--json]
//       prints the service name and the web join link found for such an event
//       ("NAME<TAB>LINK", or {"name": ..., "url": ...}); exit status 1, no output, when it
//       is not a video call. Meeting-application rewrites happen only when joining.
//   ruvo video-call clean-notes
//       reads notes on standard input and prints them without the invitation boilerplate.
#pragma once

#include "cli/CommandLine.h"

namespace ruvo::cli {

cli::Command videoCallCommand();

// The clean-notes action with its input stream (standard input for the command).
int runCleanNotes(cli::CommandContext& context, QTextStream& in);

} // namespace ruvo::cli
