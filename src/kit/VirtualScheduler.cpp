// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/VirtualScheduler.h"

#include <algorithm>

namespace ruvo::kit {

VirtualScheduler::VirtualScheduler(Instant start) : m_monotonic(start) {}

Timer VirtualScheduler::at(Instant when, Task task) {
    return schedule(std::max(m_monotonic, when - m_wallOffset), Milliseconds{0}, std::move(task));
}

Timer VirtualScheduler::after(Milliseconds delay, Task task) {
    return schedule(m_monotonic + std::max(delay, Milliseconds{0}), Milliseconds{0},
                    std::move(task));
}

Timer VirtualScheduler::every(Milliseconds interval, Task task) {
    interval = std::max(interval, Milliseconds{1});
    return schedule(m_monotonic + interval, interval, std::move(task));
}

Timer VirtualScheduler::schedule(Instant monotonicDue, Milliseconds interval, Task task) {
    auto state = std::make_shared<Timer::State>();
    const Key key{monotonicDue, m_sequence++};
    m_queue.emplace(key, Entry{interval, std::move(task), state});
    state->cancel = [this, key, alive = std::weak_ptr<int>(m_alive)] {
        if (alive.lock())
            m_queue.erase(key);
    };
    return Timer{state};
}

void VirtualScheduler::advance(Milliseconds delta) {
    const Instant target = m_monotonic + std::max(delta, Milliseconds{0});
    while (!m_queue.empty() && m_queue.begin()->first.first <= target) {
        auto node = m_queue.extract(m_queue.begin());
        Entry& entry = node.mapped();
        m_monotonic = std::max(m_monotonic, node.key().first);
        const bool repeating = entry.interval.count() > 0;
        if (repeating) {
            // Re-queue before running so the task may cancel its own timer.
            const Key next{node.key().first + entry.interval, m_sequence++};
            entry.state->cancel = [this, next, alive = std::weak_ptr<int>(m_alive)] {
                if (alive.lock())
                    m_queue.erase(next);
            };
            m_queue.emplace(next, Entry{entry.interval, entry.task, entry.state});
            entry.task(); // the node's own copy: safe even if the task cancels its timer
        } else {
            entry.state->isActive = false;
            entry.state->cancel = nullptr;
            entry.task();
        }
    }
    m_monotonic = target;
}

void VirtualScheduler::advanceTo(Instant until) {
    advance(std::max(Milliseconds{0}, until - now()));
}

std::size_t VirtualScheduler::pendingCount() const {
    return m_queue.size();
}

std::optional<Instant> VirtualScheduler::nextDue() const {
    if (m_queue.empty())
        return std::nullopt;
    return m_queue.begin()->first.first + m_wallOffset;
}

} // namespace ruvo::kit
