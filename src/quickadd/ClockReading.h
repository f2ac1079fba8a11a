// SPDX-License-Identifier: GPL-3.0-or-later
// One word read as a time of day ("3pm", "15:30", "9.30uhr", "7") or as a range of two
// ("9-10am", "15-16uhr"), and how such a reading becomes a time.
#pragma once

#include <QString>
#include <QTime>
#include <optional>
#include <utility>

namespace ruvo::quickadd {

enum class Meridiem { none, am, pm };

struct ClockReading {
    int hour = 0;
    int minute = 0;
    Meridiem meridiem = Meridiem::none;
    bool hasMinutes = false;
    bool hasUhr = false;  // "15uhr": a 24-hour time
    bool hasColon = true; // "15:30"; false for "15.30", which needs "Uhr" or "um"

    // A time that says itself a time without a word before it.
    bool isStrong() const {
        return meridiem != Meridiem::none || hasUhr || (hasMinutes && hasColon);
    }
};

std::optional<ClockReading> readClock(const QString& word);
std::optional<std::pair<ClockReading, ClockReading>> readClockRange(const QString& word);

// The time a reading names with `meridiem` (its own when it has one); none when it names no
// time ("13pm", "25:00"). `allowsTwentyFour` lets "24" name the midnight that ends a day.
std::optional<QTime> timeOf(const ClockReading& reading, Meridiem meridiem,
                            bool allowsTwentyFour = false);

} // namespace ruvo::quickadd
