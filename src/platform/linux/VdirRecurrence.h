// SPDX-License-Identifier: GPL-3.0-or-later
// Expands a series inside a window of wall-clock time, never from its first occurrence:
// DAILY and WEEKLY rules with plain BYDAY (nearly every real series) are computed directly;
// other rules go through libical's iterator, moved to the window's start when the rule has no
// COUNT (or one past a million, which no walk from the first start could use up). Starts are
// wall-clock seconds in the series' zone; EXDATEs (and the starts that overrides replace) are left
// out, RDATEs added.
#pragma once

#include "platform/linux/VdirRecords.h"

#include <type_traits>

namespace ruvo::platform::vdir {

// 0 Monday ... 6 Sunday.
inline int weekdayOf(LocalSeconds local) {
    const qint64 days = (local >= 0 ? local : local - 86399) / 86400;
    return static_cast<int>(((days + 3) % 7 + 7) % 7);
}

// A non-owning reference to a callable taking one start: no allocation per call, which
// matters when a query expands thousands of series. A callable returning bool says whether
// it took the start (only those count towards a limit); any other takes every start.
class StartVisitor {
public:
    template <typename F>
    StartVisitor(const F& f) // NOLINT: converts implicitly on purpose
        : m_object(&f), m_call([](const void* o, LocalSeconds t) {
              if constexpr (std::is_same_v<std::invoke_result_t<const F&, LocalSeconds>, bool>) {
                  return (*static_cast<const F*>(o))(t);
              } else {
                  (*static_cast<const F*>(o))(t);
                  return true;
              }
          }) {}
    bool operator()(LocalSeconds t) const { return m_call(m_object, t); }

private:
    const void* m_object;
    bool (*m_call)(const void*, LocalSeconds);
};

// One query shows at most this many occurrences of one series, the earliest in its window: a
// series every minute or second (a stranger's file, rarely a real one) would otherwise give
// tens of thousands of events a view cannot show and a query pays for in time and memory.
// An hourly series over a year stays below it.
inline constexpr int kMaxStartsPerSeries = 10000;

// Calls `visit` for every start of the series in [from, to], in no particular order, until
// it has taken kMaxStartsPerSeries of them (the earliest of each rule).
void forEachStart(const SeriesRecord& series, LocalSeconds from, LocalSeconds to,
                  const StartVisitor& visit);

// The same for one rule, ignoring exceptions; `useLibical` forces the general path (tests
// compare both paths).
void forEachRuleStart(const RecurrenceRule& rule, const EventTimes& times, bool isAllDay,
                      LocalSeconds from, LocalSeconds to, const StartVisitor& visit,
                      bool useLibical = false, int limit = std::numeric_limits<int>::max());

// The latest start the series can have (kNoEnd when a rule has neither COUNT nor UNTIL).
LocalSeconds lastStartOf(const SeriesRecord& series);

// The earliest start at or after `from` and no later than a year and a half after it (long
// enough for a yearly rule); nullopt when there is none.
std::optional<LocalSeconds> nextStart(const SeriesRecord& series, LocalSeconds from);

// The due date of a repeating task's next occurrence: its first from the start of today on
// (in the zone of its due time), else its last. Nullopt when the task does not repeat or its
// own due date is still ahead.
std::optional<DueDate> nextDue(const ParsedFile& file, std::size_t reminder, const ZoneTable& zones,
                               kit::Instant now);

// Cuts a series at the occurrence starting at `at` for an override of that occurrence and all
// later ones (RANGE=THISANDFUTURE): `s` keeps the occurrences before it, and the returned
// series (without data) carries the rest, moved as the override moves its occurrence and
// lasting as it does. Nullopt when nothing but the override itself is left.
std::optional<SeriesRecord> splitSeries(SeriesRecord& s, LocalSeconds at,
                                        const EventTimes& tailTimes);

} // namespace ruvo::platform::vdir
