// SPDX-License-Identifier: GPL-3.0-or-later
// Runs work at an instant, after a delay or repeatedly, on the main thread.
// Two implementations: RealScheduler (Qt timers) and VirtualScheduler (tests move time by hand).
#pragma once

#include "kit/Clock.h"
#include "kit/Timer.h"

#include <functional>

namespace ruvo::kit {

using Task = std::function<void()>;

class Scheduler : public Clock {
public:
    // Runs `task` once when the clock reaches `when` (at once, on the next turn, if it is past).
    // Like every timer of the system, a wall-clock change does not move it: whoever needs
    // wall-clock alignment re-plans on the clock-changed date event.
    [[nodiscard]] virtual Timer at(Instant when, Task task) = 0;

    // Runs `task` once after `delay`.
    [[nodiscard]] virtual Timer after(Milliseconds delay, Task task) = 0;

    // Runs `task` every `interval`, the first time one interval from now.
    [[nodiscard]] virtual Timer every(Milliseconds interval, Task task) = 0;
};

} // namespace ruvo::kit
