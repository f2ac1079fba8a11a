// SPDX-License-Identifier: GPL-3.0-or-later
// A zone by its identifier and the local day of an instant, with the fallback the logic uses
// everywhere: UTC when the system does not know the zone.
#pragma once

#include "kit/Time.h"

#include <QDate>
#include <QTimeZone>

namespace ruvo::kit {

// The zone named `zoneId`, or UTC when the system does not know it.
QTimeZone zoneOrUtc(const QString& zoneId);

// The calendar day of `t` in the zone named `zoneId` (UTC when the system does not know it).
QDate localDate(Instant t, const QString& zoneId);

} // namespace ruvo::kit
