// SPDX-License-Identifier: GPL-3.0-or-later
// How the menu-bar icon learns the number of today's events still to come. The events
// library implements it over its calendar queries; until one is given the icon shows none.
#pragma once

#include "kit/Time.h"

#include <optional>

namespace ruvo::menubar {

class RemainingEventsCounter {
public:
    virtual ~RemainingEventsCounter() = default;
    // Today's events (in the current zone) that have not ended at `now`; nothing when unknown.
    virtual std::optional<int> remainingEventsToday(kit::Instant now) const = 0;
};

} // namespace ruvo::menubar
