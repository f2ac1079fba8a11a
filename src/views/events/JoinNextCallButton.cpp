// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/events/JoinNextCallButton.h"

#include "events/CallEventConversion.h"
#include "events/videocalls/NextVideoCall.h"
#include "settings/Keys.h"

namespace ruvo::views {

namespace keys = settings::keys;

QString joinButtonLabel(const QString& title, const std::optional<QString>& serviceName) {
    QString label = QStringLiteral("Join ") + title;
    if (serviceName && !serviceName->isEmpty())
        label += QStringLiteral(" (") + *serviceName + QLatin1Char(')');
    return label;
}

JoinNextCallButton::JoinNextCallButton(EventListDependencies dependencies, QWidget* parent)
    : QPushButton(parent), m_dependencies(std::move(dependencies)) {
    setToolTip(QStringLiteral("Join video call"));
    connect(this, &QPushButton::clicked, this, &JoinNextCallButton::onClicked);
    m_subscriptions.push_back(m_dependencies.defaults.observe(
        {keys::menuShowJoinVideoCallButton, keys::enabledCalendars, keys::showAllDaysEvents},
        [this] { refresh(); }));
    m_subscriptions.push_back(m_dependencies.eventsDidChange.connect([this] { refresh(); }));
    m_minuteTick = m_dependencies.ticks.subscribe(menubar::ClockTimer::Precision::minute,
                                                  [this] { refresh(); });
    refresh();
}

void JoinNextCallButton::refresh() {
    const kit::Instant now = m_dependencies.scheduler.now();
    m_event.reset();
    std::optional<QString> service;
    if (m_dependencies.defaults.get(keys::menuShowJoinVideoCallButton)) {
        const auto events = m_dependencies.queries.events(
            platform::DateRange{now, now + videocalls::kNextVideoCallLookAhead});
        std::vector<videocalls::CallEvent> calls;
        calls.reserve(events.size());
        for (const auto& event : events)
            calls.push_back(events::toCallEvent(event));
        if (const auto next = videocalls::nextVideoCall(calls, now, m_dependencies.detector)) {
            const auto index =
                std::size_t(std::find(calls.begin(), calls.end(), *next) - calls.begin());
            m_event = events[index];
            service = m_dependencies.detector.videoCallServiceName(*next);
        }
    }
    if (m_event)
        setText(joinButtonLabel(m_event->title(), service));
    const bool isNeeded = m_event.has_value();
    setVisible(isNeeded);
    if (isNeeded != m_isNeeded) {
        m_isNeeded = isNeeded;
        Q_EMIT visibilityNeedChanged(isNeeded);
    }
}

void JoinNextCallButton::onClicked() {
    if (m_event && m_dependencies.join)
        m_dependencies.join(*m_event);
}

} // namespace ruvo::views
