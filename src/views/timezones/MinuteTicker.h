// SPDX-License-Identifier: GPL-3.0-or-later
// Calls back at every whole minute (or second) of the scheduler's clock while started.
#pragma once

#include "kit/Scheduler.h"

namespace ruvo::views {

class MinuteTicker {
public:
    MinuteTicker(kit::Scheduler& scheduler, std::function<void()> onTick,
                 kit::Milliseconds precision = std::chrono::minutes(1))
        : m_scheduler(scheduler), m_onTick(std::move(onTick)), m_precision(precision) {}

    void start() { arm(); }
    void stop() { m_timer.cancel(); }

private:
    void arm() {
        const kit::Instant next =
            std::chrono::floor<kit::Milliseconds>(m_scheduler.now() - kit::Instant{}) /
                m_precision * m_precision +
            m_precision + kit::Instant{};
        m_timer = m_scheduler.at(next, [this] {
            m_onTick();
            arm();
        });
    }

    kit::Scheduler& m_scheduler;
    std::function<void()> m_onTick;
    kit::Milliseconds m_precision;
    kit::Timer m_timer;
};

} // namespace ruvo::views
