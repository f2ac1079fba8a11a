// SPDX-License-Identifier: GPL-3.0-or-later
// An ICU zone that answers the system's offset for one instant. ICU's own rules are older than
// the system's tz data, so offsets come from the system (through QTimeZone) and ICU only names
// the zone, through its identifier.
#pragma once

#include "kit/Time.h"

#include <memory>
#include <unicode/timezone.h>

namespace ruvo::menubar {

// A zone fixed at the offsets that `zoneId` has at `at`; UTC for an unknown identifier.
std::unique_ptr<icu::TimeZone> icuZoneAt(const QString& zoneId, kit::Instant at);

} // namespace ruvo::menubar
