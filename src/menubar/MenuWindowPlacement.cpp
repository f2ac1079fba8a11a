// SPDX-License-Identifier: GPL-3.0-or-later
#include "menubar/MenuWindowPlacement.h"

#include <algorithm>

namespace ruvo::menubar {

namespace {

int clampX(int x, const PlacementInput& in) {
    const int lowest = in.available.left() + kScreenMargin;
    const int highest = in.available.right() + 1 - kScreenMargin - in.window.width();
    return highest < lowest ? lowest : std::clamp(x, lowest, highest);
}

// The panel holding the item: above the work area when the click is there, else below it.
bool isPanelAtBottom(const PlacementInput& in) {
    return in.clickPoint && in.clickPoint->y() > in.available.bottom();
}

QPoint corner(const PlacementInput& in) {
    const int x = in.isRightToLeft ? in.available.left() + kScreenMargin
                                   : in.available.right() + 1 - kScreenMargin - in.window.width();
    return {clampX(x, in), in.available.top()};
}

} // namespace

QPoint menuWindowPosition(const PlacementInput& in) {
    if (!in.belowItem || !in.clickPoint)
        return corner(in);
    const int x = clampX(in.clickPoint->x() - in.window.width() / 2, in);
    if (isPanelAtBottom(in))
        return {x, in.available.bottom() + 1 - in.window.height()};
    return {x, in.available.top()};
}

} // namespace ruvo::menubar
