// SPDX-License-Identifier: GPL-3.0-or-later
// The light and dark palettes the program's windows use when an appearance is chosen.
#pragma once

#include <QPalette>

namespace ruvo::views {

QPalette lightPalette();
QPalette darkPalette();

} // namespace ruvo::views
