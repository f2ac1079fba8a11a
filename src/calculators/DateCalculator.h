// SPDX-License-Identifier: GPL-3.0-or-later
// Date arithmetic for the calculators: the interval between two days and a day moved by a
// duration. Days are calendar days without a time or zone, so DST days count as one day.
// Everything is limited to the years 1 to 9999: beyond them the text forms have no meaning.
#pragma once

#include "kit/Result.h"

#include <QDate>
#include <QString>

namespace ruvo::calculators {

inline constexpr int kFirstYear = 1;
inline constexpr int kLastYear = 9999;

// From `first` to `second`; every field is negative when `second` comes first.
struct DateInterval {
    qint64 days = 0;        // second minus first
    qint64 weeks = 0;       // whole weeks of `days`
    qint64 months = 0;      // whole calendar months, a month from the 31st ends on the last day
    qint64 workingDays = 0; // Monday to Friday in [first, second)
};

DateInterval between(QDate first, QDate second);

// An ISO 8601 duration in whole days: "P1Y2M", "P2W", "-P2W3D". Months and years move the
// day within the calendar; weeks and days count days.
struct DateDuration {
    qint64 years = 0;
    qint64 months = 0;
    qint64 weeks = 0;
    qint64 days = 0;
    bool operator==(const DateDuration&) const = default;
};

// "2024-02-29"; a clear error for anything else or a year outside 1 to 9999.
kit::Result<QDate> parseDate(const QString& text);
// An error for time parts ("PT36H"), empty durations ("P") and numbers past a million.
kit::Result<DateDuration> parseDuration(const QString& text);

// Years and months first, clamped to the month's last day (31 January + P1M = 28 or
// 29 February), then weeks and days. An error when the result leaves the years 1 to 9999.
kit::Result<QDate> add(QDate date, const DateDuration& duration);

} // namespace ruvo::calculators
