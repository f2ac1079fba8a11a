// SPDX-License-Identifier: GPL-3.0-or-later
// The clock as a square tray icon: two short lines (hours over minutes, day over month) as
// large as the square allows, in the panel's text colour with a thin halo of the opposite
// colour, so the digits stay readable where the panel's colour differs from the desktop's
// colour scheme.
#pragma once

#include "platform/StatusItem.h"

#include <QColor>
#include <QImage>

namespace ruvo::views {

// Text colour for a panel: the user's colour when chosen, else near white on dark panels
// and near black on light ones.
QColor squareTextColour(const platform::StatusItemContent& content, bool isDark);

// `lines` (one or two) in `colour`, filling a `pixels` square.
QImage paintSquareText(const QStringList& lines, int pixels, const QColor& colour);

} // namespace ruvo::views
