// SPDX-License-Identifier: GPL-3.0-or-later
// The date line at the top of the menu window: the user's pattern (`menuDateTimeFormat`), or
// a line composed from the locale's templates by the window's "show" switches.
#pragma once

#include "kit/Environment.h"
#include "kit/Time.h"
#include "settings/Defaults.h"

namespace ruvo::menubar {

struct MenuDateLineSettings {
    QString pattern;
    bool showDate = false;
    bool showDayOfWeek = false;
    bool showWeekNumber = false;
    bool showTime = false;
    bool showSeconds = false;
    bool showAmPm = true;

    static MenuDateLineSettings from(const settings::Defaults& defaults);
    // Whether the line changes every second (else every minute, or never).
    bool needsSeconds() const;
};

// Empty when the line is off.
QString composeMenuDateLine(const MenuDateLineSettings& settings, kit::Instant now,
                            const kit::Environment& environment);

} // namespace ruvo::menubar
