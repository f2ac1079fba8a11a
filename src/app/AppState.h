// SPDX-License-Identifier: GPL-3.0-or-later
// The one application-wide state: it owns the settings, the scheduler, the platform services
// and the controllers for the whole run, and walks the launch sequence. Built once by the
// program's entry and handed to whatever needs it; there is no global instance.
#pragma once

#include "alerts/FullscreenAlertController.h"
#include "alerts/HourlyChime.h"
#include "alerts/UpcomingEventController.h"
#include "app/CrashReporter.h"
#include "app/LaunchSequence.h"
#include "events/EventsController.h"
#include "events/RemainingEvents.h"
#include "kit/Environment.h"
#include "kit/Scheduler.h"
#include "kit/Signal.h"
#include "menubar/MenuBarController.h"
#include "menubar/RemainingEventsCounter.h"
#include "settings/SettingsFiles.h"
#include "timezones/PlaceList.h"
#include "timezones/TimeTravelResets.h"
#include "timezones/TimeTravelWelcome.h"
#include "timezones/TimeZoneOffset.h"

#include <QDate>
#include <QUuid>
#include <memory>

namespace ruvo::app {

struct PlatformServices {
    platform::CalendarStore& calendarStore; // also the launch's calendar access
    platform::NotificationCategories& notificationCategories;
    platform::GlobalShortcuts& globalShortcuts;
    platform::RunningApplications& runningApplications;
    platform::LaunchWindows& windows;
    platform::SoundPlayer& soundPlayer;
};

// What the menu-bar controller needs from the system and the views.
struct MenuBarServices {
    platform::SystemDateEvents& dateEvents;
    std::function<kit::Environment()> environment; // follows the system zone and `locale`
    menubar::TextMeasure measure;
};

class AppState {
public:
    AppState(std::unique_ptr<settings::SettingsFiles> settings, kit::Scheduler& scheduler,
             kit::Environment environment, PlatformServices services, CrashReporter& crashReporter);

    const settings::Defaults& defaults() const { return m_settings->defaults(); }
    settings::SettingsFiles& settingsFiles() { return *m_settings; }
    kit::Scheduler& scheduler() { return m_scheduler; }
    const kit::Environment& environment() const { return m_environment; }
    LaunchSequence& launchSequence() { return m_launch; }

    // The day selected in the month calendar; the event list and the zone rows follow it.
    kit::ObservableValue<QDate> selectedDate;
    // The world-clock entry whose panel clock opened the menu window; none otherwise.
    kit::ObservableValue<std::optional<QUuid>> openedFromTimeZoneEntry;

    // The time-travel offset every zone view shows, and the places outside the world clock
    // that end time travel.
    timezones::TimeZoneOffset& timeZoneOffset() { return m_timeZoneOffset; }
    timezones::TimeTravelResets& timeTravelResets() { return m_timeTravelResets; }
    timezones::TimeTravelWelcome& timeTravelWelcome() { return m_timeTravelWelcome; }
    // The places the time-zone search looks in, prepared on first use.
    timezones::PlaceList& places() { return m_places; }

    // Opens the menu window when it is closed and closes it when it is open: the status item's
    // click, the toggle shortcut and a second start of the program all come here.
    void toggleMenuWindow();
    std::function<void()> menuWindowToggle; // set by the menu bar controller

