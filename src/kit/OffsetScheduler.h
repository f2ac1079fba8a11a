// SPDX-License-Identifier: GPL-3.0-or-later
// A scheduler whose wall clock starts at a chosen instant and runs on from there: the running
// program's --now, so a 10:00 alert can be watched at 09:59:50. Only now() is shifted; delays
// and intervals keep real elapsed time, and at() waits until the shifted clock reaches `when`.
#pragma once

#include "kit/Scheduler.h"

namespace ruvo::kit {

class OffsetScheduler final : public Scheduler {
public:
    // From now on, now() answers `start` plus the time the inner clock has moved since.
    OffsetScheduler(Scheduler& inner, Instant start)
        : m_inner(inner), m_offset(start - inner.now()) {}

    Instant now() const override { return m_inner.now() + m_offset; }
    Timer at(Instant when, Task task) override {
        return m_inner.at(when - m_offset, std::move(task));
    }
    Timer after(Milliseconds delay, Task task) override {
        return m_inner.after(delay, std::move(task));
    }
    Timer every(Milliseconds interval, Task task) override {
        return m_inner.every(interval, std::move(task));
    }

private:
    Scheduler& m_inner;
    Milliseconds m_offset;
};

} // namespace ruvo::kit
