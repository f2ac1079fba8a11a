// SPDX-License-Identifier: GPL-3.0-or-later
// The time texts of the details window and of "Email Event", in the environment's locale:
// an event's span ("Mon, Dec 7, 2026, 9:00 – 10:00 AM"; an all-day event by its days), a
// reminder's due date, and the span in each of the user's other chosen zones.
#pragma once

#include "kit/Environment.h"
#include "platform/CalendarTypes.h"
#include "settings/records/ChosenTimeZone.h"

#include <vector>

namespace ruvo::events::actions {

QString eventTimeText(const platform::Event& event, const kit::Environment& environment);
QString dueText(const platform::DueDate& due, const kit::Environment& environment);

struct ZoneTimeText {
    QString name; // the entry's display name
    QString text; // the event's span in that zone
    friend bool operator==(const ZoneTimeText&, const ZoneTimeText&) = default;
};

// One row per chosen zone (shown in the menu) whose offset differs from the environment's
// at the event's start; none for all-day events, which keep their days everywhere.
std::vector<ZoneTimeText> otherZoneTimes(const platform::Event& event,
                                         const std::vector<settings::ChosenTimeZone>& zones,
                                         const kit::Environment& environment);

} // namespace ruvo::events::actions
