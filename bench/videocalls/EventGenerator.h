// SPDX-License-Identifier: GPL-3.0-or-later
// Synthetic calendar events for the detection benchmark: long HTML notes (invitation
// text, tables, tracking links) with the meeting link, when there is one, deep inside.
#pragma once

#include "events/videocalls/CallEvent.h"

#include <vector>

namespace ruvo::bench {

// `count` events, the same for the same arguments. About a third carry no meeting link.
std::vector<videocalls::CallEvent> generateEvents(int count, int notesParagraphs = 40);

} // namespace ruvo::bench
