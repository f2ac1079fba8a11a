// SPDX-License-Identifier: GPL-3.0-or-later
// One world-clock entry as automation sees it: its texts and times at one instant, under the
// names a caller reads (D-Bus dictionaries, the command line's JSON).
#pragma once

#include "timezones/ChosenTimeZoneTexts.h"

#include <QJsonObject>
#include <QVariantMap>
#include <optional>

namespace ruvo::automation {

struct TimeZoneEntity {
    QString id;                 // the entry's identifier, without braces
    QString name;               // the entry's display name
    QString abbreviation;       // the entry's zone label: "UTC+1 (CET)"
    QString timeZoneIdentifier; // "Europe/Berlin"
    int offset = 0;             // the zone's offset minus the local one, in seconds
    QString localTimeRaw;       // the instant in the zone, ISO 8601 with its offset
    QString localTime;          // the entry's clock text: "9:05 AM"

    bool operator==(const TimeZoneEntity&) const = default;
};

TimeZoneEntity timeZoneEntity(const settings::ChosenTimeZone& entry,
                              const timezones::ChosenTimeZoneTexts& texts, kit::Instant at);

QVariantMap toVariantMap(const TimeZoneEntity& entity);
// None when a field is missing or of the wrong type.
std::optional<TimeZoneEntity> timeZoneEntityFrom(const QVariantMap& map);
QJsonObject toJson(const TimeZoneEntity& entity);

} // namespace ruvo::automation
