// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers around ICU date formatting with the system's zones.
#pragma once

#include "kit/Environment.h"
#include "kit/Time.h"

#include <QDate>
#include <QString>
#include <memory>
#include <optional>
#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>

namespace ruvo::timezones {

// A copy of the system's zone `id` (UTC when the system does not know it).
std::unique_ptr<icu::TimeZone> icuZone(const QString& id);

// A formatter for the localized pattern of `skeleton` in `locale`, in the zone,
// capitalised for stand-alone use. `keepHourLength` keeps "hh" as two digits.
std::unique_ptr<icu::SimpleDateFormat> skeletonFormat(const icu::Locale& locale,
                                                      const char* skeleton, const QString& zoneId,
                                                      bool keepHourLength = false);

QString format(icu::DateFormat& formatter, kit::Instant at);

// A Gregorian calendar of the locale in the zone, set to `at`.
std::unique_ptr<icu::Calendar> calendarAt(const icu::Locale& locale, const QString& zoneId,
                                          kit::Instant at);

// The calendar day of `at` in the zone.
QDate localDate(const QString& zoneId, kit::Instant at);

// "5h 30m", "-3h", "45m": narrow hours and minutes, zero units left out, the sign on the
// first unit. Zero is "0m".
QString durationText(const icu::Locale& locale, qint64 seconds);

// The locale's short time ("9:41 AM", "09:41") of `at` in the environment's zone.
QString shortTimeText(const kit::Environment& environment, kit::Instant at);

// "Yesterday", "Today", "Tomorrow" (capitalised for stand-alone use) for -1, 0 and 1 days
// from today, where the locale has such words.
std::optional<QString> namedDayText(const icu::Locale& locale, qint64 days);

} // namespace ruvo::timezones
