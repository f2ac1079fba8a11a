// SPDX-License-Identifier: GPL-3.0-or-later
// Calls back at each local midnight, planned again when the clock, the zone or the machine's
// sleep made the plan stale.
#pragma once

#include "kit/Scheduler.h"

#include <QString>

namespace ruvo::platform {

// The first local midnight after `now` in `zoneId` (where a DST change skips midnight, the
// first instant of the new day).
kit::Instant nextLocalMidnight(kit::Instant now, const QString& zoneId);

class MidnightTimer {
public:
    MidnightTimer(kit::Scheduler& scheduler, std::function<QString()> zoneId,
                  std::function<void()> onMidnight)
        : m_scheduler(scheduler), m_zoneId(std::move(zoneId)), m_onMidnight(std::move(onMidnight)) {
    }

    void replan();
    bool isPlanned() const { return m_timer.isActive(); }

private:
    kit::Scheduler& m_scheduler;
    std::function<QString()> m_zoneId;
    std::function<void()> m_onMidnight;
    kit::Timer m_timer;
};

} // namespace ruvo::platform
