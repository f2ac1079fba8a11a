// SPDX-License-Identifier: GPL-3.0-or-later
// Commands with subcommands ("ruvo timezones add ..."): a table of verbs, each with what runs
// it on the arguments after the verb.
#pragma once

#include "cli/CommandContext.h"

#include <functional>
#include <initializer_list>
#include <optional>

namespace ruvo::cli {

struct Verb {
    const char* name;
    std::function<int(CommandContext&, const QStringList&)> run;
};

// Runs the verb the first argument names. Nothing when there is no argument or no such verb:
// the command then prints its usage.
inline std::optional<int> runVerb(CommandContext& c, const QStringList& arguments,
                                  std::initializer_list<Verb> verbs) {
    if (arguments.isEmpty())
        return std::nullopt;
    for (const Verb& verb : verbs)
        if (arguments.first() == QLatin1String(verb.name))
            return verb.run(c, arguments.mid(1));
    return std::nullopt;
}

} // namespace ruvo::cli
