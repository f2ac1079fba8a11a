// SPDX-License-Identifier: GPL-3.0-or-later
// What a zone shows at an instant: its UTC offset text, its abbreviation and its label.
// Offsets come from the system's rules (SystemZones); an unknown zone reads as UTC.
#pragma once

#include "kit/Time.h"
#include "settings/records/ZuTimeZone.h"

#include <optional>

namespace ruvo::timezones {

using settings::ZuTimeZone;

int utcOffsetSeconds(const QString& zoneId, kit::Instant at);
int utcOffsetSeconds(const ZuTimeZone& zone, kit::Instant at);
bool isDaylightTime(const ZuTimeZone& zone, kit::Instant at);

// "UTC", "UTC-3", "UTC+5:30", "UTC+5:45".
QString utcOffsetText(int seconds);
QString utcOffsetText(const ZuTimeZone& zone, kit::Instant at);

// The zone's short name at the instant as ICU gives it in en_US ("EST", "GMT+1", "UTC").
std::optional<QString> platformAbbreviation(const ZuTimeZone& zone, kit::Instant at);

// The short name with the "GMT..." forms resolved through the abbreviation table, and any
// other "GMT" written as "UTC".
std::optional<QString> normalizedAbbreviation(const ZuTimeZone& zone, kit::Instant at);

// "UTC-5 (EST)", or the offset text alone when the abbreviation adds nothing.
QString zoneLabel(const ZuTimeZone& zone, kit::Instant at);

// The abbreviation for "identifier GMT..." keys ("Europe/Paris GMT+1" -> "CET").
std::optional<QString> gmtAbbreviation(const QString& key);

// Ordering of zones by their offset at `now`.
bool isBeforeByOffset(const ZuTimeZone& a, const ZuTimeZone& b, kit::Instant now);

} // namespace ruvo::timezones
