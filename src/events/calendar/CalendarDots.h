// SPDX-License-Identifier: GPL-3.0-or-later
// The event dots under the days of a grid. Two halves: a snapshot of the grid's events taken
// on the main thread (the calendar store is main-thread only), and a pure per-day walk over
// that snapshot that may run on any thread.
//
//   const DotsInput input = dotsInput(queries, grid.days(), indicator);   // main thread
//   const Dots dots = computeDots(input);                                 // any thread
#pragma once

#include "events/EventQueries.h"
#include "settings/records/Enums.h"

#include <QColor>
#include <QDate>
#include <vector>

namespace ruvo::calendar {

using settings::EventIndicatorsInCalendar;

// One entry per day of the grid, each at most kMaxDots colours.
using Dots = std::vector<std::vector<QColor>>;

inline constexpr std::size_t kMaxDots = 3;

// Colours of the dots: the one-dot style's fixed gray, the system gray for calendars without
// a colour and the plain gray for events without a calendar.
QColor singleDotColour();
QColor systemGray();
QColor plainGray();

struct DotEvent {
    kit::Instant start;
    kit::Instant end;
    QColor colour;
};

struct DotsInput {
    std::vector<kit::Instant> dayStarts; // one per day of the grid, plus the end of the last
    std::vector<DotEvent> events;        // in the queries' start order
};

// "#rrggbb" or "#rrggbbaa" (the store's forms); invalid for anything else.
QColor parseCalendarColour(const QString& text);
// "#rrggbb", or "#rrggbbaa" when not opaque.
QString colourName(const QColor& colour);

// The day boundaries of `days` (consecutive) in `zoneId`.
std::vector<kit::Instant> dayStarts(const std::vector<QDate>& days, const QString& zoneId);

// Queries the events of the days' range and pairs each with its dot colour. Main thread.
DotsInput dotsInput(const events::EventQueries& queries, const std::vector<QDate>& days,
                    EventIndicatorsInCalendar indicator);

// For each day, the colours of the events overlapping it in the snapshot's order, repeated
// colours dropped, at most kMaxDots. Pure; any thread.
Dots computeDots(const DotsInput& input);

} // namespace ruvo::calendar
