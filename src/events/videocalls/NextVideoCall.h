// SPDX-License-Identifier: GPL-3.0-or-later
// The event that "join the next video call" joins: a video call running now, else one
// starting within the next 15 minutes ("Starting in the next 15 minutes or current."); the
// earliest start of each kind. All-day events never qualify: they would always be running.
#pragma once

#include "events/videocalls/VideoCallDetector.h"

namespace ruvo::videocalls {

inline constexpr kit::Milliseconds kNextVideoCallLookAhead = std::chrono::minutes(15);

std::optional<CallEvent> nextVideoCall(std::span<const CallEvent> events, kit::Instant now,
                                       VideoCallDetector& detector);

} // namespace ruvo::videocalls
