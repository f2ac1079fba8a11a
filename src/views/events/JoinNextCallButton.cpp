// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/events/JoinNextCallButton.h"

#include "events/CallEventConversion.h"
#include "events/NextCallEvent.h"
#include "settings/Keys.h"

#include <QCoreApplication>

namespace ruvo::views {

namespace keys = settings::keys;

QString joinButtonLabel(const QString& title, const std::optional<QString>& serviceName) {
    if (serviceName && !serviceName->isEmpty())
        //: The button that joins the next call: "Join Standup (Zoom)".
        return QCoreApplication::translate("JoinNextCallButton", "Join %1 (%2)")
            .arg(title, *serviceName);
    return QCoreApplication::translate("JoinNextCallButton", "Join %1").arg(title);
}

JoinNextCallButton::JoinNextCallButton(EventListDependencies dependencies, QWidget* parent)
    : QPushButton(parent), m_dependencies(std::move(dependencies)) {
    setToolTip(tr("Join video call"));
    connect(this, &QPushButton::clicked, this, &JoinNextCallButton::onClicked);
    m_subscriptions.push_back(m_dependencies.defaults.observe(
        {keys::menuShowJoinVideoCallButton, keys::enabledCalendars, keys::showAllDaysEvents},
        [this] { refresh(); }));
    m_subscriptions.push_back(m_dependencies.eventsDidChange.connect([this] {
        const platform::StoreChange* change = m_dependencies.eventsChange;
        if (!change || events::changesNextVideoCall(*change, m_dependencies.scheduler.now()))
            refresh();
    }));
    m_minuteTick = m_dependencies.ticks.subscribe(menubar::ClockTimer::Precision::minute,
                                                  [this] { refresh(); });
    refresh();
}

void JoinNextCallButton::refresh() {
    const kit::Instant now = m_dependencies.scheduler.now();
    m_event.reset();
    std::optional<QString> service;
    if (m_dependencies.defaults.get(keys::menuShowJoinVideoCallButton)) {
        m_event = events::nextVideoCallEvent(m_dependencies.queries, now, m_dependencies.detector);
        if (m_event)
            service = m_dependencies.detector.videoCallServiceName(events::toCallEvent(*m_event));
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
