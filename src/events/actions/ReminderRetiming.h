// SPDX-License-Identifier: GPL-3.0-or-later
// The choices of a reminder's re-timing menu and the due dates they give. Times of day are
// wall-clock times in the current zone, so "tomorrow" keeps its hour across a DST change;
// "in N minutes" counts real minutes from now.
#pragma once

#include "platform/CalendarTypes.h"

#include <vector>

namespace ruvo::events::actions {

enum class Retiming {
    in15Minutes,
    in30Minutes,
    in1Hour,
    in3Hours,
    thisAfternoon, // today at 14:00, offered before 14:00
    thisEvening,   // today at 18:00, offered before 18:00
    tomorrow,      // tomorrow, at the reminder's time of day
    nextWeek,      // the next Monday, at the reminder's time of day
    aWeekLater,    // the due day plus 7 days
    aMonthLater,   // the due day plus one month (the last day of a shorter month)
    removeTime,    // the due day without a time, offered when it has one
    noDueDate,     // offered when there is a due date
};

struct RetimingChoice {
    Retiming kind;
    QString label;
    std::optional<platform::DueDate> due; // none: no due date
};

// The choices that apply to `reminder` at `now`, in menu order. A reminder without a time
// of day keeps none ("tomorrow" is then the day only); one without a due date counts the
// later-day choices from today.
std::vector<RetimingChoice> retimingChoices(const platform::Reminder& reminder, kit::Instant now,
                                            const QString& zoneId);

} // namespace ruvo::events::actions
