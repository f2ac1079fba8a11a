// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirShortRules.h"

#include "platform/linux/VdirDayFilter.h"
#include "platform/linux/VdirRuleBudget.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace ruvo::platform::vdir {

namespace {

constexpr qint64 kDay = 86400;

qint64 floorDiv(qint64 a, qint64 b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// The values of one BYHOUR, BYMINUTE or BYSECOND part, each below 64.
class Values {
public:
    static Values of(const short* array, int size, int max) {
        Values v;
        for (int i = 0; i < size && array[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i) {
            v.m_isGiven = true;
            if (array[i] >= 0 && array[i] <= max)
                v.m_bits |= std::uint64_t(1) << array[i];
        }
        return v;
    }

    bool isGiven() const { return m_isGiven; }

    // The least value at or above `v`; -1 when there is none.
    int nextFrom(int v) const {
        const std::uint64_t rest = v >= 64 ? 0 : m_bits >> v << v;
        return rest ? std::countr_zero(rest) : -1;
    }

    std::vector<int> list() const {
        std::vector<int> values;
        for (int v = nextFrom(0); v >= 0; v = nextFrom(v + 1))
            values.push_back(v);
        return values;
    }

private:
    bool m_isGiven = false;
    std::uint64_t m_bits = 0;
};

class ShortRule {
public:
    ShortRule(const RecurrenceRule& r, const icalrecurrencetype& recur, LocalSeconds start,
              bool isAllDay)
        : m_rule(r), m_days(DayFilter::of(recur)), m_start(start), m_isAllDay(isAllDay),
          m_hours(Values::of(recur.by_hour, ICAL_BY_HOUR_SIZE, 23)),
          m_minutes(Values::of(recur.by_minute, ICAL_BY_MINUTE_SIZE, 59)),
          m_seconds(Values::of(recur.by_second, ICAL_BY_SECOND_SIZE, 59)) {
        static constexpr qint64 kUnits[] = {1, 60, 3600, kDay};
        m_unit = kUnits[recur.freq];
        m_period = qint64(std::max<short>(recur.interval, 1)) * m_unit;
        if (recur.count > 0 && recur.count <= kMaxCountedIterations)
            m_count = recur.count;
        for (int i = 0; i < ICAL_BY_SETPOS_SIZE && recur.by_set_pos[i] != ICAL_RECURRENCE_ARRAY_MAX;
             ++i)
            m_setPositions.push_back(recur.by_set_pos[i]);
    }

    void expand(LocalSeconds from, LocalSeconds to, const StartVisitor& visit, int limit) {
        if (!m_days.isEverMet())
            return;
        const LocalSeconds last = std::min(to, m_rule.until);
        const qint64 lastDay = floorDiv(last, kDay);
        qint64 k = m_count ? 0 : std::max<qint64>(0, floorDiv(from - m_start, m_period) - 1);
        RuleBudget budget(m_rule.text);
        int seen = 0, visited = 0;
        const int maxPeriods = m_count ? kMaxCountedIterations : kMaxIterations;
        for (int guard = 0; guard < maxPeriods && !budget.isSpent(); ++guard) {
            const LocalSeconds begin = periodBegin(m_start + k * m_period);
            if (begin > last)
                return;
            const LocalSeconds allowed = firstAllowedFrom(begin, lastDay);
            if (allowed == kNoEnd)
                return;
            if (allowed >= begin + m_unit) { // nothing allowed in this period: skip ahead
                k = std::max(k + 1, floorDiv(allowed - m_start, m_period));
                continue;
            }
            for (LocalSeconds t : timesOf(m_start + k * m_period)) {
                if (t < m_start)
                    continue;
                if (t > last || (m_count && ++seen > m_count))
                    return;
                if (t >= from && visit(t) && ++visited >= limit)
                    return;
            }
            ++k;
        }
    }

private:
    // The clock second, minute, hour or day that the period starting at `anchor` covers.
    LocalSeconds periodBegin(LocalSeconds anchor) const {
        return floorDiv(anchor, m_unit) * m_unit;
    }

    // Which parts limit (rather than add) times: those of units shorter than the rule's own.
    bool limitsHours() const { return m_unit < 3600 * 24 && m_hours.isGiven(); }
    bool limitsMinutes() const { return m_unit < 3600 && m_minutes.isGiven(); }
    bool limitsSeconds() const { return m_unit < 60 && m_seconds.isGiven(); }

    // The first moment at or after `t` on an allowed day, hour, minute and second (for the
    // limiting parts); kNoEnd when there is none by the end of `lastDay`.
    LocalSeconds firstAllowedFrom(LocalSeconds t, qint64 lastDay) const {
        qint64 day = floorDiv(t, kDay);
        qint64 time = t - day * kDay;
        auto nextUnit = [&](qint64 unit) {
            time = (time / unit + 1) * unit;
            if (time >= kDay) {
                ++day;
                time = 0;
            }
        };
        while (day <= lastDay) {
            if (!m_days.isEmpty() && !m_days.allows(day)) {
                const auto next = m_days.nextAllowed(day + 1, lastDay);
                if (!next)
                    return kNoEnd;
                day = *next;
                time = 0;
            }
            if (!fits(limitsHours(), m_hours, time, 3600, 86400, nextUnit) ||
                !fits(limitsMinutes(), m_minutes, time, 60, 3600, nextUnit) ||
                !fits(limitsSeconds(), m_seconds, time, 1, 60, nextUnit))
                continue;
            return day * kDay + time;
        }
        return kNoEnd;
    }

    // Moves `time` to the first allowed `unit` within its `outer` unit; false (after moving to
    // the next `outer` unit) when none is left there.
    template <typename NextUnit>
    static bool fits(bool limits, const Values& values, qint64& time, qint64 unit, qint64 outer,
                     const NextUnit& nextUnit) {
        if (!limits)
            return true;
        const int current = int(time % outer / unit);
        const int next = values.nextFrom(current);
        if (next < 0) {
            nextUnit(outer);
            return false;
        }
        time += (next - current) * unit - (next != current ? time % unit : 0);
        return true;
    }

    // The starts of the period anchored at `anchor`, ascending, after BYSETPOS.
    std::vector<LocalSeconds> timesOf(LocalSeconds anchor) const {
        const LocalSeconds dayStart = floorDiv(anchor, kDay) * kDay;
        const qint64 time = anchor - dayStart;
        auto listOr = [](bool expands, const Values& values, int own) {
            return expands && values.isGiven() ? values.list() : std::vector<int>{own};
        };
        const bool isDaily = m_unit == kDay && !m_isAllDay;
        const auto hours = listOr(isDaily, m_hours, int(time / 3600));
        const auto minutes = listOr(isDaily || m_unit == 3600, m_minutes, int(time / 60 % 60));
        const auto seconds = listOr(isDaily || m_unit >= 60, m_seconds, int(time % 60));
        std::vector<LocalSeconds> times;
        for (int h : hours)
            for (int m : minutes)
                for (int s : seconds)
                    times.push_back(dayStart + h * 3600 + m * 60 + s);
        if (m_setPositions.empty())
            return times;
        std::vector<LocalSeconds> chosen;
        const int n = int(times.size());
        for (int p : m_setPositions) {
            const int i = p > 0 ? p - 1 : n + p;
            if (i >= 0 && i < n)
                chosen.push_back(times[std::size_t(i)]);
        }
        std::sort(chosen.begin(), chosen.end());
        chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
        return chosen;
    }

    const RecurrenceRule& m_rule;
    DayFilter m_days;
    LocalSeconds m_start;
    bool m_isAllDay;
    Values m_hours, m_minutes, m_seconds;
    std::vector<int> m_setPositions;
    qint64 m_unit = kDay;
    qint64 m_period = kDay;
    int m_count = 0;
};

} // namespace

void expandShortRule(const RecurrenceRule& r, const icalrecurrencetype& recur, LocalSeconds start,
                     bool isAllDay, LocalSeconds from, LocalSeconds to, const StartVisitor& visit,
                     int limit) {
    if (recur.freq > ICAL_DAILY_RECURRENCE)
        return;
    // An all-day event cannot repeat within its day: a shorter rule on one repeats daily.
    icalrecurrencetype daily = recur;
    if (isAllDay && recur.freq < ICAL_DAILY_RECURRENCE) {
        daily.freq = ICAL_DAILY_RECURRENCE;
        daily.interval = 1;
    }
    ShortRule(r, daily, start, isAllDay).expand(from, to, visit, limit);
}

} // namespace ruvo::platform::vdir
