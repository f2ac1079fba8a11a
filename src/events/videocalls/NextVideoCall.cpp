// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/videocalls/NextVideoCall.h"

namespace ruvo::videocalls {

std::optional<CallEvent> nextVideoCall(std::span<const CallEvent> events, kit::Instant now,
                                       VideoCallDetector& detector) {
    const CallEvent* running = nullptr;
    const CallEvent* upcoming = nullptr;
    for (const CallEvent& event : events) {
        if (event.isAllDay || event.end <= now || event.start > now + kNextVideoCallLookAhead)
            continue;
        const CallEvent*& slot = event.start <= now ? running : upcoming;
        if (slot && slot->start <= event.start)
            continue;
        if (detector.detect(event))
            slot = &event;
    }
    if (const CallEvent* chosen = running ? running : upcoming)
        return *chosen;
    return std::nullopt;
}

} // namespace ruvo::videocalls
