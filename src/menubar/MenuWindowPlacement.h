// SPDX-License-Identifier: GPL-3.0-or-later
// Where the menu window goes. Below the item: the top edge at the panel, centred under the
// click point as far as the screen allows, 10 px from the screen's edges. Otherwise, or
// when nothing says where the item is: the top trailing corner of the screen's work area.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

namespace ruvo::menubar {

struct PlacementInput {
    QRect screen;    // the whole screen
    QRect available; // the screen without its panels
    QSize window;
    std::optional<QPoint> clickPoint; // where the panel was clicked, when it says
    bool belowItem = true;            // `menu_positionedBelowMenuBarItem`
    bool isRightToLeft = false;
};

constexpr int kScreenMargin = 10;

QPoint menuWindowPosition(const PlacementInput& input);

} // namespace ruvo::menubar
