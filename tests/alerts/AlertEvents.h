// SPDX-License-Identifier: GPL-3.0-or-later
// What the alert tests share: the moment they start at and their two calendars.
#pragma once

#include "TestEvents.h"
#include "TestSupport.h"
#include "platform/CalendarTypes.h"

namespace ruvo::test {

// Monday 2026-12-07, 09:00 in New York.
inline const kit::Instant kAlertsNow = at("2026-12-07T14:00:00Z");

// Event calendars "A" and "B", nothing else set.
inline std::vector<platform::Calendar> calendarsAB() {
    std::vector<platform::Calendar> calendars(2);
    calendars[0].identifier = QStringLiteral("A");
    calendars[1].identifier = QStringLiteral("B");
    return calendars;
}

} // namespace ruvo::test
