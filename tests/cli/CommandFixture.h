// SPDX-License-Identifier: GPL-3.0-or-later
// What the calendar commands' tests share: settings in memory, a fixed "now" (12:00 UTC on
// Tuesday 8 December 2026, seen from Berlin in en_US), a config folder of their own, the vdir
// calendars as the program wires them, and the command's output and errors.
#pragma once

#include "TestSupport.h"
#include "cli/CommandContext.h"
#include "cli/CommandLine.h"
#include "platform/linux/VdirCalendarStore.h"
#include "platform/linux/VdirSourceList.h"
#include "settings/Defaults.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace ruvo::test {

class CommandFixture : public ::testing::Test {
protected:
    int run(const cli::Command& command, const QStringList& arguments) {
        output.clear();
        errors.clear();
        cli::CommandContext context{defaults, clock, environment, config.path(),
                                    out,      err,   services};
        const int status = command.run(context, arguments);
        out.flush();
        err.flush();
        return status;
    }

    static cli::CommandServices vdirServices() {
        namespace vdir = platform::vdir;
        cli::CommandServices services;
        services.openCalendarStore = [](const cli::CommandContext& c) {
            return vdir::openUserStore(c.configDirectory, c.environment.timeZoneId, c.clock);
        };
        services.openCalendarSources = [](const cli::CommandContext& c) {
            return std::make_unique<vdir::VdirSourceList>(c.configDirectory);
        };
        return services;
    }

    cli::CommandServices services = vdirServices(); // a test may add or take away services
    settings::Suite standard{QStringLiteral("standard")};
    settings::Suite shared{QStringLiteral("shared")};
    settings::Defaults defaults{standard, shared};
    kit::FixedClock clock{at("2026-12-08T12:00:00Z")};
    kit::Environment environment{QStringLiteral("en_US"), QStringLiteral("Europe/Berlin")};
    QTemporaryDir config;
    QString output;
    QString errors;
    QTextStream out{&output};
    QTextStream err{&errors};
};

} // namespace ruvo::test
