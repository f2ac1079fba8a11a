// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirDayFilter.h"

#include "platform/linux/VdirRecurrence.h"

#include <algorithm>

namespace ruvo::platform::vdir {

namespace {

// 28 years repeat the calendar of 1901-2099: every month, day, weekday and leap year meets.
constexpr qint64 kCycleDays = 28 * 365 + 7;

bool isLeap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int monthLength(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeap(year) ? 29 : kDays[month - 1];
}

// Whether `value` (negative: counted back from the end) names `position` among `length`.
bool names(int value, int position, int length) {
    return value > 0 ? value == position : length + value + 1 == position;
}

template <typename Array, typename F> void forEachValue(const Array& array, F f) {
    for (short value : array) {
        if (value == ICAL_RECURRENCE_ARRAY_MAX)
            return;
        f(value);
    }
}

} // namespace

DayFilter DayFilter::of(const icalrecurrencetype& recur) {
    DayFilter filter;
    forEachValue(recur.by_month, [&](short m) {
        filter.m_hasMonths = true;
        if (m >= 1 && m <= 12)
            filter.m_months |= 1u << m;
    });
    // BYMONTHDAY has no meaning in a WEEKLY rule, BYYEARDAY only in YEARLY and shorter ones.
    if (recur.freq != ICAL_WEEKLY_RECURRENCE)
        forEachValue(recur.by_month_day, [&](short d) { filter.m_monthDays.push_back(d); });
    if (recur.freq == ICAL_YEARLY_RECURRENCE || recur.freq < ICAL_DAILY_RECURRENCE)
        forEachValue(recur.by_year_day, [&](short d) { filter.m_yearDays.push_back(d); });
    bool hasOrdinal = false;
    unsigned weekdays = 0;
    forEachValue(recur.by_day, [&](short entry) {
        hasOrdinal = hasOrdinal || icalrecurrencetype_day_position(entry) != 0;
        const int sundayFirst = icalrecurrencetype_day_day_of_week(entry); // 1 Sunday ... 7
        weekdays |= 1u << ((sundayFirst + 5) % 7);
    });
    if (!hasOrdinal || recur.freq < ICAL_MONTHLY_RECURRENCE)
        filter.m_weekdays = weekdays;
    return filter;
}

bool DayFilter::allows(qint64 day) const {
    int y = 0, m = 0, d = 0;
    civilFromDays(day, y, m, d);
    if (m_hasMonths && !(m_months & (1u << m)))
        return false;
    if (m_weekdays && !(m_weekdays & (1u << weekdayOf(day * 86400))))
        return false;
    if (!m_monthDays.empty()) {
        const int length = monthLength(y, m);
        if (std::none_of(m_monthDays.begin(), m_monthDays.end(),
                         [&](int v) { return names(v, d, length); }))
            return false;
    }
    if (!m_yearDays.empty()) {
        const int dayOfYear = int(day - daysFromCivil(y, 1, 1)) + 1;
        const int length = isLeap(y) ? 366 : 365;
        if (std::none_of(m_yearDays.begin(), m_yearDays.end(),
                         [&](int v) { return names(v, dayOfYear, length); }))
            return false;
    }
    return true;
}

std::optional<qint64> DayFilter::nextAllowed(qint64 day, qint64 lastDay) const {
    const qint64 end = std::min(lastDay, day + kCycleDays);
    for (qint64 d = day; d <= end; ++d)
        if (allows(d))
            return d;
    return std::nullopt;
}

bool DayFilter::isEverMet() const {
    const qint64 first = daysFromCivil(2000, 1, 1);
    return isEmpty() || nextAllowed(first, first + kCycleDays).has_value();
}

} // namespace ruvo::platform::vdir