    // Counts the launch and runs the migrations (before any controller reads settings).
    void prepare(const MigrationConverters& converters);
    // Creates the controllers, in this order: the events controller, the shared clock ticks
    // (with the hourly chime, kept while its switch is on), then the menu-bar controller.
    void createControllers(MenuBarServices menuBar);
    events::EventsController& eventsController() { return *m_events; }
    platform::CalendarStore& calendarStore() { return m_calendarStore; }
    menubar::MenuBarController& menuBarController() { return *m_menuBar; }
    menubar::ClockTicks& clockTicks() { return *m_ticks; }
    // The upcoming event's panel item exists while `upcomingEventInMenuBar_isEnabled` is on;
    // `make` builds it (the wiring knows the item and the views). An empty `make` drops it.
    using UpcomingEventFactory = std::function<std::unique_ptr<alerts::UpcomingEventController>()>;
    void setUpcomingEventFactory(UpcomingEventFactory make);
    alerts::UpcomingEventController* upcomingEventController() const { return m_upcoming.get(); }
    // The call notifications, which the events controller keeps while they are switched on;
    // `make` builds them (the wiring knows the notification server and the windows). An
    // empty `make` drops them.
    void setVideoCallAlertsFactory(events::VideoCallAlertsFactory make) {
        m_events->setVideoCallAlertsFactory(std::move(make));
    }
    // The full-screen alert, kept for the whole run (it plans nothing while switched off);
    // the wiring hands it in once the views it calls exist, and takes it back before they go.
    void setFullscreenAlerts(std::unique_ptr<alerts::FullscreenAlertController> alerts);
    alerts::FullscreenAlertController* fullscreenAlerts() const { return m_fullscreenAlerts.get(); }
    // Closes the full-screen alert, if one is shown (the `dismissFullscreenNotification` shortcut).
    void dismissFullscreenNotification();
    platform::SoundPlayer& soundPlayer() { return m_soundPlayer; }
    // Queues the rest of the launch sequence for the first turn of the event loop.
    void scheduleDidLaunch();
    // The action of a shortcut name whose feature lives outside the state (joining a call);
    // set before the launch sequence attaches the actions.
    void setShortcutAction(const QString& name, std::function<void()> action) {
        m_extraShortcutActions[name] = std::move(action);
    }

private:
    std::map<QString, std::function<void()>> shortcutActions();
    std::map<QString, std::function<void()>> m_extraShortcutActions;
    void setUpcomingEventEnabled(bool isEnabled);
    void createEventsController(MenuBarServices& menuBar);
    void onEventsAccessGranted();
    void followHourlyChimeSwitch(std::function<kit::Environment()> environment);

    std::unique_ptr<settings::SettingsFiles> m_settings;
    kit::Scheduler& m_scheduler;
    kit::Environment m_environment;
    platform::CalendarStore& m_calendarStore;
    LaunchSequence m_launch;
    timezones::TimeZoneOffset m_timeZoneOffset;
    timezones::TimeTravelResets m_timeTravelResets;
    timezones::TimeTravelWelcome m_timeTravelWelcome;
    timezones::PlaceList m_places;
    std::unique_ptr<events::EventsController> m_events;
    // The panel icon's count, over the events' queries.
    struct RemainingEventsCounter final : menubar::RemainingEventsCounter {
        explicit RemainingEventsCounter(events::RemainingEvents events)
            : events(std::move(events)) {}
        std::optional<int> remainingEventsToday(kit::Instant now) const override {
            return events.remainingEventsToday(now);
        }
        events::RemainingEvents events;
    };
    std::unique_ptr<RemainingEventsCounter> m_remainingEvents;
    std::unique_ptr<menubar::ClockTicks> m_ticks;
    std::unique_ptr<menubar::MenuBarController> m_menuBar;
    platform::SoundPlayer& m_soundPlayer;
    std::unique_ptr<alerts::HourlyChime> m_hourlyChime; // only while the chime is on
    kit::Subscription m_hourlyChimeSwitch;
    kit::Timer m_didLaunch;
    kit::Subscription m_wake;
    kit::Subscription m_eventsChanged;
    UpcomingEventFactory m_makeUpcomingEvent;
    std::unique_ptr<alerts::UpcomingEventController> m_upcoming;
    kit::Subscription m_upcomingSwitch;
    std::unique_ptr<alerts::FullscreenAlertController> m_fullscreenAlerts;
};

} // namespace ruvo::app
