// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/EventsSection.h"

namespace ruvo::app {

EventsSection::EventsSection(AppState& state, Panel& panel,
                             platform::vdir::VdirCalendarStore& store, VideoCalls& videoCalls)
    : m_state(state), m_panel(panel), m_store(store), m_videoCalls(videoCalls) {
    m_dateEvents = panel.dateEvents().subscribe([this](platform::DateEvent e) { onDateEvent(e); });
}

EventsSection::~EventsSection() = default;

void EventsSection::onDateEvent(platform::DateEvent event) {
    if (event != platform::DateEvent::timeZoneChanged)
        return;
    m_store.setTimeZone(m_panel.environment()().timeZoneId);
    m_state.eventsController().reloadEvents();
}

} // namespace ruvo::app
