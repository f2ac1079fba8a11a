// SPDX-License-Identifier: GPL-3.0-or-later
// Turns a stream of horizontal scroll deltas (a two-finger swipe on a touchpad, a tilted
// wheel) into at most one month step per gesture: deltas add up until they pass a threshold,
// then the tracker stays locked until the gesture ends or the deltas go quiet for a while.
#pragma once

#include "kit/Clock.h"

#include <optional>

namespace ruvo::calendar {

// The direction the content is pushed: left shows the next month, right the previous one.
enum class HorizontalSwipeDirection { left, right };

class SwipeTracker {
public:
    static constexpr double kThreshold = 50.0; // pixels (a wheel notch is worth 50)
    static constexpr kit::Milliseconds kQuietGap{300};

    explicit SwipeTracker(const kit::Clock& clock) : m_clock(clock) {}

    // `deltaX` as the scroll event delivers it; `isInverted` when the system inverts deltas
    // (natural scrolling). With `followSystemDirection` the delivered direction counts,
    // otherwise the fingers' physical direction does.
    std::optional<HorizontalSwipeDirection> onScroll(double deltaX, bool isInverted,
                                                     bool followSystemDirection);
    // The gesture's fingers left the touchpad.
    void onGestureEnd() { reset(); }

private:
    void reset() {
        m_accumulated = 0;
        m_isLocked = false;
    }

    const kit::Clock& m_clock;
    double m_accumulated = 0;
    bool m_isLocked = false;
    std::optional<kit::Instant> m_lastScroll;
};

} // namespace ruvo::calendar
