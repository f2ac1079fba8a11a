// SPDX-License-Identifier: GPL-3.0-or-later
// The text of the menu-bar clock: from the "show" switches through the locale's own templates,
// or from the user's date-format pattern. A pure function of settings, instant and environment.
#pragma once

#include "kit/Environment.h"
#include "kit/Time.h"
#include "settings/Defaults.h"
#include "settings/records/Enums.h"

namespace ruvo::menubar {

struct ClockTextSettings {
    bool showWeekDay = true;
    bool showDate = false;
    bool showMonth = true;
    bool showTime = true;
    bool showSeconds = false;
    bool showWeekNumber = false;
    bool showAmPm = true;
    QString dateTimeFormat;
    settings::MenuBarIconType icon = settings::MenuBarIconType::none;

    static ClockTextSettings from(const settings::Defaults& defaults);
};

struct ClockText {
    QString text;                 // trimmed; empty only when an icon stands in for it
    bool isCustomPattern = false; // composed from `dateTimeFormat`
};

// The name shown when there is neither text nor icon.
inline QString productName() {
    return QStringLiteral("Ruvo");
}

ClockText composeClockText(const ClockTextSettings& settings, kit::Instant now,
                           const kit::Environment& environment);

// `pattern` as a Unicode date-format pattern; empty when ICU rejects it.
QString formatWithPattern(const QString& pattern, kit::Instant now,
                          const kit::Environment& environment);

// The full date in the locale's words ("Friday, December 4, 2026"), for tool tips.
QString composeLongDate(kit::Instant now, const kit::Environment& environment);

// The week of year of `now` in the locale's calendar.
int weekOfYear(kit::Instant now, const kit::Environment& environment);

} // namespace ruvo::menubar
