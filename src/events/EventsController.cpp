// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/EventsController.h"

#include "events/EventsLog.h"
#include "settings/Keys.h"
#include "settings/RunOnce.h"

namespace ruvo::events {

namespace keys = settings::keys;
using platform::AuthorizationStatus;
using platform::EntityType;

namespace {

settings::StringSet identifiersOf(const std::vector<platform::Calendar>& calendars) {
    settings::StringSet ids;
    for (const auto& c : calendars)
        ids.insert(c.identifier);
    return ids;
}

} // namespace

bool enableAllCalendarsOnNewInstallation(platform::CalendarStore& store,
                                         const settings::Defaults& defaults) {
    if (store.authorizationStatus(EntityType::event) != AuthorizationStatus::fullAccess)
        return false;
    const bool didEnableAll =
        settings::runOnce(defaults, QStringLiteral("enableAllCalendars"), [&] {
            defaults.set(keys::enabledCalendars, identifiersOf(store.calendars(EntityType::event)));
        });
    return enableNewAccountCalendars(store, defaults) || didEnableAll;
}

bool enableNewAccountCalendars(platform::CalendarStore& store, const settings::Defaults& defaults) {
    if (store.authorizationStatus(EntityType::event) != AuthorizationStatus::fullAccess)
        return false;
    bool didEnable = false;
    for (EntityType kind : {EntityType::event, EntityType::reminder}) {
        const auto& key =
            kind == EntityType::event ? keys::enabledCalendars : keys::enabledRemindersLists;
        auto enabled = defaults.get(key);
        bool didEnableOfKind = false;
        for (const auto& c : store.calendars(kind)) {
            if (c.backend != QLatin1String("eds"))
                continue;
            settings::runOnce(defaults, QStringLiteral("enableCalendar:") + c.identifier, [&] {
                didEnableOfKind = enabled.insert(c.identifier).second || didEnableOfKind;
            });
        }
        if (didEnableOfKind)
            defaults.set(key, enabled);
        didEnable = didEnable || didEnableOfKind;
    }
    return didEnable;
}

EventsController::EventsController(platform::CalendarStore& store,
                                   const settings::Defaults& defaults, kit::Scheduler& scheduler,
                                   VideoCallAlertsFactory makeVideoCallAlerts)
    : m_store(store), m_defaults(defaults), m_scheduler(scheduler),
      m_makeVideoCallAlerts(std::move(makeVideoCallAlerts)),
      m_debouncer(scheduler, kDebounce, [this] {
          m_lastChange = std::exchange(m_pendingChange, platform::StoreChange::nothing());
          m_eventsDidChange.emit();
      }) {
    m_subscriptions.push_back(m_store.storeChanged().connect([this] {
        m_pendingChange.merge(m_store.lastChange());
        enableNewAccountCalendars(m_store, m_defaults);
        m_debouncer.trigger();
    }));
    observeSettings();
}

void EventsController::reloadEvents() {
    m_pendingChange = platform::StoreChange::everything();
    m_debouncer.trigger();
}

void EventsController::onWake() {
    m_wakeDelay = m_scheduler.after(kWakeDelay, [this] { reloadEvents(); });
}

// Reactions run as tasks of their own on the next turn, like every settings reaction; the
// timers die with the controller, so a late change never reaches a destroyed one.
void EventsController::later(kit::Task task) {
    std::erase_if(m_tasks, [](const kit::Timer& t) { return !t.isActive(); });
    m_tasks.push_back(m_scheduler.after(kit::Milliseconds{0}, std::move(task)));
}

// Both reactions are idempotent, so the initial call and each change simply re-apply.
void EventsController::observeSettings() {
    const settings::ObservationOptions initial{true, false};
    m_subscriptions.push_back(m_defaults.observe(
        keys::notifyWhenVideoCallStarts,
        [this](const settings::KeyChange<bool>& c) {
            later([this, on = c.newValue] { setVideoCallAlertsEnabled(on); });
        },
        initial));
    m_subscriptions.push_back(m_defaults.observe(
        std::vector<settings::KeyRef>{keys::notifyForVideoCalls_calendars,
                                      keys::fullscreenNotifications_excludeMatcher},
        [this] { later([this] { replanVideoCallAlerts(); }); }));
    m_subscriptions.push_back(m_defaults.observe(
        keys::showReminders,
        [this](const settings::KeyChange<bool>& c) {
            if (c.newValue)
                later([this] { onShowRemindersChanged(true); });
        },
        initial));
}

void EventsController::setVideoCallAlertsEnabled(bool isEnabled) {
    if (!isEnabled) {
        m_videoCallAlerts.reset();
        return;
    }
    if (!m_videoCallAlerts && m_makeVideoCallAlerts)
        m_videoCallAlerts = m_makeVideoCallAlerts();
}

void EventsController::setVideoCallAlertsFactory(VideoCallAlertsFactory makeVideoCallAlerts) {
    m_videoCallAlerts.reset();
    m_makeVideoCallAlerts = std::move(makeVideoCallAlerts);
    setVideoCallAlertsEnabled(m_defaults.get(keys::notifyWhenVideoCallStarts));
}

void EventsController::replanVideoCallAlerts() {
    if (m_videoCallAlerts)
        m_videoCallAlerts->replan();
}

void EventsController::onShowRemindersChanged(bool isShown) {
    if (!isShown)
        return;
    m_store.requestRemindersAccess([this](bool granted) {
        if (!granted)
            return;
        settings::runOnce(m_defaults, QStringLiteral("enableAllRemindersLists"), [this] {
            m_defaults.set(keys::enabledRemindersLists,
                           identifiersOf(m_store.calendars(EntityType::reminder)));
        });
    });
}

} // namespace ruvo::events
