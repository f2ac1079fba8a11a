// SPDX-License-Identifier: GPL-3.0-or-later
// The texts and tests of a world-clock entry at an instant: its clock text, its offset to
// local time, its day, whether it is daytime there and whether it hides itself. "Local" is
// the environment's zone; "now" is the clock's.
#pragma once

#include "kit/Clock.h"
#include "kit/Environment.h"
#include "settings/records/ChosenTimeZone.h"

namespace ruvo::timezones {

using settings::ChosenTimeZone;

// The user's name, else the name the entry was added with, else the zone's city.
QString displayName(const ChosenTimeZone& entry);

// Stores `name`; a name that is blank after trimming puts the original name (or city) back.
void rename(ChosenTimeZone& entry, std::optional<QString> name);

class ChosenTimeZoneTexts {
public:
    ChosenTimeZoneTexts(kit::Environment environment, const kit::Clock& clock)
        : m_environment(std::move(environment)), m_clock(clock) {}

    const kit::Environment& environment() const { return m_environment; }
    kit::Instant now() const { return m_clock.now(); }

    // "9:05 AM" (system), "21:05" (24-hour, en_US_POSIX), "09:05 PM" (12-hour).
    QString timeText(const ChosenTimeZone& entry, kit::Instant at) const;
    bool shouldHide(const ChosenTimeZone& entry) const;
    // 08:00 up to 17:59 in the entry's zone.
    bool isDaytime(const ChosenTimeZone& entry, kit::Instant at) const;
    // "Current", "+4h 30m", "-3h".
    QString relativeOffsetText(const ChosenTimeZone& entry, kit::Instant at) const;
    // Abbreviated weekday in the entry's zone ("Tue").
    QString weekdayText(const ChosenTimeZone& entry, kit::Instant at) const;
    // "Tomorrow", "Dec 9" (this year), "Jan 2, 2027": the entry's wall-clock day.
    QString relativeDayText(const ChosenTimeZone& entry, kit::Instant at) const;
    // The entry's offset minus the local offset, in seconds.
    int offsetFromLocal(const ChosenTimeZone& entry, kit::Instant at) const;

private:
    kit::Environment m_environment;
    const kit::Clock& m_clock;
};

} // namespace ruvo::timezones
