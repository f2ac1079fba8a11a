// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the menu-bar item's picture: the icon (a date drawn from the day, or a pictogram)
// in one colour with alpha, and, for panels that show no label, the title beside it.
#pragma once

#include "platform/StatusItem.h"

#include <QColor>
#include <QSizeF>

class QPainter;

namespace ruvo::views {

class MenuBarIconPainter final : public platform::StatusIconPainter {
public:
    static constexpr double kHeight = 22; // the panel's icon height, in points

    QImage paint(const platform::StatusItemContent& content, bool withText, bool isDark,
                 double devicePixelRatio) const override;
    QImage paintSquare(const platform::StatusItemContent& content, int pixels,
                       bool isDark) const override;

    // The icon alone, at its own size (in points), in `colour`.
    static QImage icon(const platform::StatusItemIcon& icon, const QColor& colour,
                       double devicePixelRatio);
    static QSizeF iconSize(const platform::StatusItemIcon& icon);
};

} // namespace ruvo::views
