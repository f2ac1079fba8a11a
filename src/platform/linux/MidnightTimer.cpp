// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/MidnightTimer.h"

#include "kit/LocalTime.h"

#include <QTimeZone>

namespace ruvo::platform {

kit::Instant nextLocalMidnight(kit::Instant now, const QString& zoneId) {
    const QTimeZone zone = kit::zoneOrUtc(zoneId);
    const QDate today = kit::localDate(now, zoneId);
    // Qt moves a midnight that a DST gap skips forward to the first valid time.
    const QDateTime midnight(today.addDays(1), QTime(0, 0), zone);
    return kit::fromQDateTime(midnight);
}

void MidnightTimer::replan() {
    const kit::Instant at = nextLocalMidnight(m_scheduler.now(), m_zoneId());
    m_timer = m_scheduler.at(at, [this] {
        replan();
        m_onMidnight();
    });
}

} // namespace ruvo::platform
