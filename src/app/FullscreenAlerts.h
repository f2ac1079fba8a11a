// SPDX-License-Identifier: GPL-3.0-or-later
// The full-screen alert in the running program: builds the controller for the application
// state with the program's video calls, sounds and menu window, and the overlay that shows it
// on every screen. "Show Event" opens the menu window on the event's day with its details.
#pragma once

#include "app/AppState.h"
#include "app/EventsSection.h"
#include "app/Panel.h"
#include "app/VideoCalls.h"
#include "views/alerts/FullscreenOverlay.h"

namespace ruvo::app {

class FullscreenAlerts {
public:
    FullscreenAlerts(AppState& state, Panel& panel, EventsSection& eventsSection,
                     VideoCalls& videoCalls);
    FullscreenAlerts(const FullscreenAlerts&) = delete;
    FullscreenAlerts& operator=(const FullscreenAlerts&) = delete;
    ~FullscreenAlerts();

private:
    bool hasVideoCall(const platform::Event& event);
    void showEvent(const platform::Event& event);

    AppState& m_state;
    Panel& m_panel;
    EventsSection& m_eventsSection;
    VideoCalls& m_videoCalls;
    std::unique_ptr<views::FullscreenOverlay> m_overlay;
};

} // namespace ruvo::app
