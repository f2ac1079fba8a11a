// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar side of the running program: the calendar store follows the system's zone
// (floating and all-day times are read in it), and the menu window's month calendar, event
// list and join button are filled and wired to the store, the video calls and each other.
#pragma once

#include "app/AppState.h"
#include "app/Panel.h"
#include "app/VideoCalls.h"
#include "platform/linux/VdirCalendarStore.h"

namespace ruvo::app {

class EventsSection {
public:
    EventsSection(AppState& state, Panel& panel, platform::vdir::VdirCalendarStore& store,
                  VideoCalls& videoCalls);
    EventsSection(const EventsSection&) = delete;
    EventsSection& operator=(const EventsSection&) = delete;
    ~EventsSection();

private:
    void onDateEvent(platform::DateEvent event);

    AppState& m_state;
    Panel& m_panel;
    platform::vdir::VdirCalendarStore& m_store;
    VideoCalls& m_videoCalls;
    kit::Subscription m_dateEvents;
};

} // namespace ruvo::app
