// SPDX-License-Identifier: GPL-3.0-or-later
// The one owner of the calendar store's change signal and of the calendar settings'
// reactions. `eventsDidChange` fires 0.1 s after the last of a burst of store changes,
// wakes (each delayed by 1 s) and reloads; every event-dependent display re-queries on it,
// or, when `lastChange` does not touch the days it shows, lets it pass.
// The controller also keeps the video-call alerts alive while they are switched on, re-plans
// them when their settings change, and enables calendars and reminder lists the first time
// access allows it.
#pragma once

#include "kit/Debouncer.h"
#include "kit/Scheduler.h"
#include "platform/CalendarStore.h"
#include "settings/Defaults.h"

#include <memory>

namespace ruvo::events {

// The video-call start notifications, owned here while they are switched on.
class VideoCallAlerts {
public:
    virtual ~VideoCallAlerts() = default;
    virtual void replan() = 0;
};
using VideoCallAlertsFactory = std::function<std::unique_ptr<VideoCallAlerts>()>;

class EventsController {
public:
    static constexpr kit::Milliseconds kDebounce{100};
    static constexpr kit::Milliseconds kWakeDelay{1000};

    EventsController(platform::CalendarStore& store, const settings::Defaults& defaults,
                     kit::Scheduler& scheduler, VideoCallAlertsFactory makeVideoCallAlerts = {});
    EventsController(const EventsController&) = delete;
    EventsController& operator=(const EventsController&) = delete;

    kit::Signal<>& eventsDidChange() { return m_eventsDidChange; }
    // What the store changes behind the latest eventsDidChange touched, all of a burst
    // together; everything after a reload, a wake or a store that does not say.
    const platform::StoreChange& lastChange() const { return m_lastChange; }
    // Makes eventsDidChange fire (after the debounce).
    void reloadEvents();
    // The machine woke from sleep.
    void onWake();

    VideoCallAlerts* videoCallAlerts() const { return m_videoCallAlerts.get(); }
    // Replaces the maker of the alerts: the current alerts go, and new ones are made at once
    // when they are switched on. An empty maker makes none.
    void setVideoCallAlertsFactory(VideoCallAlertsFactory makeVideoCallAlerts);

private:
    void observeSettings();
    void onShowRemindersChanged(bool isShown);
    void setVideoCallAlertsEnabled(bool isEnabled);
    void replanVideoCallAlerts();
    void later(kit::Task task);

    platform::CalendarStore& m_store;
    const settings::Defaults& m_defaults;
    kit::Scheduler& m_scheduler;
    VideoCallAlertsFactory m_makeVideoCallAlerts;
    kit::Signal<> m_eventsDidChange;
    platform::StoreChange m_pendingChange = platform::StoreChange::nothing();
    platform::StoreChange m_lastChange = platform::StoreChange::everything();
    kit::Debouncer m_debouncer;
    kit::Timer m_wakeDelay;
    std::vector<kit::Timer> m_tasks;
    std::vector<kit::Subscription> m_subscriptions;
    std::unique_ptr<VideoCallAlerts> m_videoCallAlerts;
};

// Whether `change` meets the time from `now` to `now + ahead`, widened by a minute for the
// waits between the change and the re-query: what an alert plan or a countdown looks at.
inline bool touchesTimeAhead(const platform::StoreChange& change, kit::Instant now,
                             kit::Milliseconds ahead) {
    constexpr kit::Milliseconds kSlack{60 * 1000};
    return change.touches({now - kSlack, now + ahead + kSlack});
}

// Enables every event calendar of the store once per installation, when events access is
// granted (the one-time marker "enableAllCalendars"). True when it did.
bool enableAllCalendarsOnNewInstallation(platform::CalendarStore& store,
                                         const settings::Defaults& defaults);

// Enables each calendar and reminder list of an online account (EDS) the first time the store
// lists it (a one-time marker per calendar), so an account added on the desktop shows up at
// once while one the user turned off stays off. Folders are enabled when they are added.
// True when it enabled one.
bool enableNewAccountCalendars(platform::CalendarStore& store, const settings::Defaults& defaults);

} // namespace ruvo::events
