// SPDX-License-Identifier: GPL-3.0-or-later
// The index on time over every loaded record. Single events are sorted by a start key (the
// UTC start, or for floating items the wall-clock start, which no zone moves by more than
// 14 hours), so a range query is a binary search plus a short scan; long events sit in a
// small list of their own; series are kept with the span of their occurrences and expanded
// only inside the asked range.
#pragma once

#include "platform/CalendarTypes.h"
#include "platform/StoreChange.h"
#include "platform/linux/VdirRecords.h"

#include <vector>

namespace ruvo::platform::vdir {

class VdirIndex {
public:
    using CalendarIndex = quint32;

    void clear();
    // Room for this many records, so that adding them does not grow (and double) the tables.
    void reserve(std::size_t singles, std::size_t series);
    void add(const ParsedFile& file, CalendarIndex calendar, const ZoneTable& zones);
    void finish(); // sorts; call after the last add()
    // After an edit of some files: their old records out, their new ones in, no rebuild. The
    // records taken out must be those added, read with the same zones.
    void remove(const std::vector<const ParsedFile*>& files, const ZoneTable& zones);
    void insert(const std::vector<const ParsedFile*>& files, CalendarIndex calendar,
                const ZoneTable& zones);
    // Adds to `change` the spans of the file's events, widened by the most a zone moves a
    // floating time; reminders (listed by due day and as overdue) make it touch everything.
    static void addSpans(const ParsedFile& file, const ZoneTable& zones, StoreChange& change);

    // A query returns at most this many occurrences of series (besides every single event):
    // with each series bounded (kMaxStartsPerSeries), this bounds the few files repeating
    // every second or minute together, at some 50 MB of events, where a million took gigabytes.
    static constexpr std::size_t kMaxSeriesEventsPerQuery = 50000;

    // Occurrences overlapping `range` in the calendars whose flag is set, ordered by start.
    std::vector<Event> events(const DateRange& range, const std::vector<bool>& calendars,
                              const ZoneTable& zones) const;

    std::size_t singleCount() const { return m_singles.size() - m_removed + m_long.size(); }
    std::size_t seriesCount() const { return m_series.size(); }

private:
    struct SingleRef {
        qint64 key;                 // seconds
        const SingleRecord* record; // null: removed, until the next compaction
        CalendarIndex calendar;
        // Its place among those added before finish(), which sorts by (key, order): the
        // order of adding kept for equal keys, without the buffer a stable sort takes.
        quint32 order = 0;
    };
    struct SeriesRef {
        qint64 firstKey;
        qint64 lastKey; // start key of the last occurrence plus its duration
        const SeriesRecord* record;
        CalendarIndex calendar;
        qint32 timeOfDay; // of the first start, in the series' zone
    };
    // Short series of one zone whose every occurrence starts at one wall-clock time of day,
    // sorted by it: a query shorter than a day looks only at series whose time of day falls
    // into the query's hours. Hourly rules, BYHOUR and RDATEs at other hours keep a series
    // out of these groups.
    struct ZoneGroup {
        ZoneIndex zone;
        std::vector<SeriesRef> series;
    };

    static SingleRef singleRef(const SingleRecord& s, CalendarIndex calendar,
                               const ZoneTable& zones);
    static SeriesRef seriesRef(const SeriesRecord& s, CalendarIndex calendar,
                               const ZoneTable& zones);
    static qint64 startKey(const EventTimes& t, LocalSeconds local, const ZoneTable& zones);
    static bool isLong(const SingleRef& ref);
    void group(const SeriesRef& ref, bool keepSorted);
    void removeSingle(const SingleRecord& record, const ZoneTable& zones);
    void insertSingles(std::vector<SingleRef> refs);

    void collectSingles(qint64 from, qint64 to, const DateRange& range,
                        const std::vector<bool>& calendars, const ZoneTable& zones,
                        std::vector<Event>& out) const;
    void addSingle(const SingleRef& ref, const DateRange& range, const ZoneTable& zones,
                   std::vector<Event>& out) const;
    void expandSeries(const SeriesRef& ref, const DateRange& range, const ZoneTable& zones,
                      std::vector<Event>& out, std::size_t cap) const;
    void collectShortSeries(const ZoneGroup& group, const DateRange& range,
                            const std::vector<bool>& calendars, const ZoneTable& zones,
                            std::vector<Event>& out, std::size_t cap) const;

    std::vector<SingleRef> m_singles;     // sorted by key
    std::size_t m_removed = 0;            // of m_singles, not compacted yet
    std::vector<SingleRef> m_long;        // longer than kLongEvent
    std::vector<SeriesRef> m_series;      // every series
    std::vector<SeriesRef> m_longSeries;  // longer than kShortSeries, or all-day
    std::vector<ZoneGroup> m_shortSeries; // the rest, by zone
};

} // namespace ruvo::platform::vdir
