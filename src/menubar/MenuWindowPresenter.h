// SPDX-License-Identifier: GPL-3.0-or-later
// The menu window as the controller sees it; the views implement it.
#pragma once

#include <QPoint>
#include <optional>

namespace ruvo::menubar {

class MenuWindowPresenter {
public:
    virtual ~MenuWindowPresenter() = default;
    virtual bool isMenuWindowVisible() const = 0;
    // Shows the window; `clickPoint` is where the panel was clicked, when it says.
    virtual void showMenuWindow(std::optional<QPoint> clickPoint) = 0;
    virtual void closeMenuWindow() = 0;
};

} // namespace ruvo::menubar
