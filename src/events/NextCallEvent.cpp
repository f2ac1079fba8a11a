// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/NextCallEvent.h"

#include "events/CallEventConversion.h"

#include <algorithm>

namespace ruvo::events {

std::optional<Event> nextVideoCallEvent(const EventQueries& queries, kit::Instant now,
                                        videocalls::VideoCallDetector& detector) {
    const auto events =
        queries.events(platform::DateRange{now, now + videocalls::kNextVideoCallLookAhead});
    std::vector<videocalls::CallEvent> calls;
    calls.reserve(events.size());
    for (const auto& event : events)
        calls.push_back(toCallEvent(event));
    const auto next = videocalls::nextVideoCall(calls, now, detector);
    if (!next)
        return std::nullopt;
    return events[std::size_t(std::find(calls.begin(), calls.end(), *next) - calls.begin())];
}

} // namespace ruvo::events
