// SPDX-License-Identifier: GPL-3.0-or-later
#include "alerts/VideoCallNotificationController.h"

#include "alerts/ChimeLog.h"

#include <QCoreApplication>

namespace ruvo::alerts {

const QString VideoCallNotificationController::kJoinAction = QStringLiteral("JOIN_VIDEO_CALL");
const QString VideoCallNotificationController::kSoundName = QStringLiteral("message-new-instant");

VideoCallNotificationController::VideoCallNotificationController(Dependencies dependencies)
    : m_deps(std::move(dependencies)),
      m_replan(m_deps.scheduler, kReplanDelay, [this] { replan(); }),
      m_dateEvent(m_deps.scheduler, kDateEventDelay, [this] { m_replan.trigger(); }) {
    // A change beyond the horizon is planned by the periodic re-plan that brings it in.
    m_subscriptions.push_back(m_deps.eventsDidChange.connect([this] {
        if (!m_deps.eventsChange ||
            events::touchesTimeAhead(*m_deps.eventsChange, m_deps.scheduler.now(),
                                     CallNotificationPlanner::kHorizon))
            m_replan.trigger();
    }));
    m_subscriptions.push_back(
        m_deps.dateEvents.subscribe([this](platform::DateEvent) { m_dateEvent.trigger(); }));
    m_subscriptions.push_back(m_deps.notifications.actionInvoked.connect(
        [this](const QString& key, const QString& action) { onActionInvoked(key, action); }));
    m_subscriptions.push_back(m_deps.notifications.postFailed.connect(
        [this](const QString& key, const QString& reason) { onPostFailed(key, reason); }));
    if (m_deps.windows)
        m_subscriptions.push_back(
            m_deps.windows->joinChosen.connect([this](const QString& key) { join(key); }));
    m_interval = m_deps.scheduler.every(kReplanInterval, [this] { m_replan.trigger(); });
    m_replan.trigger();
}

// Posted notifications stay on the desktop; only the windows, which would answer nothing
// without us, go.
VideoCallNotificationController::~VideoCallNotificationController() {
    if (m_deps.windows)
        for (const auto& [key, shown] : m_shown)
            m_deps.windows->close(key);
}

void VideoCallNotificationController::replan() {
    m_scheduled.clear();
    const auto planned = m_deps.plan(m_deps.scheduler.now());
    for (const PlannedCallNotification& p : planned)
        schedule(p);
    qCDebug(lcChime) << "Call notifications planned:" << m_scheduled.size();
}

void VideoCallNotificationController::schedule(const PlannedCallNotification& planned) {
    const QString key = planned.key();
    if (m_shown.count(key) > 0 || m_scheduled.count(key) > 0)
        return;
    Scheduled& entry = m_scheduled[key];
    entry.planned = planned;
    entry.fire = m_deps.scheduler.at(planned.fireAt, [this, key] { fire(key); });
}

void VideoCallNotificationController::fire(const QString& key) {
    const auto found = m_scheduled.find(key);
    if (found == m_scheduled.end())
        return;
    const PlannedCallNotification planned = std::move(found->second.planned);
    m_scheduled.erase(found); // the running timer's own entry: its task is a copy
    const kit::Instant now = m_deps.scheduler.now();
    const platform::DateRange range = planned.event.dateRange();
    if (now > planned.fireAt + kLateLimit || (range.end > range.start && now >= range.end)) {
        qCInfo(lcChime) << "A call notification whose moment has passed was not shown:"
                        << planned.event.eventIdentifier();
        return;
    }
    post(planned);
}

QString VideoCallNotificationController::bodyText(const PlannedCallNotification& planned,
                                                  const QString& timeText, bool canShowActions) {
    QString body = planned.serviceName.isEmpty()
                       ? timeText
                       : QCoreApplication::translate(
                             "ruvo::alerts::VideoCallNotificationController", "%1 · %2")
                             .arg(timeText, planned.serviceName);
    if (!canShowActions)
        body += QLatin1Char('\n') +
                QCoreApplication::translate("ruvo::alerts::VideoCallNotificationController",
                                            "To join, choose “Join %1” in the Ruvo panel menu.")
                    .arg(planned.event.title());
    return body;
}

void VideoCallNotificationController::post(const PlannedCallNotification& planned) {
    const QString key = planned.key();
    const CallNotificationContent content{planned.event.title(),
                                          bodyText(planned, m_deps.timeText(planned.event.start()),
                                                   m_deps.notifications.canShowActions())};
    // A call without a duration keeps its notification until the user closes it; it is only
    // forgotten once it can no longer be planned again.
    const kit::Instant end = planned.event.dateRange().end;
    const kit::Instant now = m_deps.scheduler.now();
    m_shown[key] = {planned.event, content,
                    end > now ? m_deps.scheduler.at(end, [this, key] { withdraw(key); })
                              : m_deps.scheduler.at(now + kReplanInterval,
                                                    [this, key] { m_shown.erase(key); })};
    qCInfo(lcChime) << "Call notification posted:" << planned.event.eventIdentifier();
    m_deps.notifications.post(
        key, {content.title,
              content.body,
              {{kJoinAction, QCoreApplication::translate(
                                 "ruvo::alerts::VideoCallNotificationController", "Join")}},
              true,
              kSoundName});
}

void VideoCallNotificationController::withdraw(const QString& key) {
    m_deps.notifications.withdraw(key);
    if (m_deps.windows)
        m_deps.windows->close(key);
    m_shown.erase(key);
}

void VideoCallNotificationController::onActionInvoked(const QString& key, const QString& action) {
    if (action == kJoinAction)
        join(key);
}

void VideoCallNotificationController::onPostFailed(const QString& key, const QString& reason) {
    const auto found = m_shown.find(key);
    if (found == m_shown.end() || !m_deps.windows)
        return;
    qCWarning(lcChime) << "No notification server showed the call notification; a window does:"
                       << reason;
    m_deps.windows->show(key, found->second.content);
}

void VideoCallNotificationController::join(const QString& key) {
    const auto found = m_shown.find(key);
    if (found == m_shown.end())
        return; // the event has ended since
    const platform::Event event = found->second.event;
    m_deps.join(event);
}

std::vector<QString> VideoCallNotificationController::scheduledKeys() const {
    std::vector<QString> keys;
    for (const auto& [key, entry] : m_scheduled)
        keys.push_back(key);
    return keys;
}

std::vector<QString> VideoCallNotificationController::shownKeys() const {
    std::vector<QString> keys;
    for (const auto& [key, entry] : m_shown)
        keys.push_back(key);
    return keys;
}

} // namespace ruvo::alerts
