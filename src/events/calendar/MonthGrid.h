// SPDX-License-Identifier: GPL-3.0-or-later
// The days of a shown month as the calendar lays them out: six rows of seven days starting on
// the locale's first weekday (with the neighbouring months' days filling the first and last
// rows), the weekday initials in that order, each row's week number and the month-and-year
// title. Dates only: the grid does not depend on the time zone.
#pragma once

#include "kit/Environment.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

namespace ruvo::calendar {

struct GridRow {
    int weekOfYear = 0;      // of the row's first day, in the locale's week rules
    std::vector<QDate> days; // seven
};

struct MonthGrid {
    static constexpr int kRows = 6;

    QDate month;          // the first day of the shown month
    QString title;        // "December 2026", "Dezember 2026"
    QStringList weekdays; // seven very short standalone symbols, first weekday first
    int firstWeekday = 7; // Qt numbering: Monday 1 ... Sunday 7
    std::vector<GridRow> rows;

    QDate firstDay() const { return rows.front().days.front(); }
    QDate lastDay() const { return rows.back().days.back(); }
    std::vector<QDate> days() const;
    bool isInMonth(QDate day) const {
        return day.year() == month.year() && day.month() == month.month();
    }
};

// The grid of the month that holds `shown`, for the environment's locale (always Gregorian).
MonthGrid monthGrid(QDate shown, const kit::Environment& environment);

} // namespace ruvo::calendar
