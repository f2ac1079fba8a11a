// SPDX-License-Identifier: GPL-3.0-or-later
// The menu-bar title as text: its font from the style, its width, and drawing it with
// tabular digits when the style asks for them (seconds then do not make the text jump).
#pragma once

#include "platform/StatusItem.h"

#include <QColor>
#include <QFont>

class QPainter;

namespace ruvo::views {

QFont titleFont(const platform::StatusItemTextStyle& style);

// The width of `text` in `style`, in points (the controller's measuring function).
double titleWidth(const QString& text, const platform::StatusItemTextStyle& style);

// Draws `text` with its left end at x and its vertical centre at `centreY`.
void drawTitle(QPainter& painter, const QString& text, const platform::StatusItemTextStyle& style,
               double x, double centreY);

} // namespace ruvo::views
