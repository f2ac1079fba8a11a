// SPDX-License-Identifier: GPL-3.0-or-later
// The POSIX TZ string at the end of a TZif file ("EST5EDT,M3.2.0,M11.1.0",
// "<+0530>-5:30", "EET-2EEST,M4.5.5/0,M10.5.4/24"): the rule of the years after the file's
// last transition. Offsets here are seconds east of UTC, unlike the string's.
#pragma once

#include <QString>
#include <optional>

namespace ruvo::timezones {

struct PosixTzDate {
    enum class Kind { monthWeekDay, julianNoLeap, zeroBasedDay };
    Kind kind = Kind::monthWeekDay;
    int month = 1;   // 1...12 (monthWeekDay)
    int week = 1;    // 1...5, 5 = last (monthWeekDay)
    int weekday = 0; // 0 = Sunday (monthWeekDay)
    int day = 0;     // day number for the other kinds
    int time = 7200; // seconds after local midnight, may be negative or past 24 h

    // Month (1...12) and day of month of the day-number kinds, counting February as 28 days.
    std::pair<int, int> monthAndDay() const;
};

struct PosixTzRule {
    QString standardName;
    int standardOffset = 0;
    QString daylightName; // empty when the zone keeps one offset
    int daylightOffset = 0;
    PosixTzDate start; // when daylight time begins (local standard time)
    PosixTzDate end;   // when it ends (local daylight time)

    bool hasDaylightTime() const { return !daylightName.isEmpty(); }

    static std::optional<PosixTzRule> parse(const QString& text);
};

} // namespace ruvo::timezones
