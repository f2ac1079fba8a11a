// SPDX-License-Identifier: GPL-3.0-or-later
// What the alert tests share: the moment they start at, their events and their two calendars.
#pragma once

#include "TestSupport.h"
#include "platform/CalendarTypes.h"
#include "platform/StoreChange.h"

#include <memory>
#include <optional>

namespace ruvo::test {

// Monday 2026-12-07, 09:00 in New York.
inline const kit::Instant kAlertsNow = at("2026-12-07T14:00:00Z");

inline std::shared_ptr<platform::EventData> eventData(const char* title, const char* uid,
                                                      const char* calendar = "A") {
    auto data = std::make_shared<platform::EventData>();
    data->title = QString::fromUtf8(title);
    data->calendarItemExternalIdentifier = QString::fromUtf8(uid);
    data->calendarIdentifier = QString::fromUtf8(calendar);
    return data;
}

// Event calendars "A" and "B", nothing else set.
inline std::vector<platform::Calendar> calendarsAB() {
    std::vector<platform::Calendar> calendars(2);
    calendars[0].identifier = QStringLiteral("A");
    calendars[1].identifier = QStringLiteral("B");
    return calendars;
}

// A change of `span`, or of unknown extent without one.
inline platform::StoreChange changeOf(const std::optional<platform::DateRange>& span) {
    auto change = span ? platform::StoreChange::nothing() : platform::StoreChange::everything();
    if (span)
        change.add(*span);
    return change;
}

} // namespace ruvo::test
