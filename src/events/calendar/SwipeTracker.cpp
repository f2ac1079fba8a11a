// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/calendar/SwipeTracker.h"

#include <cmath>

namespace ruvo::calendar {

std::optional<HorizontalSwipeDirection> SwipeTracker::onScroll(double deltaX, bool isInverted,
                                                               bool followSystemDirection) {
    const kit::Instant now = m_clock.now();
    if (m_lastScroll && now - *m_lastScroll > kQuietGap)
        reset();
    m_lastScroll = now;
    if (m_isLocked)
        return std::nullopt;
    m_accumulated += (isInverted && !followSystemDirection) ? -deltaX : deltaX;
    if (std::abs(m_accumulated) < kThreshold)
        return std::nullopt;
    const auto direction =
        m_accumulated < 0 ? HorizontalSwipeDirection::left : HorizontalSwipeDirection::right;
    m_accumulated = 0;
    m_isLocked = true;
    return direction;
}

} // namespace ruvo::calendar
