// SPDX-License-Identifier: GPL-3.0-or-later
// Collapses a burst of triggers into one call, `delay` after the last trigger of the burst.
#pragma once

#include "kit/Scheduler.h"

namespace ruvo::kit {

class Debouncer {
public:
    Debouncer(Scheduler& scheduler, Milliseconds delay, Task action)
        : m_scheduler(scheduler), m_delay(delay), m_action(std::move(action)) {}

    void trigger() {
        m_pending = m_scheduler.after(m_delay, [this] { m_action(); });
    }
    void cancel() { m_pending.cancel(); }
    bool isPending() const { return m_pending.isActive(); }

private:
    Scheduler& m_scheduler;
    Milliseconds m_delay;
    Task m_action;
    Timer m_pending;
};

} // namespace ruvo::kit
