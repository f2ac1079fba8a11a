// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/LocalTime.h"

namespace ruvo::kit {

QTimeZone zoneOrUtc(const QString& zoneId) {
    const QTimeZone zone(zoneId.toUtf8());
    return zone.isValid() ? zone : QTimeZone::utc();
}

QDate localDate(Instant t, const QString& zoneId) {
    return toQDateTime(t).toTimeZone(zoneOrUtc(zoneId)).date();
}

} // namespace ruvo::kit
