// SPDX-License-Identifier: GPL-3.0-or-later
// Joining the next video call from the command line when Ruvo does not run: the calendars
// are opened for this one look-up.
#pragma once

#include "automation/ActionResult.h"
#include "cli/CommandContext.h"

namespace ruvo::cli {

// False when no call runs or starts within 15 minutes, or it could not be opened.
automation::ActionResult<bool> joinNextCall(CommandContext& context);

} // namespace ruvo::cli
