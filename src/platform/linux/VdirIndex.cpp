// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirIndex.h"

#include "platform/linux/VdirLog.h"
#include "platform/linux/VdirRecurrence.h"
#include "platform/linux/VdirRuleBudget.h"

#include <algorithm>
#include <type_traits>

namespace ruvo::platform::vdir {

namespace {

constexpr qint64 kZoneSlack = 15 * 3600;  // more than any zone's offset from UTC
constexpr qint64 kLongEvent = 3 * 86400;  // singles longer than this are scanned apart
constexpr qint64 kDstSlack = 3 * 3600;    // wall-clock windows are widened by this
constexpr qint64 kDstShift = 3600;        // the most a DST change moves a wall-clock start
constexpr qint64 kShortSeries = 4 * 3600; // series no longer than this are grouped by hour
constexpr qint64 kShortQuery = 18 * 3600; // queries shorter than this use the groups

qint64 seconds(kit::Instant t) {
    return kit::msecsSinceEpoch(t) / 1000 - (kit::msecsSinceEpoch(t) % 1000 < 0 ? 1 : 0);
}

kit::Instant instant(UtcSeconds s) {
    return kit::instantFromMSecs(s * 1000);
}

bool overlaps(kit::Instant start, kit::Instant end, const DateRange& range) {
    return start < range.end && (end > range.start || start >= range.start);
}

// The start and end of one occurrence that starts at `local`.
std::pair<kit::Instant, kit::Instant> occurrence(LocalSeconds local, const EventTimes& t,
                                                 bool isAllDay, const ZoneTable& zones) {
    const UtcSeconds start = zones.toUtc(t.zone, local);
    const UtcSeconds end = isAllDay ? zones.toUtc(t.zone, local + t.duration) : start + t.duration;
    return {instant(start), instant(end)};
}

// True when every start of the series falls on the wall-clock time of its first: rules of a
// day or longer without BYHOUR, BYMINUTE or BYSECOND, and RDATEs at that same time. Only such
// series may be found through their time of day; the rest are expanded for every query.
bool startsAtOneTimeOfDay(const SeriesRecord& s) {
    const qint64 timeOfDay = ((s.times.start % 86400) + 86400) % 86400;
    for (const auto& rule : s.rules)
        if (rule.frequency < Frequency::daily || rule.text.contains("BYHOUR") ||
            rule.text.contains("BYMINUTE") || rule.text.contains("BYSECOND"))
            return false;
    return std::all_of(s.rdates.begin(), s.rdates.end(), [timeOfDay](LocalSeconds t) {
        return ((t % 86400) + 86400) % 86400 == timeOfDay;
    });
}

} // namespace

void VdirIndex::clear() {
    m_singles.clear();
    m_removed = 0;
    m_long.clear();
    m_series.clear();
    m_longSeries.clear();
    m_shortSeries.clear();
}

void VdirIndex::reserve(std::size_t singles, std::size_t series) {
    m_singles.reserve(singles);
    m_series.reserve(series);
}

VdirIndex::SingleRef VdirIndex::singleRef(const SingleRecord& s, CalendarIndex calendar,
                                          const ZoneTable& zones) {
    return {startKey(s.times, s.times.start, zones), &s, calendar};
}

VdirIndex::SeriesRef VdirIndex::seriesRef(const SeriesRecord& s, CalendarIndex calendar,
                                          const ZoneTable& zones) {
    const qint64 last =
        s.lastStart == kNoEnd ? kNoEnd : startKey(s.times, s.lastStart, zones) + s.times.duration;
    const auto timeOfDay = qint32(((s.times.start % 86400) + 86400) % 86400);
    return {startKey(s.times, s.times.start, zones), last, &s, calendar, timeOfDay};
}

qint64 VdirIndex::startKey(const EventTimes& t, LocalSeconds local, const ZoneTable& zones) {
    return t.zone == kFloatingZone ? local : zones.toUtc(t.zone, local);
}

bool VdirIndex::isLong(const SingleRef& ref) {
    return ref.record->times.duration > kLongEvent;
}

void VdirIndex::add(const ParsedFile& file, CalendarIndex calendar, const ZoneTable& zones) {
    for (const auto& s : file.singles) {
        SingleRef ref = singleRef(s, calendar, zones);
        ref.order = quint32(m_singles.size());
        (isLong(ref) ? m_long : m_singles).push_back(ref);
    }
    for (const auto& s : file.series)
        m_series.push_back(seriesRef(s, calendar, zones));
}

void VdirIndex::finish() {
    std::sort(m_singles.begin(), m_singles.end(), [](const SingleRef& a, const SingleRef& b) {
        return a.key < b.key || (a.key == b.key && a.order < b.order);
    });
    // Grouping reads each series' record and its data, both apart on the heap: fetched ahead.
    constexpr std::size_t kAhead = 8;
    for (std::size_t i = 0; i < m_series.size(); ++i) {
        if (i + 2 * kAhead < m_series.size())
            __builtin_prefetch(m_series[i + 2 * kAhead].record);
        if (i + kAhead < m_series.size())
            __builtin_prefetch(m_series[i + kAhead].record->data.get());
        group(m_series[i], false);
    }
    for (auto& group : m_shortSeries)
        std::stable_sort(
            group.series.begin(), group.series.end(),
            [](const SeriesRef& a, const SeriesRef& b) { return a.timeOfDay < b.timeOfDay; });
}

void VdirIndex::group(const SeriesRef& ref, bool keepSorted) {
    if (ref.record->times.duration > kShortSeries || ref.record->data->isAllDay ||
        !startsAtOneTimeOfDay(*ref.record)) {
        m_longSeries.push_back(ref);
        return;
    }
    const ZoneIndex zone = ref.record->times.zone;
    auto group = std::find_if(m_shortSeries.begin(), m_shortSeries.end(),
                              [zone](const ZoneGroup& g) { return g.zone == zone; });
    if (group == m_shortSeries.end())
        group = m_shortSeries.insert(m_shortSeries.end(), ZoneGroup{zone, {}});
    auto at = keepSorted ? std::upper_bound(group->series.begin(), group->series.end(), ref,
                                            [](const SeriesRef& a, const SeriesRef& b) {
                                                return a.timeOfDay < b.timeOfDay;
                                            })
                         : group->series.end();
    group->series.insert(at, ref);
}

namespace {

constexpr std::size_t kFewInserts = 16; // more are sorted and merged in one pass
// Removed singles stay as tombstones until they are this share of the index (1/16): a removal
// costs a binary search, and the pass that drops them is paid once per many removals.
constexpr std::size_t kTombstoneShare = 16;
constexpr qint64 kFarSeconds = qint64(10000) * 366 * 86400; // stands in for a series without end

constexpr auto byKey = [](const auto& a, const auto& b) { return a.key < b.key; };

// The records of some files, as sorted address ranges: one look-up per index entry however
// many files are taken out together.
template <typename Record> class RecordRanges {
public:
    explicit RecordRanges(const std::vector<const std::vector<Record>*>& records) {
        for (const auto* r : records)
            if (!r->empty())
                m_ranges.emplace_back(r->data(), r->data() + r->size());
        std::sort(m_ranges.begin(), m_ranges.end());
    }
    bool isEmpty() const { return m_ranges.empty(); }
    bool contains(const Record* record) const {
        auto after = std::upper_bound(
            m_ranges.begin(), m_ranges.end(), record,
            [](const Record* r, const std::pair<const Record*, const Record*>& range) {
                return std::less<const Record*>()(r, range.first);
            });
        return after != m_ranges.begin() &&
               std::less<const Record*>()(record, std::prev(after)->second);
    }

private:
    std::vector<std::pair<const Record*, const Record*>> m_ranges;
};

DateRange spanOf(qint64 firstKey, qint64 lastKey) {
    const qint64 from = std::clamp(firstKey, -kFarSeconds, kFarSeconds) - kZoneSlack;
    const qint64 to = std::clamp(lastKey, -kFarSeconds, kFarSeconds) + kZoneSlack;
    return {instant(from), instant(std::max(from, to))};
}

} // namespace

void VdirIndex::remove(const std::vector<const ParsedFile*>& files, const ZoneTable& zones) {
    std::vector<const std::vector<SeriesRecord>*> series;
    for (const ParsedFile* f : files) {
        for (const auto& s : f->singles)
            removeSingle(s, zones);
        series.push_back(&f->series);
    }
    if (m_removed > 0 && m_removed * kTombstoneShare >= m_singles.size()) {
        std::erase_if(m_singles, [](const SingleRef& ref) { return !ref.record; });
        m_removed = 0;
    }
    const RecordRanges<SeriesRecord> seriesRanges(series);
    if (seriesRanges.isEmpty())
        return;
    auto fromSeries = [&](const SeriesRef& ref) { return seriesRanges.contains(ref.record); };
    std::erase_if(m_series, fromSeries);
    std::erase_if(m_longSeries, fromSeries);
    for (auto& group : m_shortSeries)
        std::erase_if(group.series, fromSeries);
}

void VdirIndex::removeSingle(const SingleRecord& record, const ZoneTable& zones) {
    const SingleRef ref = singleRef(record, 0, zones);
    auto isIt = [&record](const SingleRef& r) { return r.record == &record; };
    if (isLong(ref)) {
        std::erase_if(m_long, isIt);
        return;
    }
    const auto [first, last] = std::equal_range(m_singles.begin(), m_singles.end(), ref, byKey);
    auto found = std::find_if(first, last, isIt);
    if (found == last) // not where its key says: look everywhere rather than keep a stale record
        found = std::find_if(m_singles.begin(), m_singles.end(), isIt);
    if (found == m_singles.end())
        return;
    found->record = nullptr;
    ++m_removed;
}

// Adds records to a finished index where a full rebuild would put them, but after records with
// the same key.
void VdirIndex::insert(const std::vector<const ParsedFile*>& files, CalendarIndex calendar,
                       const ZoneTable& zones) {
    std::vector<SingleRef> singles;
    for (const ParsedFile* f : files) {
        for (const auto& s : f->singles) {
            const SingleRef ref = singleRef(s, calendar, zones);
            (isLong(ref) ? m_long : singles).push_back(ref);
        }
        for (const auto& s : f->series) {
            m_series.push_back(seriesRef(s, calendar, zones));
            group(m_series.back(), true);
        }
    }
    insertSingles(std::move(singles));
}

void VdirIndex::insertSingles(std::vector<SingleRef> refs) {
    std::stable_sort(refs.begin(), refs.end(), byKey);
    if (refs.size() <= kFewInserts) {
        for (const SingleRef& ref : refs)
            m_singles.insert(std::upper_bound(m_singles.begin(), m_singles.end(), ref, byKey), ref);
        return;
    }
    const auto oldSize = std::ptrdiff_t(m_singles.size());
    m_singles.insert(m_singles.end(), refs.begin(), refs.end());
    std::inplace_merge(m_singles.begin(), m_singles.begin() + oldSize, m_singles.end(), byKey);
}

void VdirIndex::addSpans(const ParsedFile& file, const ZoneTable& zones, StoreChange& change) {
    if (!file.reminders.empty() || !file.reminderSeries.empty()) {
        change.merge(StoreChange::everything());
        return;
    }
    for (const auto& s : file.singles) {
        const qint64 key = startKey(s.times, s.times.start, zones);
        change.add(spanOf(key, key + s.times.duration));
    }
    for (const auto& s : file.series) {
        const SeriesRef ref = seriesRef(s, 0, zones);
        change.add(spanOf(ref.firstKey, ref.lastKey));
    }
}

std::vector<Event> VdirIndex::events(const DateRange& range, const std::vector<bool>& calendars,
                                     const ZoneTable& zones) const {
    const SharedRuleTime sharedTime;
    std::vector<Event> out;
    const qint64 from = seconds(range.start) - kZoneSlack;
    const qint64 to = seconds(range.end) + kZoneSlack;
    auto allowed = [&](CalendarIndex c) { return c < calendars.size() && calendars[c]; };
    collectSingles(from, to, range, calendars, zones, out);
    for (const auto& ref : m_long)
        if (ref.key < to && ref.key + ref.record->times.duration > from && allowed(ref.calendar))
            addSingle(ref, range, zones, out);
    const bool isShort = range.end - range.start < kit::Seconds(kShortQuery);
    const std::size_t cap = out.size() + kMaxSeriesEventsPerQuery;
    for (const auto& ref : isShort ? m_longSeries : m_series)
        if (ref.firstKey < to && ref.lastKey > from && allowed(ref.calendar))
            expandSeries(ref, range, zones, out, cap);
    if (isShort)
        for (const auto& group : m_shortSeries)
            collectShortSeries(group, range, calendars, zones, out, cap);
    if (out.size() >= cap)
        qCWarning(lcVdir, "A query over %lld hours met the limit of %zu repeated events",
                  static_cast<long long>((range.end - range.start) / kit::Seconds(3600)),
                  kMaxSeriesEventsPerQuery);
    std::stable_sort(out.begin(), out.end(),
                     [](const Event& a, const Event& b) { return a.start() < b.start(); });
    return out;
}

void VdirIndex::collectSingles(qint64 from, qint64 to, const DateRange& range,
                               const std::vector<bool>& calendars, const ZoneTable& zones,
                               std::vector<Event>& out) const {
    auto first = std::lower_bound(m_singles.begin(), m_singles.end(), from - kLongEvent,
                                  [](const SingleRef& r, qint64 k) { return r.key < k; });
    for (auto it = first; it != m_singles.end() && it->key < to; ++it)
        if (it->record && it->calendar < calendars.size() && calendars[it->calendar])
            addSingle(*it, range, zones, out);
}

void VdirIndex::addSingle(const SingleRef& ref, const DateRange& range, const ZoneTable& zones,
                          std::vector<Event>& out) const {
    const SingleRecord& r = *ref.record;
    const auto [start, end] = occurrence(r.times.start, r.times, r.data->isAllDay, zones);
    if (overlaps(start, end, range))
        out.emplace_back(r.data, start, end, r.recurrenceId.value_or(start));
}

void VdirIndex::collectShortSeries(const ZoneGroup& group, const DateRange& range,
                                   const std::vector<bool>& calendars, const ZoneTable& zones,
                                   std::vector<Event>& out, std::size_t cap) const {
    const qint64 from = seconds(range.start);
    const qint64 to = seconds(range.end);
    // The query's wall-clock hours, widened by the hour a DST change can move a start.
    const LocalSeconds windowStart = zones.toLocal(group.zone, from) - kDstShift;
    const qint64 windowLength = zones.toLocal(group.zone, to) + kDstShift - windowStart;
    const qint64 windowOfDay = ((windowStart % 86400) + 86400) % 86400;
    // An occurrence at time of day t lasting d meets the window when the first start at or
    // after the window's start falls inside it, or the one a day earlier is still running.
    auto meets = [&](const SeriesRef& r) {
        const qint64 delta = ((r.timeOfDay - windowOfDay) % 86400 + 86400) % 86400;
        return delta < windowLength || delta + r.record->times.duration > 86400;
    };
    auto scan = [&](qint64 first, qint64 last) { // times of day in [first, last]
        auto it = std::lower_bound(group.series.begin(), group.series.end(), first,
                                   [](const SeriesRef& r, qint64 t) { return r.timeOfDay < t; });
        for (; it != group.series.end() && it->timeOfDay <= last; ++it)
            if (meets(*it) && it->firstKey < to + kZoneSlack && it->lastKey > from - kZoneSlack &&
                it->calendar < calendars.size() && calendars[it->calendar])
                expandSeries(*it, range, zones, out, cap);
    };
    const qint64 low = windowOfDay - kShortSeries;
    const qint64 span = windowLength + kShortSeries;
    const qint64 lowOfDay = ((low % 86400) + 86400) % 86400;
    if (lowOfDay + span < 86400) {
        scan(lowOfDay, lowOfDay + span);
    } else {
        scan(lowOfDay, 86399);
        scan(0, lowOfDay + span - 86400);
    }
}

void VdirIndex::expandSeries(const SeriesRef& ref, const DateRange& range, const ZoneTable& zones,
                             std::vector<Event>& out, std::size_t cap) const {
    if (out.size() >= cap)
        return;
    const SeriesRecord& s = *ref.record;
    const LocalSeconds from =
        zones.toLocal(s.times.zone, seconds(range.start)) - s.times.duration - kDstSlack;
    const LocalSeconds to = zones.toLocal(s.times.zone, seconds(range.end)) + kDstSlack;
    const bool isAllDay = s.data->isAllDay;
    forEachStart(s, from, to, [&](LocalSeconds local) {
        const auto [start, end] = occurrence(local, s.times, isAllDay, zones);
        if (!overlaps(start, end, range) || out.size() >= cap)
            return false;
        out.emplace_back(s.data, start, end, start);
        return true;
    });
}

} // namespace ruvo::platform::vdir
