// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/NextCallMenuEntry.h"

#include "alerts/JoinMenuLabel.h"
#include "events/NextCallEvent.h"
#include "settings/Keys.h"

namespace ruvo::app {

namespace keys = settings::keys;

NextCallMenuEntry::NextCallMenuEntry(AppState& state, Panel& panel, VideoCalls& videoCalls)
    : m_state(state), m_panel(panel), m_videoCalls(videoCalls) {
    m_subscriptions.push_back(m_state.eventsController().eventsDidChange().connect([this] {
        if (events::changesNextVideoCall(m_state.eventsController().lastChange(),
                                         m_state.scheduler().now()))
            refresh();
    }));
    m_subscriptions.push_back(m_state.defaults().observe(
        {keys::enabledCalendars, keys::showAllDaysEvents}, [this] { refresh(); }));
    m_subscriptions.push_back(
        m_panel.dateEvents().subscribe([this](platform::DateEvent) { refresh(); }));
    m_minuteTick = m_state.clockTicks().subscribe(menubar::ClockTimer::Precision::minute,
                                                  [this] { refresh(); });
    refresh();
}

NextCallMenuEntry::~NextCallMenuEntry() {
    m_panel.setJoinEntry(QString(), nullptr);
}

void NextCallMenuEntry::refresh() {
    const events::EventQueries queries(m_state.calendarStore(), m_state.defaults(),
                                       m_panel.environment()().timeZoneId);
    m_event =
        events::nextVideoCallEvent(queries, m_state.scheduler().now(), m_videoCalls.detector());
    if (!m_event) {
        m_panel.setJoinEntry(QString(), nullptr);
        return;
    }
    m_panel.setJoinEntry(alerts::joinMenuLabel(m_event->title()), [this] {
        if (m_event)
            m_videoCalls.join(*m_event);
    });
}

} // namespace ruvo::app
