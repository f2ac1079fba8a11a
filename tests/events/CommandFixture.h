// SPDX-License-Identifier: GPL-3.0-or-later
// What the calendar commands' tests share: settings in memory, a fixed "now" (12:00 UTC on
// Tuesday 8 December 2026, seen from Berlin in en_US), a config folder of their own and the
// command's output and errors.
#pragma once

#include "TestSupport.h"
#include "cli/CommandContext.h"
#include "settings/Defaults.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace ruvo::test {

class CommandFixture : public ::testing::Test {
protected:
    int run(const cli::Command& command, const QStringList& arguments) {
        output.clear();
        errors.clear();
        cli::CommandContext context{
            defaults,
            clock,
            kit::Environment{QStringLiteral("en_US"), QStringLiteral("Europe/Berlin")},
            config.path(),
            out,
            err};
        const int status = command.run(context, arguments);
        out.flush();
        err.flush();
        return status;
    }

    settings::Suite standard{QStringLiteral("standard")};
    settings::Suite shared{QStringLiteral("shared")};
    settings::Defaults defaults{standard, shared};
    kit::FixedClock clock{at("2026-12-08T12:00:00Z")};
    QTemporaryDir config;
    QString output;
    QString errors;
    QTextStream out{&output};
    QTextStream err{&errors};
};

} // namespace ruvo::test
