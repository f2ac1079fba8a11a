// SPDX-License-Identifier: GPL-3.0-or-later
// The upcoming event's own panel item: it shows the next event's title and countdown
// (UpcomingEvents), redraws on every minute tick, 0.5 s after calendar changes, on date
// events and when one of its settings changes, and hides when there is nothing to show.
// A click opens the menu window on the event or, in join mode, joins its video call; the
// item's menu toggles the title and mutes the event.
//
// Exists only while the feature is switched on; dropping it takes the item off the panel.
#pragma once

#include "alerts/UpcomingEvents.h"
#include "events/EventsController.h"
#include "kit/Debouncer.h"
#include "menubar/ClockTimer.h"
#include "platform/StatusItem.h"
#include "platform/SystemDateEvents.h"

namespace ruvo::alerts {

class UpcomingEventController {
public:
    static constexpr kit::Milliseconds kDebounce{500};

    struct Dependencies {
        const settings::Defaults& defaults;
        const kit::Clock& clock;
        kit::Scheduler& scheduler;
        menubar::ClockTicks& ticks;
        events::EventsController& events;
        platform::CalendarStore& store;
        platform::SystemDateEvents& dateEvents;
        std::function<kit::Environment()> environment; // follows the zone and the locale
        std::function<bool()> isDark;                  // the panel's appearance; may be empty
        UpcomingEvents::VideoCallTest hasVideoCall;    // may be empty
        // Opens the menu window, on the event when there is one.
        std::function<void(const std::optional<platform::Event>&, std::optional<QPoint>)>
            openWindow;
        std::function<void(const platform::Event&)> joinVideoCall;
        std::function<QColor()> accentColour; // the placeholder's calendar bar; may be empty
    };

    UpcomingEventController(Dependencies dependencies, std::unique_ptr<platform::StatusItem> item);
    UpcomingEventController(const UpcomingEventController&) = delete;
    UpcomingEventController& operator=(const UpcomingEventController&) = delete;
    ~UpcomingEventController();

    // Recomputes the event and redraws the whole item.
    void update();

    // While the user positions the item on the panel it shows a sample event and a hint in
    // its menu instead of the next event, and clicks do nothing.
    void setShouldShowUpcomingEventPlaceholder(bool shouldShow);
    bool shouldShowUpcomingEventPlaceholder() const { return m_showsPlaceholder; }

    const UpcomingDisplay& display() const { return m_display; }
    platform::StatusItem& statusItem() { return *m_item; }

private:
    void observe();
    void makeUpcomingEvents();
    void onActivated(const platform::ActivationEvent& event);
    void onMenuEntry(const QString& id);
    bool isJoinMode() const;
    void showPlaceholder();
    void showMenu(std::vector<platform::StatusMenuEntry> entries);
    platform::StatusItemTextStyle textStyle() const;
    platform::StatusItemContent content() const;
    std::vector<platform::StatusMenuEntry> menu() const;
    void muteShownEvent();

    Dependencies m_deps;
    std::unique_ptr<UpcomingEvents> m_upcoming;
    std::unique_ptr<platform::StatusItem> m_item;
    UpcomingDisplay m_display;
    std::vector<platform::StatusMenuEntry> m_menu;
    kit::Debouncer m_eventsChange;
    menubar::ClockTimer m_timer;
    std::vector<kit::Subscription> m_subscriptions;
    bool m_showsPlaceholder = false;
};

// The status item's id of the upcoming event.
inline const QString kUpcomingItemId = QStringLiteral("ruvo-upcoming");

} // namespace ruvo::alerts
