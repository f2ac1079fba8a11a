// SPDX-License-Identifier: GPL-3.0-or-later
// What the calendar commands' tests share: settings in memory, a fixed "now" (12:00 UTC on
// Tuesday 8 December 2026, seen from Berlin in en_US), a config folder of their own, the vdir
// calendars as the program wires them, and the command's output and errors.
#pragma once

#include "TestSupport.h"
#include "cli/CommandContext.h"
#include "cli/CommandLine.h"
#include "cli/EventsCommand.h"
#include "platform/linux/VdirCalendarStore.h"
#include "platform/linux/VdirSourceList.h"
#include "settings/Defaults.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace ruvo::test {

class CommandFixture : public ::testing::Test {
protected:
    int run(const cli::Command& command, const QStringList& arguments) {
        return run([&](cli::CommandContext& context) { return command.run(context, arguments); });
    }

    int run(const std::function<int(cli::CommandContext&)>& body) {
        output.clear();
        errors.clear();
        cli::CommandContext context{defaults, clock, environment, config.path(),
                                    out,      err,   services};
        const int status = body(context);
        out.flush();
        err.flush();
        return status;
    }

    // What the last command printed, read as JSON.
    QJsonDocument json() const { return QJsonDocument::fromJson(output.toUtf8()); }

    // A command line's arguments, written as one string in a table.
    static QStringList words(const char* line) {
        return QString::fromUtf8(line).split(u' ', Qt::SkipEmptyParts);
    }

    // Writes each file (name, bytes) into `folder`, adds the folder as a calendar with `options`
    // and returns the calendar's identifier. A step that fails fails the test.
    QString addCalendarFolder(const QString& folder,
                              const std::vector<std::pair<QString, QByteArray>>& files = {},
                              const QStringList& options = {}) {
        for (const auto& [name, bytes] : files) {
            QFile file(folder + QLatin1Char('/') + name);
            EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
                << qPrintable(name);
        }
        EXPECT_EQ(
            run(cli::calendarsCommand(), QStringList{QStringLiteral("add"), folder} + options),
            cli::kExitOk)
            << qPrintable(errors);
        EXPECT_EQ(run(cli::calendarsCommand(), words("--json")), cli::kExitOk);
        QString identifier;
        for (const auto& c : json().array())
            if (c[QLatin1String("folder")].toString() == folder)
                identifier = c[QLatin1String("identifier")].toString();
        EXPECT_FALSE(identifier.isEmpty()) << qPrintable(folder);
        return identifier;
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
