// SPDX-License-Identifier: GPL-3.0-or-later
// The daily window in which the hourly chime sounds.
//
// A day's window starts at that day's start time and ends at the next end time after it, so a
// window such as 22:00 to 02:00 runs into the next day. Both ends are widened by a tolerance
// of 2 seconds (a tick a second late at 22:00:01 still sounds). A tick belongs to the window
// of its own day, except that the tick at midnight also belongs to the day that it ends: with
// 22:00 to 02:00, the chimes at 22:00, 23:00 and midnight sound, those at 01:00 and 02:00 do
// not (that day's window has not begun).
#pragma once

#include "kit/Time.h"
#include "settings/records/PlainHourMinuteTime.h"

#include <QDate>
#include <QTime>
#include <QTimeZone>

namespace ruvo::alerts {

inline constexpr kit::Milliseconds kChimeWindowTolerance{2000};

// The first instant at which the wall clock of `zone` shows `time` on `day`. A time that a
// change to daylight saving time skips gives the first instant after the gap; a time shown
// twice (the change back) gives the earlier one.
kit::Instant firstInstantAt(QDate day, QTime time, const QTimeZone& zone);

struct ChimeWindow {
    kit::Instant start;
    kit::Instant end;
};

// The window that starts on `day`.
ChimeWindow chimeWindow(QDate day, const settings::PlainHourMinuteTimeRange& range,
                        const QTimeZone& zone);

bool isInsideChimeWindow(kit::Instant t, const settings::PlainHourMinuteTimeRange& range,
                         const QTimeZone& zone);

} // namespace ruvo::alerts
