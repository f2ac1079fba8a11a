// SPDX-License-Identifier: GPL-3.0-or-later
// The event occurrence that "join the next video call" joins, looked up in the enabled
// calendars: what the join button and the panel menu's "Join" entry offer.
#pragma once

#include "events/EventQueries.h"
#include "events/videocalls/NextVideoCall.h"

namespace ruvo::events {

std::optional<Event> nextVideoCallEvent(const EventQueries& queries, kit::Instant now,
                                        videocalls::VideoCallDetector& detector);

// Whether a store change can alter the answer of nextVideoCallEvent at `now`.
inline bool changesNextVideoCall(const platform::StoreChange& change, kit::Instant now) {
    return change.touches({now, now + videocalls::kNextVideoCallLookAhead});
}

} // namespace ruvo::events
