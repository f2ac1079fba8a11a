// SPDX-License-Identifier: GPL-3.0-or-later
// What the world-clock section shows: one row per visible entry with its texts, and the
// details of one entry (its popover). Views only draw these.
#pragma once

#include "timezones/ChosenTimeZoneTexts.h"
#include "timezones/TimeTravel.h"

#include <vector>

namespace ruvo::timezones {

struct WorldClockRow {
    QUuid id;
    QString name;           // displayName
    QString time;           // timeText at the travel date
    QString relativeOffset; // at the base date: "Current", "+5h 30m"
    QString day;            // "Tomorrow", or "Wed, Tomorrow" while travelling
    bool showsSymbol = false;
    bool isDaytime = false;
    QString accessibleLabel; // "Time Zone: Paris, 3:00 PM, Today, +6h"
};

struct WorldClockState {
    TimeTravelInput input;
    const TimeZoneOffset& offset;
    bool showDayAndNightIcons = false;
};

std::vector<WorldClockRow> worldClockRows(const std::vector<settings::ChosenTimeZone>& entries,
                                          const ChosenTimeZoneTexts& texts,
                                          const TimeTravel& travel, const WorldClockState& state);

struct ZoneDetails {
    QString title;
    QString zoneLabel; // empty when it equals the title
    bool isDaylightTime = false;
    bool isCurrentZone = false;
    // "Transitions to Daylight Savings Time in 3 days." when the next change is within 30 days.
    std::optional<QString> transitionNote;
    QString notes;
};

ZoneDetails zoneDetails(const settings::ChosenTimeZone& entry, const ChosenTimeZoneTexts& texts);

// The present instant in ISO 8601 in the entry's zone: "2026-12-04T09:41:00-05:00".
QString isoTextInZone(const settings::ZuTimeZone& zone, kit::Instant at);

} // namespace ruvo::timezones
