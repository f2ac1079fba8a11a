// SPDX-License-Identifier: GPL-3.0-or-later
// What one change of the calendar store touched: the time spans of the events that came, went
// or changed, so that a display showing other days can let it pass. A change whose spans are
// not known (a re-scan, a back end that does not say, reminders) touches everything.
//
//   StoreChange change = StoreChange::nothing();
//   change.add({oldStart, oldEnd});
//   if (change.touches(shownDays)) ...
#pragma once

#include "platform/CalendarTypes.h"

#include <vector>

namespace ruvo::platform {

class StoreChange {
public:
    // Past this many spans a change is held as the one span from the first start to the last
    // end: a sync run touching thousands of files stays small and quick to test.
    static constexpr std::size_t kMaxSpans = 64;

    static StoreChange everything() { return StoreChange(true); }
    static StoreChange nothing() { return StoreChange(false); }

    bool isEverything() const { return m_isEverything; }
    bool isEmpty() const { return !m_isEverything && m_spans.empty(); }

    void add(const DateRange& span) {
        if (m_isEverything)
            return;
        m_spans.push_back(span);
        if (m_spans.size() > kMaxSpans)
            m_spans = {hull()};
    }
    void merge(const StoreChange& other) {
        if (other.m_isEverything) {
            *this = everything();
            return;
        }
        for (const DateRange& span : other.m_spans)
            add(span);
    }
    // True when a span meets `range`; an empty span counts when it lies inside.
    bool touches(const DateRange& range) const {
        if (m_isEverything)
            return true;
        return std::any_of(m_spans.begin(), m_spans.end(), [&range](const DateRange& s) {
            return s.start < range.end && (s.end > range.start || s.start >= range.start);
        });
    }

private:
    explicit StoreChange(bool isEverything) : m_isEverything(isEverything) {}
    DateRange hull() const {
        DateRange all = m_spans.front();
        for (const DateRange& s : m_spans)
            all = {std::min(all.start, s.start), std::max(all.end, s.end)};
        return all;
    }

    bool m_isEverything;
    std::vector<DateRange> m_spans;
};

} // namespace ruvo::platform
