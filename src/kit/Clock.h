// SPDX-License-Identifier: GPL-3.0-or-later
// The one source of "now" for logic code.
#pragma once

#include "kit/Time.h"

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

} // namespace ruvo::kit
