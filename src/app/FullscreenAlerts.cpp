// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FullscreenAlerts.h"

#include "events/CallEventConversion.h"
#include "timezones/IcuFormat.h"

namespace ruvo::app {

FullscreenAlerts::FullscreenAlerts(AppState& state, Panel& panel, EventsSection& eventsSection,
                                   VideoCalls& videoCalls)
    : m_state(state), m_panel(panel), m_eventsSection(eventsSection), m_videoCalls(videoCalls) {
    auto controller = std::make_unique<alerts::FullscreenAlertController>(
        alerts::FullscreenAlertController::Dependencies{
            m_state.defaults(), kit::steadyClock(), m_state.scheduler(), m_state.eventsController(),
            m_state.calendarStore(), m_panel.dateEvents(), m_state.soundPlayer(),
            [this](const platform::Event& event) { return hasVideoCall(event); },
            [this](const platform::Event& event) {
                return m_videoCalls.joined().hasJoined(events::toCallEvent(event));
            },
            [this](const platform::Event& event) { return m_videoCalls.join(event); },
            [this](const platform::Event& event) { showEvent(event); }});
    m_overlay = std::make_unique<views::FullscreenOverlay>(*controller, m_panel.environment());
    m_state.setFullscreenAlerts(std::move(controller));
}

FullscreenAlerts::~FullscreenAlerts() {
    m_overlay.reset();
    m_state.setFullscreenAlerts(nullptr);
}

bool FullscreenAlerts::hasVideoCall(const platform::Event& event) {
    return !event.isAllDay() &&
           m_videoCalls.detector().videoCall(events::toCallEvent(event)).has_value();
}

void FullscreenAlerts::showEvent(const platform::Event& event) {
    m_state.selectedDate.set(
        timezones::localDate(m_panel.environment()().timeZoneId, event.start()));
    auto& window = m_panel.menuWindow();
    if (!window.isMenuWindowVisible())
        window.showMenuWindow(std::nullopt);
    m_eventsSection.showDetails(event);
}

} // namespace ruvo::app
