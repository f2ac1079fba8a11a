// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry: "ruvo" starts the panel program; "ruvo COMMAND ..." runs a command.
#pragma once

namespace ruvo::app {

int appMain(int argc, char** argv);

} // namespace ruvo::app
