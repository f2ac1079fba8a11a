// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppMain.h"

#include "app/AppDelegate.h"
#include "app/AppLog.h"
#include "app/AppState.h"
#include "app/CalendarLinks.h"
#include "app/CallNotifications.h"
#include "app/CommandRunner.h"
#include "app/CrashReporter.h"
#include "app/EventsSection.h"
#include "app/FullscreenAlerts.h"
#include "app/GlobalShortcutKeys.h"
#include "app/NewCalendarItems.h"
#include "app/NextCallMenuEntry.h"
#include "app/Panel.h"
#include "app/ProgramActions.h"
#include "app/QuickAddSection.h"
#include "app/SettingsWindowHost.h"
#include "app/StallMonitor.h"
#include "app/UpcomingEventItem.h"
#include "app/WorldClock.h"
#include "cli/SettingsCommand.h"
#include "events/exclusion/LocationsMigration.h"
#include "kit/Log.h"
#include "kit/OffsetScheduler.h"
#include "kit/RealScheduler.h"
#include "kit/Translations.h"
#include "onboarding/PanelHost.h"
#include "platform/NotificationCategoryRegistry.h"
#include "platform/SetupDiscovery.h"
#include "platform/ShortcutRegistry.h"
#include "platform/linux/CalendarDownload.h"
#include "platform/linux/DBusApplication.h"
#include "platform/linux/DBusNotifications.h"
#include "platform/linux/DesktopShortcutConflicts.h"
#include "platform/linux/LinuxDesktopFacts.h"
#include "platform/linux/PortalColorScheme.h"
#include "platform/linux/PortalGlobalShortcuts.h"
#include "platform/linux/ProcRunningApplications.h"
#include "platform/linux/QtMultimediaSoundPlayer.h"
#include "platform/linux/TerminationSignals.h"
#include "platform/linux/UserCalendarStore.h"
#include "settings/Keys.h"
#include "views/MainScreen.h"
#include "views/MoreMenu.h"
#include "views/shell/AppearanceApplier.h"
#include "views/shell/ShellWindows.h"

#include <QApplication>
#include <QDBusConnection>
#include <QNetworkAccessManager>
#include <QPointer>
#include <QTimer>
#include <QToolButton>
#include <cstdio>
#include <ctime>

namespace ruvo::app {

namespace {

// The user's calendars: the vdir folders watched on disk, and the EDS calendars as they connect.
// A store that cannot load stays empty; the rest of the program runs without calendars.
std::unique_ptr<platform::UserCalendarStore> openCalendarStore(const QString& configDirectory,
                                                               const kit::Environment& environment,
                                                               kit::Scheduler& scheduler) {
    auto options =
        platform::vdir::userStoreOptions(configDirectory, environment.timeZoneId, scheduler);
    options.scheduler = &scheduler;
    options.runListing = platform::vdir::threadPoolListingRunner();
    auto store =
        std::make_unique<platform::UserCalendarStore>(std::move(options), platform::isEdsWanted());
    if (auto loaded = store->load(); !loaded)
        qCWarning(lcApp) << "Calendars not loaded:" << loaded.error();
    return store;
}

// The first-run, what's-new and About windows: their "Settings…" opens the settings window,
// the panel they describe is this session's, and About copies the same debug information as
// the "more" menu.
void connectShellWindows(views::ShellWindows& windows, Panel& panel, const QString& configFolder,
                         std::function<void()> openSettings) {
    windows.panelHost = [&panel] {
        platform::DesktopFacts facts = platform::probeThisDesktop();
        facts.isAppletShowing = panel.isAppletShowing();
        return onboarding::detectPanelHost(facts);
    };
    windows.calendarsFound = [configFolder] {
        return onboarding::describeCalendarsFound(platform::discoverUserSetup(configFolder));
    };
    windows.openSettings = std::move(openSettings);
    auto* more = qobject_cast<views::MoreMenu*>(panel.mainScreen().moreButton()->menu());
    if (!more)
        return;
    more->setPanelHost(windows.panelHost);
    more->addAbout([&windows] { windows.showAbout(); });
    windows.debugInfo = [guarded = QPointer<views::MoreMenu>(more)] {
        return guarded ? guarded->debugInfo() : QString();
    };
}

// "Settings…" in the panel item's menu and the menu window's "more" menu.
void addSettingsEntries(Panel& panel, SettingsWindowHost& settingsWindow) {
    panel.setSettingsOpener([&settingsWindow] { settingsWindow.show(QString()); });
    if (auto* more = qobject_cast<views::MoreMenu*>(panel.mainScreen().moreButton()->menu()))
        more->setSettingsOpener([&settingsWindow] { settingsWindow.show(QString()); });
}

// `settingsPane`: started by `ruvo settings [PANE]`, the window opens on that pane.
int runProgram(int argc, char** argv, const GlobalOptions& options,
               std::optional<QString> settingsPane = std::nullopt) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ruvo"));
    QApplication::setApplicationVersion(QStringLiteral(RUVO_VERSION));
    QApplication::setDesktopFileName(platform::DBusApplication::kServiceName);
    QApplication::setQuitOnLastWindowClosed(false); // a panel program has no main window
    kit::installLog();

