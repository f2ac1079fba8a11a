// SPDX-License-Identifier: GPL-3.0-or-later
// The compact form in which the vdir store keeps a calendar file: times as wall-clock
// seconds with a zone index, recurrence rules as small values (their text kept for the rare
// rule the fast path does not cover), exceptions as sorted arrays, and the shared event data.
// No libical object survives parsing.
#pragma once

#include "platform/CalendarTypes.h"
#include "platform/linux/VdirZones.h"

#include <QByteArray>
#include <limits>

namespace ruvo::platform::vdir {

inline constexpr LocalSeconds kNoEnd = std::numeric_limits<LocalSeconds>::max();

struct EventTimes {
    LocalSeconds start = 0;
    qint64 duration = 0; // seconds; all-day items count whole days of 86400
    ZoneIndex zone = kFloatingZone;
};

enum class Frequency : quint8 { secondly, minutely, hourly, daily, weekly, monthly, yearly };

struct RecurrenceRule {
    QByteArray text; // the RRULE value without UNTIL (that one is `until`)
    Frequency frequency = Frequency::daily;
    int interval = 1;
    int count = 0;               // 0: no COUNT
    LocalSeconds until = kNoEnd; // last allowed start, in the series' zone
    quint8 weekdays = 0;         // WEEKLY with plain BYDAY: bit 0 Monday ... bit 6 Sunday
    quint8 weekStart = 0;        // 0 Monday ... 6 Sunday
    // MONTHLY: BYMONTHDAY values (negative from the month's end), or BYDAY entries encoded
    // as ordinal * 8 + weekday (ordinal 0: every such weekday of the month).
    std::vector<qint16> monthDays;
    std::vector<qint16> ordinalDays;
    // Computed here without libical: DAILY without BY parts, WEEKLY with plain BYDAY,
    // MONTHLY with only BYMONTHDAY or only BYDAY, YEARLY without BY parts.
    bool isSimple = false;
};

// A single event, or one overridden occurrence of a series (then `recurrenceId` is set).
struct SingleRecord {
    std::shared_ptr<EventData> data;
    EventTimes times;
    std::optional<kit::Instant> recurrenceId;
};

struct SeriesRecord {
    std::shared_ptr<EventData> data;
    EventTimes times;
    std::vector<RecurrenceRule> rules;
    std::vector<LocalSeconds> rdates;  // sorted
    std::vector<LocalSeconds> exdates; // sorted; also the starts that overrides replace
    LocalSeconds lastStart = kNoEnd;   // no occurrence starts later
};

// A repeating task: the starts of `due` (no data, no duration) are the due times of its
// occurrences; those completed on their own are among its exdates.
struct ReminderSeries {
    quint32 reminder = 0; // index into ParsedFile::reminders
    SeriesRecord due;
};

struct ParsedFile {
    std::vector<SingleRecord> singles;
    std::vector<SeriesRecord> series;
    std::vector<Reminder> reminders;
    std::vector<ReminderSeries> reminderSeries;
};

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
qint64 daysFromCivil(int year, int month, int day);
void civilFromDays(qint64 days, int& year, int& month, int& day);
inline LocalSeconds localSeconds(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return daysFromCivil(y, mo, d) * 86400 + h * 3600 + mi * 60 + s;
}

} // namespace ruvo::platform::vdir
