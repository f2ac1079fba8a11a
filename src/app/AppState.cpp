// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppState.h"

#include "app/AppLog.h"
#include "settings/Keys.h"

namespace ruvo::app {

AppState::AppState(std::unique_ptr<settings::SettingsFiles> settings, kit::Scheduler& scheduler,
                   kit::Environment environment, PlatformServices services,
                   CrashReporter& crashReporter)
    : selectedDate(kit::toQDateTime(scheduler.now()).toLocalTime().date()),
      m_settings(std::move(settings)), m_scheduler(scheduler),
      m_environment(std::move(environment)), m_calendarStore(services.calendarStore),
      m_launch(m_settings->defaults(), scheduler,
               LaunchServices{services.calendarStore, services.notificationCategories,
                              services.globalShortcuts, services.runningApplications,
                              services.windows, crashReporter}),
      m_timeTravelResets(m_settings->defaults(), m_timeZoneOffset),
      m_timeTravelWelcome(m_settings->defaults()), m_soundPlayer(services.soundPlayer) {
    m_launch.setEventsAccessGranted([this] { onEventsAccessGranted(); });
}

void AppState::toggleMenuWindow() {
    if (menuWindowToggle)
        menuWindowToggle();
    else
        qCInfo(lcApp) << "The menu window is not part of this build yet";
}

void AppState::prepare(const MigrationConverters& converters) {
    m_launch.recordLaunch();
    m_launch.runMigrations(converters);
}

void AppState::createControllers(MenuBarServices menuBar) {
    createEventsController(menuBar);
    m_ticks = std::make_unique<menubar::ClockTicks>(
        m_scheduler, menuBar.dateEvents,
        [environment = menuBar.environment] { return environment().timeZoneId; });
    followHourlyChimeSwitch(menuBar.environment);
    m_menuBar =
        std::make_unique<menubar::MenuBarController>(menubar::MenuBarController::Dependencies{
            m_settings->defaults(), m_scheduler, *m_ticks, menuBar.dateEvents,
            std::move(menuBar.environment), std::move(menuBar.measure), m_remainingEvents.get()});
    menuWindowToggle = [this] { m_menuBar->toggleMenuWindow(); };
    // The title counts today's events: a change of other days (more than a day away from now
    // in any zone) leaves it as it is.
    m_eventsChanged = m_events->eventsDidChange().connect([this] {
        const kit::Instant now = m_scheduler.now();
        if (m_events->lastChange().touches(
                {now - std::chrono::hours(26), now + std::chrono::hours(26)}))
            m_menuBar->composeTitle();
    });
}

void AppState::followHourlyChimeSwitch(std::function<kit::Environment()> environment) {
    auto hourTicks = [this](std::function<void()> onHour) {
        auto timer = std::make_shared<menubar::ClockTimer>(
            m_ticks->subscribe(menubar::ClockTimer::Precision::hour, std::move(onHour)));
        return kit::Subscription([timer] { timer->cancel(); });
    };
    auto zoneId = [environment = std::move(environment)] { return environment().timeZoneId; };
    m_hourlyChimeSwitch = defaults().observe(
        settings::keys::hourlyChime_isEnabled,
        [this, hourTicks, zoneId](const settings::KeyChange<bool>& change) {
            if (!change.newValue)
                m_hourlyChime.reset();
            else if (!m_hourlyChime)
                m_hourlyChime =
                    std::make_unique<alerts::HourlyChime>(alerts::HourlyChime::Dependencies{
                        defaults(), m_scheduler, m_soundPlayer, zoneId, hourTicks});
        },
        {.initial = true});
}

// Access itself is asked by the launch sequence, not by the controller.
void AppState::createEventsController(MenuBarServices& menuBar) {
    m_events = std::make_unique<events::EventsController>(m_calendarStore, m_settings->defaults(),
                                                          m_scheduler);
    m_remainingEvents = std::make_unique<RemainingEventsCounter>(events::RemainingEvents(
        m_calendarStore, m_settings->defaults(),
        [environment = menuBar.environment] { return environment().timeZoneId; }));
    m_wake = menuBar.dateEvents.subscribe([this](platform::DateEvent event) {
        if (event == platform::DateEvent::wake)
            m_events->onWake();
    });
}

void AppState::onEventsAccessGranted() {
    if (events::enableAllCalendarsOnNewInstallation(m_calendarStore, m_settings->defaults()) &&
        m_events)
        m_events->reloadEvents();
}

void AppState::setUpcomingEventFactory(UpcomingEventFactory make) {
    m_upcoming.reset();
    m_makeUpcomingEvent = std::move(make);
    if (!m_makeUpcomingEvent) {
        m_upcomingSwitch.cancel();
        return;
    }
    m_upcomingSwitch = defaults().observe<bool>(settings::keys::upcomingEventInMenuBar_isEnabled,
                                                [this](const settings::KeyChange<bool>& change) {
                                                    setUpcomingEventEnabled(change.newValue);
                                                });
    setUpcomingEventEnabled(defaults().get(settings::keys::upcomingEventInMenuBar_isEnabled));
}

void AppState::setUpcomingEventEnabled(bool isEnabled) {
    if (!isEnabled)
        m_upcoming.reset(); // takes its item off the panel
    else if (!m_upcoming && m_makeUpcomingEvent)
        m_upcoming = m_makeUpcomingEvent();
}

void AppState::setFullscreenAlerts(std::unique_ptr<alerts::FullscreenAlertController> alerts) {
    m_fullscreenAlerts = std::move(alerts);
}

void AppState::dismissFullscreenNotification() {
    if (m_fullscreenAlerts)
        m_fullscreenAlerts->dismiss();
}

void AppState::scheduleDidLaunch() {
    m_didLaunch =
        m_scheduler.after(kit::Milliseconds{0}, [this] { m_launch.didLaunch(shortcutActions()); });
}

std::map<QString, std::function<void()>> AppState::shortcutActions() {
    std::map<QString, std::function<void()>> actions = m_extraShortcutActions;
    actions[QStringLiteral("toggleRuvo")] = [this] { toggleMenuWindow(); };
    actions[QStringLiteral("dismissFullscreenNotification")] = [this] {
        dismissFullscreenNotification();
    };
    actions[QStringLiteral("toggleFloatingClock")] = [this] {
        const auto& d = defaults();
        d.set(settings::keys::floatingClockIsEnabled,
              !d.get(settings::keys::floatingClockIsEnabled));
    };
    return actions;
}

} // namespace ruvo::app