    platform::DBusApplication bus;
    const QStringList uris = options.urisToOpen();
    if (!bus.registerInstance()) {
        // Started again while running: the running instance toggles its menu window, opens
        // its settings, or opens what this start was handed.
        if (settingsPane) {
            const auto failure = platform::DBusApplication::activateRunningAction(
                QStringLiteral("settings"), {*settingsPane});
            if (!failure)
                return 0;
            qCWarning(lcApp) << "The running Ruvo did not open its settings:" << *failure;
        } else if (platform::DBusApplication::activateRunningInstance(uris)) {
            return 0;
        }
        qCWarning(lcApp) << "Another Ruvo owns" << platform::DBusApplication::kServiceName
                         << "but does not answer";
        return 1;
    }

    CrashReporter crashReporter(kit::stateDirectory() + QStringLiteral("/crashes"));
    platform::TerminationSignals termination([](int signal) {
        qCInfo(lcApp) << "Quitting on signal" << signal;
        QApplication::quit();
    });

    kit::RealScheduler realScheduler;
    // --now starts the program's clock at that instant and lets it run from there.
    std::optional<kit::OffsetScheduler> shiftedScheduler;
    if (options.now) {
        shiftedScheduler.emplace(realScheduler, *options.now);
        qCInfo(lcApp) << "The clock starts at" << kit::formatIsoUtc(*options.now);
    }
    kit::Scheduler& scheduler =
        shiftedScheduler ? static_cast<kit::Scheduler&>(*shiftedScheduler) : realScheduler;
    // The load test's measure of the main thread (bench/soak-load.sh).
    std::optional<StallMonitor> stallMonitor;
    if (const QString log = qEnvironmentVariable("RUVO_STALL_LOG"); !log.isEmpty())
        stallMonitor.emplace(realScheduler, kit::steadyClock(), StallMonitor::fileSink(log),
                             StallMonitor::Options{});
    auto settings = settings::SettingsFiles::open(options.configDirectory.isEmpty()
                                                      ? settings::SettingsFiles::defaultFolder()
                                                      : options.configDirectory,
                                                  &scheduler);
    const auto localeSetting = settings->defaults().get(settings::keys::locale);
    const kit::Environment environment = options.environment(localeSetting);
    environment.applyLocaleToProcess();
    kit::installTranslations(environment.localeId);
    if (localeSetting)
        crashReporter.setTag(QStringLiteral("overriddenLocale"), *localeSetting);

    // Before the first portal call (the colour scheme's), so the portal knows who asks.
    platform::PortalGlobalShortcuts::registerApplication(QDBusConnection::sessionBus(),
                                                         platform::DBusApplication::kServiceName);
    platform::PortalColorScheme colorScheme;
    views::AppearanceApplier appearance(settings->defaults(), colorScheme);

