// SPDX-License-Identifier: GPL-3.0-or-later
// What this build of Ruvo is: its version (from the project's CMake version) and the versions
// of the libraries it runs with.
#pragma once

#include <QString>

namespace ruvo::kit {

QString programVersion();    // "0.1.0"
QString qtRuntimeVersion();  // the Qt the program runs with, "6.4.2"
QString icuRuntimeVersion(); // "72.1"
QString tzdataVersion();     // ICU's own zone data, "2022e"

} // namespace ruvo::kit
