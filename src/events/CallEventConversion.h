// SPDX-License-Identifier: GPL-3.0-or-later
// From the calendar store's event occurrence to the facts video-call detection reads.
#pragma once

#include "events/videocalls/CallEvent.h"
#include "platform/CalendarTypes.h"

namespace ruvo::events {

// Field for field; the notes are read (empty when the event has none) and the account
// address is the current user's attendee entry, empty when the user is not listed.
videocalls::CallEvent toCallEvent(const platform::Event& event);

} // namespace ruvo::events
