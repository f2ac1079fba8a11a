// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/calendar/DayCells.h"

namespace ruvo::calendar {

namespace {

bool overlaps(const platform::DateRange& range, kit::Instant dayStart, kit::Instant dayEnd) {
    if (range.end <= range.start)
        return range.start >= dayStart && range.start < dayEnd;
    return range.start < dayEnd && range.end > dayStart;
}

} // namespace

std::vector<DayCell> dayCells(const MonthGrid& grid, const Dots& dots, const CellContext& context) {
    const std::vector<QDate> days = grid.days();
    std::vector<kit::Instant> starts;
    if (context.hoveredEvent)
        starts = dayStarts(days, context.timeZoneId);
    std::vector<DayCell> cells;
    cells.reserve(days.size());
    for (std::size_t i = 0; i < days.size(); ++i) {
        const QDate day = days[i];
        DayCell cell;
        cell.date = day;
        cell.isInMonth = grid.isInMonth(day);
        cell.isToday = day == context.today;
        cell.isSelected = day == context.selected;
        cell.isHighlightedWeekday =
            context.highlightedWeekdays.count(settings::DayOfWeek(day.dayOfWeek())) > 0;
        cell.isInHoveredEvent =
            context.hoveredEvent && overlaps(*context.hoveredEvent, starts[i], starts[i + 1]);
        if (i < dots.size())
            cell.dots = dots[i];
        cells.push_back(std::move(cell));
    }
    return cells;
}

} // namespace ruvo::calendar
