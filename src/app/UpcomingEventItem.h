// SPDX-License-Identifier: GPL-3.0-or-later
// The upcoming event in the running program: builds the controller with its own status item
// ("ruvo-upcoming"), drawn by the panel's painter, for the application state, which keeps it
// while the feature is switched on. Its click opens the menu window on the event's day (and
// the event's details when the settings say so) or joins the call in join mode.
#pragma once

#include "app/AppState.h"
#include "app/EventsSection.h"
#include "app/Panel.h"
#include "app/VideoCalls.h"

namespace ruvo::app {

class UpcomingEventItem {
public:
    UpcomingEventItem(AppState& state, Panel& panel, EventsSection& eventsSection,
                      VideoCalls& videoCalls);
    UpcomingEventItem(const UpcomingEventItem&) = delete;
    UpcomingEventItem& operator=(const UpcomingEventItem&) = delete;
    ~UpcomingEventItem();

private:
    std::unique_ptr<alerts::UpcomingEventController> make();
    void open(const std::optional<platform::Event>& event, std::optional<QPoint> clickPoint);

    AppState& m_state;
    Panel& m_panel;
    EventsSection& m_eventsSection;
    VideoCalls& m_videoCalls;
};

} // namespace ruvo::app
