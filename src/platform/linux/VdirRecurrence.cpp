// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirRecurrence.h"

#include "platform/linux/VdirLibicalRules.h"

#include <QRegularExpression>
#include <algorithm>
#include <bit>
#include <libical/ical.h>

namespace ruvo::platform::vdir {

namespace {

constexpr qint64 kDay = 86400;
// Bounds one expansion of a rule whose occurrences never reach the window.
constexpr int kMaxIterations = 200000;
// How far the end of a rule with COUNT is looked for; one reaching further counts as endless.
constexpr qint64 kMaxCountedSpan = 200 * 366 * kDay;

qint64 floorDiv(qint64 a, qint64 b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// Counts the occurrences a rule has made since its start and hands those inside the window
// to the visitor.
struct Occurrences {
    const RecurrenceRule& rule;
    LocalSeconds start;
    LocalSeconds from;
    LocalSeconds last;
    const StartVisitor& visit;
    int limit;
    qint64 seen = 0;
    int visited = 0;

    // False once the rule has ended, its count is used up or the window is passed, or the
    // visits reach their limit.
    bool offer(LocalSeconds t) {
        if (t < start)
            return true;
        if ((rule.count && seen >= rule.count) || t > last || visited >= limit)
            return false;
        ++seen;
        if (t >= from && visit(t))
            ++visited;
        return true;
    }
};

void daily(const RecurrenceRule& r, LocalSeconds start, LocalSeconds from, LocalSeconds to,
           const StartVisitor& visit, int limit) {
    const qint64 period = r.interval * kDay;
    qint64 k = from > start ? (from - start + period - 1) / period : 0;
    const LocalSeconds last = std::min(to, r.until);
    for (int visited = 0; visited < limit; ++k) {
        if (r.count && k >= r.count)
            return;
        const LocalSeconds t = start + k * period;
        if (t > last)
            return;
        visited += visit(t) ? 1 : 0;
    }
}

void weekly(const RecurrenceRule& r, LocalSeconds start, LocalSeconds from, LocalSeconds to,
            const StartVisitor& visit, int limit) {
    const qint64 startDay = floorDiv(start, kDay);
    const qint64 timeOfDay = start - startDay * kDay;
    const qint64 weekFirstDay = startDay - (weekdayOf(start) - r.weekStart + 7) % 7;
    const qint64 periodDays = 7 * r.interval;
    const int perWeek = std::popcount(static_cast<unsigned>(r.weekdays));
    int firstWeek = 0;
    for (int d = 0; d < 7; ++d)
        if ((r.weekdays >> ((r.weekStart + d) % 7)) & 1)
            firstWeek += (weekFirstDay + d) * kDay + timeOfDay >= start ? 1 : 0;
    qint64 k = std::max<qint64>(0, floorDiv(floorDiv(from, kDay) - weekFirstDay, periodDays) - 1);
    Occurrences occurrences{r,
                            start,
                            from,
                            std::min(to, r.until),
                            visit,
                            limit,
                            k == 0 ? 0 : firstWeek + (k - 1) * perWeek};
    for (;; ++k) {
        for (int d = 0; d < 7; ++d) {
            if (!((r.weekdays >> ((r.weekStart + d) % 7)) & 1))
                continue;
            if (!occurrences.offer((weekFirstDay + k * periodDays + d) * kDay + timeOfDay))
                return;
        }
    }
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// The days of one month that a MONTHLY rule names, ascending.
std::vector<int> monthlyDays(const RecurrenceRule& r, int year, int month, int startDay) {
    const int length = daysInMonth(year, month);
    std::vector<int> days;
    for (qint16 d : r.monthDays)
        days.push_back(d > 0 ? d : length + d + 1);
    const int firstWeekday = weekdayOf(daysFromCivil(year, month, 1) * kDay);
    for (qint16 entry : r.ordinalDays) {
        const int ordinal = entry >= 0 ? entry / 8 : -((-entry + 7) / 8);
        const int weekday = entry - ordinal * 8;
        const int first = 1 + (weekday - firstWeekday + 7) % 7;
        if (ordinal == 0) {
            for (int d = first; d <= length; d += 7)
                days.push_back(d);
        } else if (ordinal > 0) {
            days.push_back(first + (ordinal - 1) * 7);
        } else {
            const int lastWeekday = (firstWeekday + length - 1) % 7;
            days.push_back(length - (lastWeekday - weekday + 7) % 7 + (ordinal + 1) * 7);
        }
    }
    if (r.monthDays.empty() && r.ordinalDays.empty())
        days.push_back(startDay);
    std::erase_if(days, [length](int d) { return d < 1 || d > length; });
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    return days;
}

// MONTHLY and YEARLY: whole periods of months from the start's month.
void byMonths(const RecurrenceRule& r, LocalSeconds start, LocalSeconds from, LocalSeconds to,
              const StartVisitor& visit, int limit) {
    int y = 0, m = 0, d = 0;
    const qint64 startDay = floorDiv(start, kDay);
    civilFromDays(startDay, y, m, d);
    const qint64 timeOfDay = start - startDay * kDay;
    const int step = r.interval * (r.frequency == Frequency::yearly ? 12 : 1);
    int fy = 0, fm = 0, fd = 0;
    civilFromDays(floorDiv(from, kDay), fy, fm, fd);
    const qint64 monthsToFrom = (qint64(fy) - y) * 12 + (fm - m);
    qint64 k = r.count || monthsToFrom <= 0 ? 0 : monthsToFrom / step - 1;
    k = std::max<qint64>(k, 0);
    Occurrences occurrences{r, start, from, std::min(to, r.until), visit, limit};
    for (int guard = 0; guard < kMaxIterations; ++k, ++guard) {
        const qint64 monthIndex = qint64(m - 1) + k * step;
        const int year = int(y + floorDiv(monthIndex, 12));
        const int month = int(monthIndex - floorDiv(monthIndex, 12) * 12) + 1;
        const std::vector<int> days = r.frequency == Frequency::yearly
                                          ? std::vector<int>{d <= daysInMonth(year, month) ? d : 0}
                                          : monthlyDays(r, year, month, d);
        for (int day : days) {
            if (day != 0 && !occurrences.offer(daysFromCivil(year, month, day) * kDay + timeOfDay))
                return;
        }
    }
}

} // namespace

void forEachRuleStart(const RecurrenceRule& rule, const EventTimes& times, bool isAllDay,
                      LocalSeconds from, LocalSeconds to, const StartVisitor& visit,
                      bool useLibical, int limit) {
    if (rule.isSimple && !useLibical) {
        switch (rule.frequency) {
        case Frequency::daily:
            return daily(rule, times.start, from, to, visit, limit);
        case Frequency::weekly:
            return weekly(rule, times.start, from, to, visit, limit);
        case Frequency::monthly:
        case Frequency::yearly:
            return byMonths(rule, times.start, from, to, visit, limit);
        default:
            break;
        }
    }
    expandWithLibical(rule, times.start, isAllDay, from, to, visit, limit);
}

void forEachStart(const SeriesRecord& s, LocalSeconds from, LocalSeconds to,
                  const StartVisitor& visit) {
    const bool isAllDay = s.data && s.data->isAllDay;
    int visited = 0;
    auto unlessExcluded = [&](LocalSeconds t) {
        if (visited >= kMaxStartsPerSeries ||
            std::binary_search(s.exdates.begin(), s.exdates.end(), t) || !visit(t))
            return false;
        ++visited;
        return true;
    };
    const auto firstRdate = std::lower_bound(s.rdates.begin(), s.rdates.end(), from);
    const bool hasRdates = firstRdate != s.rdates.end() && *firstRdate <= to;
    const bool hasFirstStart = s.times.start >= from && s.times.start <= to;
    if (!hasRdates && !hasFirstStart) { // nearly every query: the rules alone, no copy
        for (const auto& rule : s.rules)
            forEachRuleStart(rule, s.times, isAllDay, from, to, unlessExcluded, false,
                             kMaxStartsPerSeries);
        return;
    }
    // The first start always counts, whether or not a rule produces it; an RDATE that a rule
    // also produces, or two rules meeting, is still one occurrence.
    std::vector<LocalSeconds> starts;
    for (const auto& rule : s.rules)
        forEachRuleStart(
            rule, s.times, isAllDay, from, to, [&](LocalSeconds t) { starts.push_back(t); }, false,
            kMaxStartsPerSeries);
    if (hasFirstStart)
        starts.push_back(s.times.start);
    for (auto it = firstRdate; it != s.rdates.end() && *it <= to; ++it)
        starts.push_back(*it);
    std::sort(starts.begin(), starts.end());
    starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
    for (LocalSeconds t : starts)
        unlessExcluded(t);
}

LocalSeconds lastStartOf(const SeriesRecord& s) {
    LocalSeconds last = s.rdates.empty() ? s.times.start : std::max(s.times.start, s.rdates.back());
    const bool isAllDay = s.data && s.data->isAllDay;
    for (const auto& rule : s.rules) {
        if (rule.until != kNoEnd) {
            last = std::max(last, rule.until);
        } else if (rule.count > 0) {
            int seen = 0;
            forEachRuleStart(rule, s.times, isAllDay, s.times.start,
                             s.times.start + kMaxCountedSpan, [&](LocalSeconds t) {
                                 last = std::max(last, t);
                                 ++seen;
                             });
            if (seen < rule.count) // reaches further than we look: as good as endless
                return kNoEnd;
        } else {
            return kNoEnd;
        }
    }
    return last;
}

// Each rule walks in time order, so the first start a rule gives is its earliest: one per rule
// is enough, where the whole window of a minutely rule would cost ten thousand.
std::optional<LocalSeconds> nextStart(const SeriesRecord& s, LocalSeconds from) {
    const LocalSeconds to = from + 550 * kDay;
    std::optional<LocalSeconds> next;
    auto take = [&](LocalSeconds t) {
        if (t < from || t > to || std::binary_search(s.exdates.begin(), s.exdates.end(), t))
            return false;
        if (!next || t < *next)
            next = t;
        return true;
    };
    take(s.times.start);
    for (auto it = std::lower_bound(s.rdates.begin(), s.rdates.end(), from);
         it != s.rdates.end() && *it <= to && !take(*it); ++it) {
    }
    const bool isAllDay = s.data && s.data->isAllDay;
    for (const auto& rule : s.rules)
        forEachRuleStart(rule, s.times, isAllDay, from, next.value_or(to), take, false, 1);
    return next;
}

std::optional<DueDate> nextDue(const ParsedFile& file, std::size_t reminder, const ZoneTable& zones,
                               kit::Instant now) {
    const auto repeat =
        std::find_if(file.reminderSeries.begin(), file.reminderSeries.end(),
                     [reminder](const ReminderSeries& r) { return r.reminder == reminder; });
    if (repeat == file.reminderSeries.end() || !file.reminders[reminder].due)
        return std::nullopt;
    const SeriesRecord& s = repeat->due;
    const LocalSeconds local =
        zones.toLocal(s.times.zone, floorDiv(kit::msecsSinceEpoch(now), 1000));
    const LocalSeconds today = floorDiv(local, kDay) * kDay;
    if (s.times.start >= today)
        return std::nullopt;
    std::optional<LocalSeconds> next = nextStart(s, today);
    if (!next && s.lastStart != kNoEnd)
        next = s.lastStart;
    if (!next)
        return std::nullopt;
    DueDate due = *file.reminders[reminder].due;
    const qint64 day = floorDiv(*next, kDay);
    int y = 0, m = 0, d = 0;
    civilFromDays(day, y, m, d);
    due.date = QDate(y, m, d);
    if (due.time)
        due.time = QTime::fromMSecsSinceStartOfDay(static_cast<int>((*next - day * kDay) * 1000));
    return due;
}

std::optional<SeriesRecord> splitSeries(SeriesRecord& s, LocalSeconds at,
                                        const EventTimes& tailTimes) {
    const bool isAllDay = s.data && s.data->isAllDay;
    const qint64 shift = tailTimes.start - at;
    SeriesRecord tail;
    tail.times = tailTimes;
    for (const auto& rule : s.rules) {
        RecurrenceRule moved = rule;
        if (rule.until != kNoEnd)
            moved.until = rule.until + shift;
        if (rule.count > 0) {
            int before = 0;
            forEachRuleStart(rule, s.times, isAllDay, s.times.start, at - 1,
                             [&](LocalSeconds) { ++before; });
            moved.count = rule.count - before;
            if (moved.count <= 0)
                continue;
            static const QRegularExpression count(QStringLiteral("COUNT=[0-9]+"));
            moved.text = QString::fromUtf8(rule.text)
                             .replace(count, QStringLiteral("COUNT=%1").arg(moved.count))
                             .toUtf8();
        }
        tail.rules.push_back(std::move(moved));
    }
    for (LocalSeconds t : s.rdates)
        if (t > at)
            tail.rdates.push_back(t + shift);
    for (LocalSeconds t : s.exdates)
        if (t > at)
            tail.exdates.push_back(t + shift);
    // The series itself now ends before `at`.
    for (auto& rule : s.rules)
        rule.until = std::min(rule.until, at - 1);
    std::erase_if(s.rdates, [at](LocalSeconds t) { return t >= at; });
    s.exdates.insert(std::upper_bound(s.exdates.begin(), s.exdates.end(), at), at);
    s.lastStart = lastStartOf(s);
    if (tail.rules.empty() && tail.rdates.empty())
        return std::nullopt;
    tail.lastStart = lastStartOf(tail);
    return tail;
}

} // namespace ruvo::platform::vdir
