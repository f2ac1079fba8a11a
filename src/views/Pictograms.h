// SPDX-License-Identifier: GPL-3.0-or-later
// Our own monochrome artwork for the menu-bar pictograms, as shapes in a 16 × 16 box: filled
// with one colour, with holes where the panel shows through, so it suits light and dark panels.
#pragma once

#include "settings/records/Enums.h"

#include <QPainterPath>
#include <optional>

namespace ruvo::views {

// The shape of a pictogram; nothing for `none` and the icons drawn from the date.
std::optional<QPainterPath> pictogram(settings::MenuBarIconType type);

} // namespace ruvo::views
