// SPDX-License-Identifier: GPL-3.0-or-later
// The choices of the alert pickers of a new event: "None", "At time of event" and lead times
// for a timed event; for an all-day event, reminders at a time of day on or before its day.
#pragma once

#include "kit/Environment.h"

#include <QString>
#include <optional>
#include <vector>

namespace ruvo::creation {

struct AlertChoice {
    std::optional<qint64> offset; // seconds from the event's start; none: no alarm
    QString text;
};

// Lead times of a timed event, in seconds before its start.
inline constexpr qint64 kTimedLeadTimes[] = {0, 300, 600, 900, 1800, 3600, 7200, 86400, 172800};
// All-day alarms ring at this time of day.
inline constexpr int kAllDayAlarmHour = 9;

std::vector<AlertChoice> alertChoices(bool isAllDay, const kit::Environment& environment);

// "5 minutes", "1 hour", "2 days" in the environment's language.
QString leadTimeText(qint64 seconds, const kit::Environment& environment);

// The position of `offset` among `choices`; 0 ("None") when it is not one of them.
int choiceIndex(const std::vector<AlertChoice>& choices, std::optional<qint64> offset);

} // namespace ruvo::creation
