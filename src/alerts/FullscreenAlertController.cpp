// SPDX-License-Identifier: GPL-3.0-or-later
#include "alerts/FullscreenAlertController.h"

#include "alerts/ChimeLog.h"
#include "alerts/SoundCatalogue.h"
#include "kit/Time.h"
#include "settings/Keys.h"

#include <QCoreApplication>

namespace ruvo::alerts {

using namespace std::chrono_literals;
using platform::Event;
namespace keys = settings::keys;

namespace {

std::vector<settings::KeyRef> planKeys() {
    return {keys::fullscreenNotifications_isEnabled,
            keys::fullscreenNotifications_calendars,
            keys::fullscreenNotifications_durationBefore,
            keys::fullscreenNotifications_onlyVideoCalls,
            keys::fullscreenNotifications_onlyEventsWithAlert,
            keys::fullscreenNotifications_onlyEventsWithStatus,
            keys::fullscreenNotifications_excludeMatcher,
            keys::upcomingEventInMenuBarIgnoredEvents,
            keys::hiddenEvents};
}

// One alert of one occurrence at one instant.
QString alertKey(const FullscreenAlert& alert) {
    return alert.event.eventIdentifier() + QLatin1Char('@') +
           QString::number(alert.event.start().time_since_epoch().count()) + QLatin1Char('@') +
           QString::number(alert.fireAt.time_since_epoch().count());
}

} // namespace

FullscreenAlertController::FullscreenAlertController(Dependencies dependencies)
    : m_deps(std::move(dependencies)), m_plan(m_deps.store, m_deps.defaults, m_deps.filterClock,
                                              m_deps.hasVideoCall, m_deps.hasJoined),
      m_trigger(m_deps.scheduler, kDebounce, [this] { replan(); }) {
    observe();
    replan();
}

void FullscreenAlertController::observe() {
    auto trigger = [this] { m_trigger.trigger(); };
    // A change beyond the window is planned by the periodic re-plan that brings it in.
    m_subscriptions.push_back(m_deps.events.eventsDidChange().connect([this, trigger] {
        if (events::touchesTimeAhead(m_deps.events.lastChange(), m_deps.scheduler.now(),
                                     kFullscreenLookAhead))
            trigger();
    }));
    m_subscriptions.push_back(m_deps.defaults.observe(planKeys(), trigger));
    m_subscriptions.push_back(
        m_deps.dateEvents.subscribe([trigger](platform::DateEvent) { trigger(); }));
}

void FullscreenAlertController::replan() {
    m_waits.clear();
    if (!m_plan.isEnabled()) {
        stopAll();
        return;
    }
    if (!m_periodic.isActive())
        m_periodic = m_deps.scheduler.every(kReplanInterval, [this] { replan(); });
    const kit::Instant now = m_deps.scheduler.now();
    std::erase_if(m_fired, [now](const auto& entry) { return entry.second < now; });
    for (const FullscreenAlert& alert : m_plan.plan(now))
        arm(alert, now);
}

void FullscreenAlertController::arm(const FullscreenAlert& alert, kit::Instant now) {
    // The scheduler runs a past instant at once: such an alert would come late.
    if (alert.fireAt < now || m_fired.count(alertKey(alert)))
        return;
    qCDebug(lcChime) << "SCHEDULING FULLSCREEN EVENT" << alert.event.title() << "at"
                     << kit::formatIsoUtc(alert.fireAt);
    Wait wait{alert, {}};
    wait.timer = m_deps.scheduler.at(alert.fireAt, [this, alert] { onFire(alert); });
    m_waits.push_back(std::move(wait));
}

void FullscreenAlertController::onFire(const FullscreenAlert& alert) {
    const kit::Instant now = m_deps.scheduler.now();
    // Timers run on elapsed time: after the clock was set back, the plan is made again.
    if (now + 1s < alert.fireAt) {
        m_trigger.trigger();
        return;
    }
    if (now > alert.fireAt + kLateLimit) {
        qCInfo(lcChime) << "Full-screen alert for" << alert.event.title() << "due at"
                        << kit::formatIsoUtc(alert.fireAt) << "dropped: it is too late now";
        return;
    }
    m_fired[alertKey(alert)] = alert.fireAt;
    present(alert.event, false);
}

void FullscreenAlertController::present(const Event& event, bool isPreview) {
    m_shown = FullscreenAlertShown{
        event, !isPreview && m_deps.hasVideoCall && m_deps.hasVideoCall(event), isPreview, {}};
    playSound(m_deps.player, m_deps.defaults.get(keys::fullscreenNotifications_sound),
              m_deps.defaults.get(keys::fullscreenNotifications_soundVolume));
    m_shownChanged.emit();
}

// Switched off: nothing waits, and an alert on screen goes (a preview stays).
void FullscreenAlertController::stopAll() {
    m_periodic.cancel();
    m_snoozed.reset();
    if (m_shown && !m_shown->isPreview)
        dismiss();
}

std::vector<FullscreenAlert> FullscreenAlertController::waiting() const {
    std::vector<FullscreenAlert> alerts;
    for (const Wait& wait : m_waits)
        if (wait.timer.isActive())
            alerts.push_back(wait.alert);
    return alerts;
}

std::optional<kit::Instant> FullscreenAlertController::snoozedUntil() const {
    if (m_snoozed && m_snoozed->timer.isActive())
        return m_snoozed->alert.fireAt;
    return std::nullopt;
}

void FullscreenAlertController::joinVideoCall() {
    if (!m_shown || !m_shown->canJoin)
        return;
    if (m_deps.joinVideoCall && m_deps.joinVideoCall(m_shown->event)) {
        dismiss();
        return;
    }
    m_shown->error =
        QCoreApplication::translate("FullscreenAlert", "The video call could not be opened.");
    m_shownChanged.emit();
}

void FullscreenAlertController::showEvent() {
    if (!m_shown)
        return;
    const FullscreenAlertShown shown = *m_shown;
    dismiss();
    if (!shown.isPreview && m_deps.showEvent)
        m_deps.showEvent(shown.event);
}

void FullscreenAlertController::snooze(SnoozeChoice choice) {
    if (!m_shown)
        return;
    const FullscreenAlertShown shown = *m_shown;
    dismiss();
    const kit::Instant now = m_deps.scheduler.now();
    const kit::Instant until = choice == SnoozeChoice::oneMinute     ? now + 1min
                               : choice == SnoozeChoice::fiveMinutes ? now + 5min
                                                                     : shown.event.start();
    if (shown.isPreview || until <= now)
        return;
    qCDebug(lcChime) << "SCHEDULED SNOOZE AT" << kit::formatIsoUtc(until);
    const FullscreenAlert alert{shown.event, until};
    m_snoozed = Wait{alert, m_deps.scheduler.at(until, [this, alert] { onFire(alert); })};
}

void FullscreenAlertController::dismiss() {
    if (!m_shown)
        return;
    m_shown.reset();
    m_shownChanged.emit();
}

void FullscreenAlertController::preview() {
    auto data = std::make_shared<platform::EventData>();
    data->title = QCoreApplication::translate("FullscreenAlert", "Team Meeting");
    data->extra().location = QCoreApplication::translate("FullscreenAlert", "Conference Room");
    const kit::Instant start = m_deps.scheduler.now() + m_plan.leadTime();
    present(Event(std::move(data), start, start + 30min, start), true);
}

} // namespace ruvo::alerts
