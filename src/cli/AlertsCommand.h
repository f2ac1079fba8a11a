// SPDX-License-Identifier: GPL-3.0-or-later
// What the program has planned to sound or show from now:
//   ruvo alerts [--hours N] [--json]
// one line (or JSON object) per planned alert, in the order they fire, within N hours
// (default 24). Each alert has a kind, its fire instant in ISO 8601 with the offset, and the
// fields of its kind: "notification" (uid, title, body), "chime" (sound).
#pragma once

#include "cli/CommandLine.h"

namespace ruvo::cli {

cli::Command alertsCommand();

} // namespace ruvo::cli
