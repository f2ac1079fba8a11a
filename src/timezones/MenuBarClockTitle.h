// SPDX-License-Identifier: GPL-3.0-or-later
// The text of an entry's own clock in the panel: its title, the weekday when the zone's day
// differs from the local one, and its time; and the width rule that keeps the item from
// jumping when only digit widths change. The status item (panel) draws and sizes it.
#pragma once

#include "timezones/ChosenTimeZoneTexts.h"

#include <QStringList>

namespace ruvo::timezones {

struct MenuBarClockTitle {
    QString title;                    // "Team " (with its space), or empty for a blank title
    QString weekday;                  // "Wed " (sentence capitalisation), or empty
    QString time;                     // timeText of the present instant
    bool isCurrentZoneMarked = false; // the current zone, with the coloured-marker setting on

    QString text() const { return title + weekday + time; }

    static MenuBarClockTitle make(const settings::ChosenTimeZone& entry,
                                  const ChosenTimeZoneTexts& texts, bool markCurrentZone);
};

// The clock as a square tray icon shows it: the time's digits (without a day period, which
// the tooltip still has) over a label of at most three characters from the entry's name:
// the initials of a name of several words ("New York" → "NY"), else its start ("LON").
QStringList zoneSquareText(const QString& time, const QString& name);

// The item's width: w = text width + 6; kept while it differs from the stored one by less
// than 3 (points or pixels), otherwise stored.
class ClockWidth {
public:
    double update(double textWidth);
    double value() const { return m_longest; }

private:
    double m_longest = 0;
};

} // namespace ruvo::timezones
