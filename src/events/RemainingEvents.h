// SPDX-License-Identifier: GPL-3.0-or-later
// The number the menu-bar icon shows: today's timed events that have not ended yet, counted
// over the same queries as the event list (enabled calendars, no cancelled or declined ones).
#pragma once

#include "events/EventQueries.h"

#include <functional>

namespace ruvo::events {

class RemainingEvents {
public:
    // `timeZoneId` names the zone whose day is "today"; it is asked at each count.
    RemainingEvents(platform::CalendarStore& store, const settings::Defaults& defaults,
                    std::function<QString()> timeZoneId)
        : m_store(store), m_defaults(defaults), m_timeZoneId(std::move(timeZoneId)) {}

    // Today's events (in the current zone) that have not ended at `now`.
    std::optional<int> remainingEventsToday(kit::Instant now) const;

private:
    platform::CalendarStore& m_store;
    const settings::Defaults& m_defaults;
    std::function<QString()> m_timeZoneId;
};

} // namespace ruvo::events
