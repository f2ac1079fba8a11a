// SPDX-License-Identifier: GPL-3.0-or-later
// The event list of the menu window on the command line:
//   ruvo agenda [--date YYYY-MM-DD] [--json]
// It reads the same settings as the list (day count, past events, video-call-only mode,
// exclusion matchers). JSON: {"sections": [{"date", "items"}], "pastEvents",
// "overdueReminders"}; each item has the fields of `ruvo events --json` and "state"
// ("started", "starts", "ended"; null for reminders), "relative" and "videoCall"
// ({"name", "url"} or null).
#pragma once

#include "cli/CommandLine.h"

namespace ruvo::cli {

cli::Command agendaCommand();

} // namespace ruvo::cli
