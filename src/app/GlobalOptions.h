// SPDX-License-Identifier: GPL-3.0-or-later
// The options every invocation takes: --config-dir DIR, --now ISO8601, --time-zone ID,
// --locale ID (also written --name=value, anywhere on the line). What is left is the command
// and its arguments.
#pragma once

#include "kit/Environment.h"
#include "kit/Result.h"
#include "kit/Time.h"

#include <QStringList>

namespace ruvo::app {

struct GlobalOptions {
    QString configDirectory;
    std::optional<kit::Instant> now;
    QString timeZoneId;
    QString localeId;
    QStringList remaining; // the command and its arguments

    // The environment a run uses: the system's, then the `locale` setting, then the options.
    kit::Environment environment(const std::optional<QString>& localeSetting) const;

    // What a launcher hands over to open ("ruvo %U": URIs, or paths of .ics files, as URIs)
    // when the line holds nothing else; empty when it holds a command.
    QStringList urisToOpen() const;

    // `arguments` without the program name. A bad value is an error naming the option.
    static kit::Result<GlobalOptions> parse(const QStringList& arguments);
};

} // namespace ruvo::app
