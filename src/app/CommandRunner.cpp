// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandRunner.h"

#include "app/DBusActions.h"
#include "cli/Commands.h"
#include "kit/RealScheduler.h"
#include "kit/Translations.h"
#include "platform/SetupDiscovery.h"
#include "platform/linux/DBusApplication.h"
#include "platform/linux/FolderShortcutRunner.h"
#include "platform/linux/LinuxDesktopFacts.h"
#include "platform/linux/LinuxSystemDateEvents.h"
#include "platform/linux/UserCalendarStore.h"
#include "platform/linux/VdirSourceList.h"
#include "platform/linux/XdgUrlOpener.h"
#include "settings/Keys.h"
#include "settings/SettingsFiles.h"

#include <QCoreApplication>
#include <algorithm>
#include <ctime>

namespace ruvo::app {

namespace {

void printHelp(QTextStream& out) {
    out << QCoreApplication::translate("cli", "usage:")
        << " ruvo [--config-dir DIR] [--now ISO8601] "
        << "[--time-zone ID] [--locale ID] [COMMAND ...]\n\n"
        << QCoreApplication::translate("cli",
                                       "Without a command, starts the panel clock. Commands:")
        << "\n";
    qsizetype width = 0; // the longest name and two spaces
    for (const cli::Command& c : cli::commands())
        width = std::max(width, c.name.size() + 2);
    for (const cli::Command& c : cli::commands())
        out << "  " << c.name.leftJustified(width) << cli::translated(c.summary) << "\n";
    out << "\n"
        << QCoreApplication::translate("cli", "'ruvo COMMAND --help' shows the usage of a command.")
        << "\n";
}

bool isHelp(const QString& argument) {
    return argument == QLatin1String("help") || argument == QLatin1String("--help") ||
           argument == QLatin1String("-h");
}

// The Linux platform as the commands use it: the user's calendars (EDS and vdir), the
// system's date events and the shortcuts folder of the settings folder `configDirectory`.
cli::CommandServices linuxServices(const QString& configDirectory) {
    namespace vdir = platform::vdir;
    cli::CommandServices services;
    services.openCalendarStore = [](const cli::CommandContext& c) {
        return platform::openUserCalendars(c.configDirectory, c.environment.timeZoneId, c.clock);
    };
    services.openWatchedCalendarStore = [](const cli::CommandContext& c, kit::Scheduler& s) {
        return platform::openUserCalendars(c.configDirectory, c.environment.timeZoneId, c.clock,
                                           &s);
    };
    services.openCalendarSources = [](const cli::CommandContext& c) {
        return std::make_unique<vdir::VdirSourceList>(c.configDirectory);
    };
    services.openSystemDateEvents = [](kit::Scheduler& scheduler, std::function<QString()> zoneId) {
        return std::make_unique<platform::LinuxSystemDateEvents>(
            scheduler, std::move(zoneId), platform::LinuxSystemDateEvents::Sources{});
    };
    services.openRunningActions = [] {
        return DBusActions::ifRunning(QDBusConnection::sessionBus(),
                                      platform::DBusApplication::kServiceName);
    };
    services.openSettings = [](const QString& pane) -> kit::Result<void> {
        if (auto failure = platform::DBusApplication::activateRunningAction(
                QStringLiteral("settings"), {pane}))
            return kit::fail(*failure);
        return {};
    };
    services.openUrlOpener = [] { return std::make_unique<platform::XdgUrlOpener>(); };
    services.openShortcutRunner = [configDirectory] {
        return std::make_unique<platform::FolderShortcutRunner>(
            platform::FolderShortcutRunner::folderIn(configDirectory));
    };
    services.discoverSetup = [](const cli::CommandContext& c) {
        return platform::discoverUserSetup(c.configDirectory);
    };
    services.probeDesktop = [] { return platform::probeThisDesktop(); };
    return services;
}

} // namespace

int runCommand(const GlobalOptions& options, QTextStream& out, QTextStream& err) {
    // The system's language (or --locale) until the settings are read: usage errors come first.
    kit::installTranslations(options.environment(std::nullopt).localeId);
    QStringList arguments = options.remaining;
    QString name = arguments.takeFirst();
    if (isHelp(name) && !arguments.isEmpty()) {
        // "ruvo help NAME" is "ruvo NAME --help".
        name = arguments.takeFirst();
        arguments = QStringList{QStringLiteral("--help")};
    } else if (isHelp(name)) {
        printHelp(out);
        return cli::kExitOk;
    }
    const cli::Command* command = cli::findCommand(name);
    if (!command) {
        err << "ruvo: " << QCoreApplication::translate("cli", "unknown command \"%1\"").arg(name)
            << "\n"
            << QCoreApplication::translate("cli", "Try 'ruvo --help'.") << "\n";
        return cli::kExitUsage;
    }
    auto settings = settings::SettingsFiles::open(options.configDirectory.isEmpty()
                                                      ? settings::SettingsFiles::defaultFolder()
                                                      : options.configDirectory);
    const kit::Environment environment =
        options.environment(settings->defaults().get(settings::keys::locale));
    environment.applyLocaleToProcess();
    kit::installTranslations(environment.localeId);
    qputenv("TZ", environment.timeZoneId.toUtf8());
    tzset();
    kit::RealScheduler systemClock;
    kit::FixedClock fixedClock(options.now.value_or(kit::Instant{}));
    const kit::Clock& clock =
        options.now ? static_cast<const kit::Clock&>(fixedClock) : systemClock;
    cli::CommandContext context{settings->defaults(),
                                clock,
                                environment,
                                settings->folder(),
                                out,
                                err,
                                linuxServices(settings->folder())};
    return command->run(context, arguments);
}

} // namespace ruvo::app
