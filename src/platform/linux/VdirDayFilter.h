// SPDX-License-Identifier: GPL-3.0-or-later
// The days a recurrence rule's day parts (BYMONTH, BYMONTHDAY, BYYEARDAY, plain BYDAY) allow,
// decided here rather than by libical: its iterator steps one unit at a time through days no
// part allows, so a sub-daily rule that waits for the last day of a month, or a rule whose
// parts never meet ("30 February"), costs it seconds to a minute in a single step.
#pragma once

#include "platform/linux/VdirRecords.h"

#include <libical/ical.h>
#include <optional>
#include <vector>

namespace ruvo::platform::vdir {

// Days are counted from 1970-01-01 (LocalSeconds / 86400, rounded down).
class DayFilter {
public:
    // The parts of `recur` that bound whole days for its frequency. An ordinal BYDAY ("2TU")
    // of a MONTHLY or YEARLY rule is not modelled: such a filter lets every weekday through,
    // leaving the choice to libical.
    static DayFilter of(const icalrecurrencetype& recur);

    bool isEmpty() const {
        return !m_hasMonths && !m_weekdays && m_monthDays.empty() && m_yearDays.empty();
    }
    bool allows(qint64 day) const;

    // The first allowed day in [day, lastDay]; nullopt when there is none. Looks at most one
    // 28-year cycle ahead, after which every combination of month, day and weekday has come.
    std::optional<qint64> nextAllowed(qint64 day, qint64 lastDay) const;

    // Whether any day at all is allowed, from one whole 28-year cycle.
    bool isEverMet() const;

private:
    bool m_hasMonths = false;
    unsigned m_months = 0;        // bit m for month m (1-12)
    unsigned m_weekdays = 0;      // bit 0 Monday ... bit 6 Sunday; 0: any
    std::vector<int> m_monthDays; // negative: from the month's end
    std::vector<int> m_yearDays;  // negative: from the year's end
};

} // namespace ruvo::platform::vdir
