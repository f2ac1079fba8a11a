// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirLibicalRules.h"

#include "platform/linux/VdirDayFilter.h"
#include "platform/linux/VdirRuleBudget.h"
#include "platform/linux/VdirShortRules.h"

#include <algorithm>

namespace ruvo::platform::vdir {

namespace {

constexpr qint64 kDay = 86400;

qint64 floorDiv(qint64 a, qint64 b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

icaltimetype icalTime(LocalSeconds local, bool isDate) {
    int y = 0, m = 0, d = 0;
    const qint64 days = floorDiv(local, kDay);
    civilFromDays(days, y, m, d);
    icaltimetype t = icaltime_null_time();
    t.year = y;
    t.month = m;
    t.day = d;
    const qint64 rest = local - days * kDay;
    t.hour = static_cast<int>(rest / 3600);
    t.minute = static_cast<int>(rest / 60 % 60);
    t.second = static_cast<int>(rest % 60);
    t.is_date = isDate ? 1 : 0;
    if (isDate)
        t.hour = t.minute = t.second = 0;
    return t;
}

LocalSeconds localOf(const icaltimetype& t) {
    return localSeconds(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

// An ordinal weekday ("-1SU") belongs to MONTHLY and YEARLY rules only; in a shorter rule
// libical never finds one and searches for centuries in a single step. It is read as the plain
// weekday.
void dropOrdinals(icalrecurrencetype& recur) {
    if (recur.freq >= ICAL_MONTHLY_RECURRENCE)
        return;
    for (short& day : recur.by_day) {
        if (day == ICAL_RECURRENCE_ARRAY_MAX)
            break;
        day = static_cast<short>(icalrecurrencetype_day_day_of_week(day));
    }
}

// WEEKLY, MONTHLY and YEARLY rules: libical's iterator, moved to the window when the rule is
// endless (libical keeps the grid of these frequencies when it moves).
void byPeriods(const RecurrenceRule& r, icalrecurrencetype recur, LocalSeconds start, bool isAllDay,
               LocalSeconds from, LocalSeconds to, const StartVisitor& visit, int limit) {
    // The walk from the first start could never use up such a count: the rule is as good as
    // endless, and the iterator may then jump to the window instead of walking there.
    const bool isCounted = recur.count > 0 && recur.count <= kMaxCountedIterations;
    if (!isCounted)
        recur.count = 0;
    icalrecur_iterator* it = icalrecur_iterator_new(recur, icalTime(start, isAllDay));
    if (!it)
        return;
    if (!isCounted && from > start)
        icalrecur_iterator_set_start(it, icalTime(from, isAllDay));
    const LocalSeconds last = std::min(to, r.until);
    RuleBudget budget(r.text);
    int visited = 0;
    for (int i = 0; i < (isCounted ? kMaxCountedIterations : kMaxIterations) && visited < limit &&
                    !budget.isSpent();
         ++i) {
        const icaltimetype t = icalrecur_iterator_next(it);
        if (icaltime_is_null_time(t))
            break;
        const LocalSeconds local = localOf(t);
        if (local > last)
            break;
        if (local >= from && visit(local))
            ++visited;
    }
    icalrecur_iterator_free(it);
}

} // namespace

void expandWithLibical(const RecurrenceRule& r, LocalSeconds start, bool isAllDay,
                       LocalSeconds from, LocalSeconds to, const StartVisitor& visit, int limit) {
    icalrecurrencetype recur = icalrecurrencetype_from_string(r.text.constData());
    if (recur.freq == ICAL_NO_RECURRENCE)
        return;
    dropOrdinals(recur);
    if (recur.freq > ICAL_DAILY_RECURRENCE) {
        if (DayFilter::of(recur).isEverMet())
            byPeriods(r, recur, start, isAllDay, from, to, visit, limit);
        return;
    }
    expandShortRule(r, recur, start, isAllDay, from, to, visit, limit);
}

} // namespace ruvo::platform::vdir
