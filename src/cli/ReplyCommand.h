// SPDX-License-Identifier: GPL-3.0-or-later
// "ruvo reply UID [--occurrence ISO8601] accept|decline|tentative": answers an invitation as
// the user's attendee, for the whole event or one occurrence of a series.
#pragma once

#include "cli/CommandLine.h"

namespace ruvo::cli {

cli::Command replyCommand();

} // namespace ruvo::cli
