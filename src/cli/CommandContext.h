// SPDX-License-Identifier: GPL-3.0-or-later
// What a command of the command line works with: the settings, the clock and environment as
// the global options set them, and its output streams.
#pragma once

#include "kit/Clock.h"
#include "kit/Environment.h"
#include "settings/Defaults.h"

#include <QStringList>
#include <QTextStream>

namespace ruvo::cli {

struct CommandContext {
    settings::Defaults& defaults;
    const kit::Clock& clock;      // --now, else the system clock
    kit::Environment environment; // --locale and --time-zone applied
    QString configDirectory;      // --config-dir, else $XDG_CONFIG_HOME/ruvo
    QTextStream& out;
    QTextStream& err;
};

// Exit statuses of the command line.
enum ExitStatus : int {
    kExitOk = 0,
    kExitNothing = 1, // the command ran but found nothing (no stored value, no video call)
    kExitUsage = 2,   // bad arguments, bad values, unknown keys or zones
    kExitFailure = 3, // something else went wrong (cannot write a file)
};

// One command: "ruvo NAME ARGS...". `run` gets the arguments after the name.
struct Command {
    QString name;
    QString summary; // one line for "ruvo help"
    QString usage;   // full usage, printed on bad arguments
    int (*run)(CommandContext& context, const QStringList& arguments);
};

} // namespace ruvo::cli
