// SPDX-License-Identifier: GPL-3.0-or-later
// A scheduler whose time moves only when a test moves it. Due work runs in order of its due
// time (ties in the order it was scheduled), each task seeing "now" at its own due time.
//
// Like the real one, it keeps two clocks: a monotonic one that timers run on, and the wall
// clock that now() answers. advance() moves both; jumpWallClock() moves only the wall clock,
// as setting the system time does, so pending timers keep their monotonic due times.
#pragma once

#include "kit/Scheduler.h"

#include <map>
#include <memory>

namespace ruvo::kit {

class VirtualScheduler final : public Scheduler {
public:
    explicit VirtualScheduler(Instant start);

    Instant now() const override { return m_monotonic + m_wallOffset; }
    Timer at(Instant when, Task task) override;
    Timer after(Milliseconds delay, Task task) override;
    Timer every(Milliseconds interval, Task task) override;

    // Moves time forward by `delta`, running everything that falls due on the way.
    void advance(Milliseconds delta);
    // Moves time forward to the wall-clock instant `until` (never backward).
    void advanceTo(Instant until);
    // Runs what is due now (work scheduled "at once").
    void runDue() { advance(Milliseconds{0}); }
    // Sets the wall clock by `delta` without running anything (a clock change).
    void jumpWallClock(Milliseconds delta) { m_wallOffset += delta; }

    std::size_t pendingCount() const;
    std::optional<Instant> nextDue() const;

private:
    struct Entry {
        Milliseconds interval{0}; // zero for one-shot tasks
        Task task;
        std::shared_ptr<Timer::State> state;
    };
    using Key = std::pair<Instant, quint64>; // monotonic due time, sequence

    Timer schedule(Instant monotonicDue, Milliseconds interval, Task task);

    Instant m_monotonic;
    Milliseconds m_wallOffset{0};
    quint64 m_sequence = 0;
    std::map<Key, Entry> m_queue;
    std::shared_ptr<int> m_alive = std::make_shared<int>(0); // lets handles outlive us
};

} // namespace ruvo::kit
