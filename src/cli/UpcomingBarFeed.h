// SPDX-License-Identifier: GPL-3.0-or-later
// `ruvo bar --waybar --upcoming`: the upcoming event as a waybar module of its own. The feed
// runs the panel item's controller on an item that writes a waybar line whenever what it
// shows changes, so the module follows the same minute ticks, calendar changes (the store's
// own file watching), date events and settings as the panel item, without polling.
#pragma once

#include "alerts/UpcomingEventController.h"
#include "menubar/BarFeed.h"

#include <memory>

namespace ruvo::cli {

// The module's line for what the item shows at `now`: the item's text ("" while it is
// hidden, which hides the module), the whole title and the event's times as the tooltip,
// and the class "ruvo-upcoming" with "soon" (starting within 10 minutes), "ongoing" or "none".
menubar::BarState upcomingBarState(const alerts::UpcomingDisplay& display, kit::Instant now,
                                   const kit::Environment& environment);

class UpcomingBarFeed {
public:
    struct Dependencies {
        const settings::Defaults& defaults;
        kit::Scheduler& scheduler;
        platform::SystemDateEvents& dateEvents;
        platform::CalendarStore& store;
        kit::Environment environment;
        alerts::UpcomingEvents::VideoCallTest hasVideoCall;
        std::function<void(const QString& line)> write; // one line, with its newline
    };

    explicit UpcomingBarFeed(Dependencies dependencies);
    UpcomingBarFeed(const UpcomingBarFeed&) = delete;
    UpcomingBarFeed& operator=(const UpcomingBarFeed&) = delete;
    ~UpcomingBarFeed();

private:
    void onUpdated();

    Dependencies m_deps;
    menubar::ClockTicks m_ticks;
    events::EventsController m_events;
    std::unique_ptr<alerts::UpcomingEventController> m_controller;
    QString m_lastLine;
};

} // namespace ruvo::cli
