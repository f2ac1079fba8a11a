// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CallNotifications.h"

#include "events/CallEventConversion.h"
#include "timezones/IcuFormat.h"

namespace ruvo::app {

StandInWindows::StandInWindows()
    : m_join(m_windows.joinChosen.connect([this](const QString& key) { joinChosen.emit(key); })) {}

void StandInWindows::show(const QString& key, const alerts::CallNotificationContent& content) {
    m_windows.show(key, content.title, content.body);
}

void StandInWindows::close(const QString& key) {
    m_windows.close(key);
}

CallNotifications::CallNotifications(AppState& state, Panel& panel, VideoCalls& videoCalls)
    : m_state(state), m_panel(panel), m_videoCalls(videoCalls) {
    m_state.setVideoCallAlertsFactory([this] { return make(); });
}

CallNotifications::~CallNotifications() {
    m_state.setVideoCallAlertsFactory({});
}

std::unique_ptr<events::VideoCallAlerts> CallNotifications::make() {
    auto planner = std::make_shared<alerts::CallNotificationPlanner>(
        m_state.calendarStore(), m_state.defaults(), kit::steadyClock(),
        [this](const platform::Event& event) {
            return m_videoCalls.detector().videoCall(events::toCallEvent(event));
        },
        [this](const platform::Event& event) {
            return m_videoCalls.joined().hasJoined(events::toCallEvent(event));
        });
    return std::make_unique<alerts::VideoCallNotificationController>(
        alerts::VideoCallNotificationController::Dependencies{
            m_state.scheduler(), m_state.eventsController().eventsDidChange(), m_panel.dateEvents(),
            m_notifications, [planner](kit::Instant now) { return planner->plan(now); },
            [this](kit::Instant at) {
                return timezones::shortTimeText(m_panel.environment()(), at);
            },
            [this](const platform::Event& event) { m_videoCalls.join(event); }, &m_windows,
            &m_state.eventsController().lastChange()});
}

} // namespace ruvo::app
