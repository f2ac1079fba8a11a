// SPDX-License-Identifier: GPL-3.0-or-later
// The one source of "now" for logic code.
#pragma once

#include "kit/Time.h"

#include <chrono>

namespace ruvo::kit {

class Clock {
public:
    virtual ~Clock() = default;
    virtual Instant now() const = 0;
};

// A clock that always answers the same instant (the command line's --now).
class FixedClock final : public Clock {
public:
    explicit FixedClock(Instant at) : m_at(at) {}
    Instant now() const override { return m_at; }

private:
    Instant m_at;
};

// Real elapsed time, whatever the wall clock or the command line's --now say: what time limits
// are measured on. Its instants mean nothing as dates.
class SteadyClock final : public Clock {
public:
    Instant now() const override {
        return Instant(std::chrono::duration_cast<Milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch()));
    }
};

inline const Clock& steadyClock() {
    static const SteadyClock clock;
    return clock;
}

} // namespace ruvo::kit
