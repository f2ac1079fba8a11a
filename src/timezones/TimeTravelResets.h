// SPDX-License-Identifier: GPL-3.0-or-later
// The places outside the world clock that end time travel: closing the menu window (when
// timeTravelResetOnMenuClose is on), the calendar's go-to-today action and hiding the slider
// in the settings. The application owns one, beside its TimeZoneOffset.
#pragma once

#include "kit/Signal.h"
#include "settings/Defaults.h"
#include "timezones/TimeZoneOffset.h"

namespace ruvo::timezones {

class TimeTravelResets {
public:
    TimeTravelResets(const settings::Defaults& defaults, TimeZoneOffset& offset);

    // The menu window closed.
    void onMenuWindowClosed(bool onlyOptionHeld = false);

    // The calendar header's go-to-today action. True when it only ended time travel (the
    // selected day stays); false when there was none and the caller selects today.
    bool onGoToToday(bool onlyOptionHeld = false);

private:
    const settings::Defaults& m_defaults;
    TimeZoneOffset& m_offset;
    kit::Subscription m_sliderSetting;
};

} // namespace ruvo::timezones
