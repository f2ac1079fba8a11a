// SPDX-License-Identifier: GPL-3.0-or-later
// "ruvo defaults read|write|delete|list": the settings from the command line, in the JSON
// form of settings/JsonForm.h.
#pragma once

#include "cli/CommandLine.h"

namespace ruvo::cli {

cli::Command defaultsCommand();

} // namespace ruvo::cli
