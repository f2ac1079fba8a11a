// SPDX-License-Identifier: GPL-3.0-or-later
// The one line that tells what an import wrote: "ruvo import" prints it, and the program
// shows it after opening a calendar file or link.
#pragma once

#include "platform/CalendarTypes.h"

#include <QString>

namespace ruvo::cli {

// "Imported 2 events and 1 reminder from FILE (1 replaced an older version, 1 skipped)"
QString importSummary(const platform::ImportReport& report, const QString& file);

} // namespace ruvo::cli
