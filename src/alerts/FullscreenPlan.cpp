// SPDX-License-Identifier: GPL-3.0-or-later
#include "alerts/FullscreenPlan.h"

#include "events/EventQueries.h"
#include "events/MutedEvents.h"
#include "events/exclusion/ExclusionFilter.h"
#include "settings/Keys.h"

namespace ruvo::alerts {

using platform::Event;
using platform::ParticipantStatus;
using settings::FullscreenNotificationOnlyEventStatus;
namespace keys = settings::keys;

ParticipantStatus currentUserStatus(const Event& event) {
    if (event.attendees().empty() || event.isOrganizedByCurrentUser())
        return ParticipantStatus::accepted;
    for (const auto& attendee : event.attendees())
        if (attendee.isCurrentUser)
            return attendee.participantStatus;
    return ParticipantStatus::unknown;
}

bool isShownStatus(ParticipantStatus status, FullscreenNotificationOnlyEventStatus shown) {
    switch (status) {
    case ParticipantStatus::accepted:
        return true;
    case ParticipantStatus::tentative:
        return shown != FullscreenNotificationOnlyEventStatus::accepted;
    case ParticipantStatus::pending:
        return shown == FullscreenNotificationOnlyEventStatus::acceptedAndTentativeAndPending;
    default:
        return false;
    }
}

FullscreenPlan::FullscreenPlan(platform::CalendarStore& store, const settings::Defaults& defaults,
                               const kit::Clock& filterClock, EventTest hasVideoCall,
                               EventTest hasJoined)
    : m_store(store), m_defaults(defaults), m_filterClock(filterClock),
      m_hasVideoCall(std::move(hasVideoCall)), m_hasJoined(std::move(hasJoined)) {}

bool FullscreenPlan::isEnabled() const {
    return m_defaults.get(keys::fullscreenNotifications_isEnabled) &&
           !m_defaults.get(keys::fullscreenNotifications_calendars).empty();
}

kit::Milliseconds FullscreenPlan::leadTime() const {
    return std::max(kit::Milliseconds{0},
                    m_defaults.get(keys::fullscreenNotifications_durationBefore).toMilliseconds());
}

std::vector<FullscreenAlert> FullscreenPlan::plan(kit::Instant now,
                                                  kit::Milliseconds lookAhead) const {
    if (!isEnabled())
        return {};
    const kit::Milliseconds lead = leadTime();
    const kit::Instant from = now + lead;
    const kit::Instant until = now + lookAhead;
    if (until < from)
        return {};
    std::vector<FullscreenAlert> alerts;
    for (Event& event : candidates(from, until))
        alerts.push_back({event, event.start() - lead});
    return alerts;
}

std::vector<Event> FullscreenPlan::candidates(kit::Instant from, kit::Instant until) const {
    if (m_store.authorizationStatus(platform::EntityType::event) !=
        platform::AuthorizationStatus::fullAccess)
        return {};
    const events::EventQueries queries(m_store, m_defaults, QString());
    std::vector<QString> ids;
    for (const auto& calendar :
         queries.calendars(m_defaults.get(keys::fullscreenNotifications_calendars)))
        ids.push_back(calendar.identifier);
    if (ids.empty())
        return {};
    // Stores look at half-open ranges; an event starting right at `until` belongs in.
    std::vector<Event> events =
        queries.events(platform::predicateForEvents(from, until + kit::Milliseconds{1}, ids));
    std::erase_if(events, [&](const Event& e) { return e.start() > until || !isWanted(e, from); });
    events = exclusion::filterCalendarItems(
        std::move(events), m_defaults.get(keys::fullscreenNotifications_excludeMatcher),
        exclusion::Location::fullscreenNotifications, m_filterClock,
        [](const Event& e) { return e.title(); });
    const auto defaultCalendar = m_store.defaultCalendarForNewEvents();
    return events::collapseDuplicates(std::move(events),
                                      defaultCalendar ? defaultCalendar->identifier : QString());
}

// An event that started before `from` has had its moment: its fire instant is behind us.
bool FullscreenPlan::isWanted(const Event& event, kit::Instant from) const {
    const auto& d = m_defaults;
    if (event.isAllDay() || event.start() < from)
        return false;
    if (!isShownStatus(currentUserStatus(event),
                       d.get(keys::fullscreenNotifications_onlyEventsWithStatus)))
        return false;
    if (d.get(keys::fullscreenNotifications_onlyVideoCalls) &&
        !(m_hasVideoCall && m_hasVideoCall(event)))
        return false;
    if (d.get(keys::fullscreenNotifications_onlyEventsWithAlert) && event.alarms().empty())
        return false;
    if (m_hasJoined && m_hasJoined(event))
        return false;
    return !events::isMuted(d.get(keys::upcomingEventInMenuBarIgnoredEvents),
                            events::muteFacts(event));
}

} // namespace ruvo::alerts
