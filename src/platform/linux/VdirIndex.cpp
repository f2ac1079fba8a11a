// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirIndex.h"

#include "platform/linux/VdirRecurrence.h"

#include <algorithm>

namespace ruvo::platform::vdir {

namespace {

constexpr qint64 kZoneSlack = 15 * 3600; // more than any zone's offset from UTC
constexpr qint64 kLongEvent = 3 * 86400; // singles longer than this are scanned apart
constexpr qint64 kDstSlack = 3 * 3600;   // wall-clock windows are widened by this

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

} // namespace

void VdirIndex::clear() {
    m_singles.clear();
    m_long.clear();
    m_series.clear();
}

void VdirIndex::add(const ParsedFile& file, CalendarIndex calendar, const ZoneTable& zones) {
    auto key = [&](const EventTimes& t, LocalSeconds local) {
        return t.zone == kFloatingZone ? local : zones.toUtc(t.zone, local);
    };
    for (const auto& s : file.singles) {
        SingleRef ref{key(s.times, s.times.start), &s, calendar};
        (s.times.duration > kLongEvent ? m_long : m_singles).push_back(ref);
    }
    for (const auto& s : file.series) {
        const qint64 last =
            s.lastStart == kNoEnd ? kNoEnd : key(s.times, s.lastStart) + s.times.duration;
        m_series.push_back({key(s.times, s.times.start), last, &s, calendar});
    }
}

void VdirIndex::finish() {
    std::stable_sort(m_singles.begin(), m_singles.end(),
                     [](const SingleRef& a, const SingleRef& b) { return a.key < b.key; });
}

std::vector<Event> VdirIndex::events(const DateRange& range, const std::vector<bool>& calendars,
                                     const ZoneTable& zones) const {
    std::vector<Event> out;
    const qint64 from = seconds(range.start) - kZoneSlack;
    const qint64 to = seconds(range.end) + kZoneSlack;
    auto allowed = [&](CalendarIndex c) { return c < calendars.size() && calendars[c]; };
    collectSingles(from, to, range, calendars, zones, out);
    for (const auto& ref : m_long)
        if (ref.key < to && ref.key + ref.record->times.duration > from && allowed(ref.calendar))
            addSingle(ref, range, zones, out);
    for (const auto& ref : m_series)
        if (ref.firstKey < to && ref.lastKey > from && allowed(ref.calendar))
            expandSeries(ref, range, zones, out);
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
        if (it->calendar < calendars.size() && calendars[it->calendar])
            addSingle(*it, range, zones, out);
}

void VdirIndex::addSingle(const SingleRef& ref, const DateRange& range, const ZoneTable& zones,
                          std::vector<Event>& out) const {
    const SingleRecord& r = *ref.record;
    const auto [start, end] = occurrence(r.times.start, r.times, r.data->isAllDay, zones);
    if (overlaps(start, end, range))
        out.emplace_back(r.data, start, end, r.recurrenceId.value_or(start));
}

void VdirIndex::expandSeries(const SeriesRef& ref, const DateRange& range, const ZoneTable& zones,
                             std::vector<Event>& out) const {
    const SeriesRecord& s = *ref.record;
    const LocalSeconds from =
        zones.toLocal(s.times.zone, seconds(range.start)) - s.times.duration - kDstSlack;
    const LocalSeconds to = zones.toLocal(s.times.zone, seconds(range.end)) + kDstSlack;
    const bool isAllDay = s.data->isAllDay;
    forEachStart(s, from, to, [&](LocalSeconds local) {
        const auto [start, end] = occurrence(local, s.times, isAllDay, zones);
        if (overlaps(start, end, range))
            out.emplace_back(s.data, start, end, start);
    });
}

} // namespace ruvo::platform::vdir
