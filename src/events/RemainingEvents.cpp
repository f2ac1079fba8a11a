// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/RemainingEvents.h"

#include "kit/LocalTime.h"

#include <QTimeZone>
#include <algorithm>

namespace ruvo::events {

namespace {

// The calendar day holding `now` in `zoneId` (UTC when the zone is unknown).
platform::DateRange dayAround(kit::Instant now, const QString& zoneId) {
    const QTimeZone zone = kit::zoneOrUtc(zoneId);
    const QDate day = kit::localDate(now, zoneId);
    return {kit::fromQDateTime(day.startOfDay(zone)),
            kit::fromQDateTime(day.addDays(1).startOfDay(zone))};
}

} // namespace

std::optional<int> RemainingEvents::remainingEventsToday(kit::Instant now) const {
    const QString zoneId = m_timeZoneId();
    const EventQueries queries(m_store, m_defaults, zoneId);
    const auto events = queries.events(dayAround(now, zoneId));
    // All-day events never count, whatever the event list shows; an event ends at its end.
    return static_cast<int>(std::count_if(events.begin(), events.end(), [now](const Event& e) {
        return !e.isAllDay() && e.end() > now;
    }));
}

} // namespace ruvo::events
