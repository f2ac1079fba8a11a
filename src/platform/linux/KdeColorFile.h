// SPDX-License-Identifier: GPL-3.0-or-later
// KDE's colour settings (~/.config/kdeglobals): whether the chosen colour scheme is dark, read
// from the window background of the [Colors:Window] group. For desktops where no settings
// portal says so.
#pragma once

#include <QString>
#include <optional>

namespace ruvo::platform {

// Dark when the window background's lightness is below the middle; nothing when the text has
// no readable window background. Reads at most kMaxKdeGlobalsLines lines.
inline constexpr int kMaxKdeGlobalsLines = 20000;
std::optional<bool> kdeColorsPreferDark(const QString& kdeglobals);

// The file's path: $XDG_CONFIG_HOME/kdeglobals.
QString kdeGlobalsPath();

} // namespace ruvo::platform
