// SPDX-License-Identifier: GPL-3.0-or-later
// The clock for a square tray icon, where a whole line of text would be scaled down to a few
// pixels: the time as hours over minutes, or (without the time) the day over the month.
#pragma once

#include "menubar/ClockText.h"

#include <QStringList>

namespace ruvo::menubar {

// One or two short lines, following what the clock text shows; empty when it shows neither
// time nor date (the icon alone, or the product name).
QStringList composeSquareText(const ClockTextSettings& settings, kit::Instant now,
                              const kit::Environment& environment);

} // namespace ruvo::menubar
