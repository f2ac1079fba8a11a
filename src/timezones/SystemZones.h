// SPDX-License-Identifier: GPL-3.0-or-later
// ICU zones that carry the system's rules: each is an icu::RuleBasedTimeZone made from the
// zone's TZif file (transitions, then the file's POSIX rule), with the zone's identifier so
// ICU's names and metazones still apply. ICU's own rules are older than the system's.
//
// Zones are built on first use and cached for the process (they are immutable).
#pragma once

#include "kit/Result.h"
#include "kit/Time.h"
#include "timezones/TzifFile.h"

#include <memory>
#include <optional>
#include <unicode/basictz.h>

namespace ruvo::timezones {

using ZonePtr = std::shared_ptr<const icu::BasicTimeZone>;

class SystemZones {
public:
    // The system's zone with this identifier; nullptr when the system does not know it.
    static ZonePtr zone(const QString& id);

    // A zone from a parsed file (exposed for tests of unusual files).
    static kit::Result<std::unique_ptr<icu::BasicTimeZone>> build(const QString& id,
                                                                  const TzifFile& file);
};

// Queries on a zone at an instant.
int offsetSeconds(const icu::TimeZone& zone, kit::Instant at);
bool isDaylightTime(const icu::TimeZone& zone, kit::Instant at);
// The first transition strictly after `after`.
std::optional<kit::Instant> nextTransition(const icu::BasicTimeZone& zone, kit::Instant after);

} // namespace ruvo::timezones
