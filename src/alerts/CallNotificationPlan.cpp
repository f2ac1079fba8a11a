// SPDX-License-Identifier: GPL-3.0-or-later
#include "alerts/CallNotificationPlan.h"

#include "events/EventQueries.h"
#include "events/MutedEvents.h"
#include "events/exclusion/ExclusionFilter.h"
#include "settings/Keys.h"

#include <algorithm>

namespace ruvo::alerts {

using platform::Event;
namespace keys = settings::keys;

QString PlannedCallNotification::key() const {
    return event.eventIdentifier() + QLatin1Char('@') +
           QString::number(event.start().time_since_epoch().count());
}

CallNotificationPlanner::CallNotificationPlanner(platform::CalendarStore& store,
                                                 const settings::Defaults& defaults,
                                                 const kit::Clock& steady, ServiceOf serviceOf,
                                                 IsJoined isJoined)
    : m_store(store), m_defaults(defaults), m_steady(steady), m_serviceOf(std::move(serviceOf)),
      m_isJoined(std::move(isJoined)) {}

// The enabled calendars' timed video calls overlapping the horizon, exclusion rules and
// duplicate collapsing applied, sorted by start.
std::vector<Event> CallNotificationPlanner::videoCalls(kit::Instant now,
                                                       kit::Milliseconds horizon) const {
    const events::EventQueries queries(m_store, m_defaults, QString());
    std::vector<Event> events = queries.events(platform::DateRange{now, now + horizon});
    std::erase_if(events, [this](const Event& e) { return e.isAllDay() || !m_serviceOf(e); });
    events = exclusion::filterCalendarItems(
        std::move(events), m_defaults.get(keys::fullscreenNotifications_excludeMatcher),
        exclusion::Location::systemNotifications, m_steady,
        [](const Event& e) { return e.title(); });
    const auto defaultCalendar = m_store.defaultCalendarForNewEvents();
    return events::collapseDuplicates(std::move(events),
                                      defaultCalendar ? defaultCalendar->identifier : QString());
}

bool CallNotificationPlanner::isSkipped(const Event& event, const std::vector<QString>& muted,
                                        const settings::StringSet& calendars) const {
    return (m_isJoined && m_isJoined(event)) || events::isMuted(muted, events::muteFacts(event)) ||
           calendars.count(event.calendarIdentifier()) == 0;
}

std::vector<PlannedCallNotification>
CallNotificationPlanner::plan(kit::Instant now, kit::Milliseconds horizon) const {
    const settings::StringSet calendars = m_defaults.get(keys::notifyForVideoCalls_calendars);
    if (calendars.empty())
        return {};
    const auto muted = m_defaults.get(keys::upcomingEventInMenuBarIgnoredEvents);
    const kit::Milliseconds before =
        std::max(kit::Milliseconds{0},
                 m_defaults.get(keys::notifyForVideoCallsDurationBefore).toMilliseconds());
    std::vector<PlannedCallNotification> planned;
    for (const Event& event : videoCalls(now, horizon)) {
        if (event.start() < now || isSkipped(event, muted, calendars))
            continue;
        const kit::Instant fireAt = event.start() - before;
        if (fireAt < now)
            continue;
        const auto service = m_serviceOf(event);
        planned.push_back({event, service ? service->name.value_or(QString()) : QString(), fireAt});
    }
    std::stable_sort(planned.begin(), planned.end(),
                     [](const auto& a, const auto& b) { return a.fireAt < b.fireAt; });
    return planned;
}

} // namespace ruvo::alerts