    auto calendarStore = openCalendarStore(settings->folder(), environment, scheduler);
    platform::NotificationCategoryRegistry notificationCategories;
    platform::ShortcutRegistry shortcuts;
    platform::ProcRunningApplications runningApplications;
    views::ShellWindows windows;
    platform::QtMultimediaSoundPlayer soundPlayer;
    const platform::DesktopShortcutConflicts desktopShortcuts;
    AppState state(std::move(settings), scheduler, environment,
                   PlatformServices{*calendarStore, notificationCategories, shortcuts,
                                    runningApplications, windows, soundPlayer},
                   crashReporter);
    AppDelegate delegate(state, crashReporter);
    delegate.applicationDidFinishLaunching();
    bus.onActivate = [&delegate] { delegate.applicationShouldHandleReopen(); };
    state.prepare(MigrationConverters{
        [](const settings::Defaults& d) { exclusion::convertStoredExcludeMatchers(d); }});
    Panel panel(
        state,
        [&options, &state] {
            return options.environment(state.defaults().get(settings::keys::locale));
        },
        colorScheme, windows);
    WorldClock worldClock(state, panel);
    VideoCalls videoCalls(state.defaults(), state.settingsFiles().folder());
    EventsSection eventsSection(state, panel, *calendarStore, videoCalls);
    QuickAddSection quickAdd(state, panel, *calendarStore);
    UpcomingEventItem upcomingEvent(state, panel, eventsSection, videoCalls);
    FullscreenAlerts fullscreenAlerts(state, panel, eventsSection, videoCalls);
    NextCallMenuEntry nextCallEntry(state, panel, videoCalls);
    CallNotifications callNotifications(state, panel, videoCalls);
    NewCalendarItems newItems(state, panel, videoCalls.urlOpener());
    panel.setNewEventAction([&newItems] { newItems.start(); });
    SettingsWindowHost settingsWindow(state, panel, &desktopShortcuts);
    addSettingsEntries(panel, settingsWindow);
    callNotifications.setSettingsOpener(
        [&settingsWindow] { settingsWindow.show(QStringLiteral("alerts")); });
    ProgramActions actions(
        state, panel, videoCalls, bus, [&newItems] { newItems.start(); },
        [&settingsWindow](const QString& pane) { settingsWindow.show(pane); });
    connectShellWindows(windows, panel, state.settingsFiles().folder(),
                        [&settingsWindow] { settingsWindow.show(QString()); });
    settingsWindow.setDebugInfo(windows.debugInfo);
    state.setShortcutAction(QStringLiteral("joinMeeting"),
                            [&actions] { actions.joinFromShortcut(); });
    state.setShortcutAction(QStringLiteral("newEvent"), [&newItems] { newItems.start(); });
    // X11 grabs only on X11: on Wayland a grab on XWayland sees keys only while an X window
    // has the focus. The portal where the desktop offers it.
    GlobalShortcutKeys shortcutKeys(state.defaults(), shortcuts,
                                    {QGuiApplication::platformName() == QLatin1String("xcb"),
                                     QString(), QDBusConnection::sessionBus()});
    QNetworkAccessManager network;
    QObject downloads; // goes before the network, taking the downloads' callbacks with it
    platform::DBusNotifications importNotifications;
    CalendarLinks calendarLinks(
        {[&store = *calendarStore](const QString& path) {
             return store.importFile(path, QString());
         },
         [&store = *calendarStore](const QByteArray& text) {
             return importCalendarText(store, text);
         },
         [&network, &downloads](const QUrl& url,
                                std::function<void(kit::Result<QByteArray>)> done) {
             platform::downloadCalendar(network, url, &downloads, std::move(done));
         },
         [&importNotifications](const QString& summary, const QString& body) {
             platform::NotificationRequest request;
             request.summary = summary;
             request.body = body;
             importNotifications.post(QStringLiteral("calendar-import"), request);
         }});
    bus.onOpen = [&calendarLinks](const QStringList& handed) { calendarLinks.open(handed); };
    calendarLinks.open(uris);
    state.scheduleDidLaunch();
    if (settingsPane)
        QTimer::singleShot(0,
                           [&settingsWindow, pane = *settingsPane] { settingsWindow.show(pane); });
    const int status = QApplication::exec();
    bus.onOpen = nullptr;
    return status;
}

} // namespace

int appMain(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const auto options = GlobalOptions::parse(arguments);
    if (!options) {
        std::fprintf(stderr, "ruvo: %s\n", qPrintable(options.error()));
        return 2;
    }
    if (options->remaining.isEmpty() || !options->urisToOpen().isEmpty())
        return runProgram(argc, argv, *options);
    if (auto pane = cli::settingsPaneRequested(options->remaining))
        return runProgram(argc, argv, *options, *pane);

    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ruvo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(RUVO_VERSION));
    kit::installLog(QString(), QtWarningMsg);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = runCommand(*options, out, err);
    out.flush();
    err.flush();
    return status;
}

} // namespace ruvo::app
