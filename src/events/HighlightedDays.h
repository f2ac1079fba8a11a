// SPDX-License-Identifier: GPL-3.0-or-later
// The days of the event that the pointer rests on in the event list; the month calendar
// draws them highlighted. The event list writes it, the month calendar reads it, and the
// menu window that holds both owns it.
#pragma once

#include "kit/Signal.h"
#include "platform/CalendarTypes.h"

#include <optional>

namespace ruvo::events {

struct HighlightedDays {
    QString itemIdentifier;
    platform::DateRange range;
    friend bool operator==(const HighlightedDays&, const HighlightedDays&) = default;
};

using CalendarDaysHighlightModel = kit::ObservableValue<std::optional<HighlightedDays>>;

} // namespace ruvo::events
