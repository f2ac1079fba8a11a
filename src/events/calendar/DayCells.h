// SPDX-License-Identifier: GPL-3.0-or-later
// What each day of a grid shows: whether it belongs to the month, is today, is selected,
// falls on a highlighted weekday or inside the hovered event, and its dots. The view and the
// `ruvo month` command draw from the same cells.
#pragma once

#include "events/calendar/CalendarDots.h"
#include "events/calendar/MonthGrid.h"
#include "settings/Keys.h"

#include <optional>

namespace ruvo::calendar {

struct DayCell {
    QDate date;
    bool isInMonth = false;
    bool isToday = false;
    bool isSelected = false;
    bool isHighlightedWeekday = false;
    bool isInHoveredEvent = false;
    std::vector<QColor> dots;
};

struct CellContext {
    QDate today;
    QDate selected;
    settings::DayOfWeekSet highlightedWeekdays;
    std::optional<platform::DateRange> hoveredEvent;
    QString timeZoneId;
};

// One cell per day of `grid`, row by row; `dots` may be empty (no dots) or one per day.
std::vector<DayCell> dayCells(const MonthGrid& grid, const Dots& dots, const CellContext& context);

} // namespace ruvo::calendar
