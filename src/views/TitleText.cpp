// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/TitleText.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>

namespace ruvo::views {

namespace {

// Sizes are in points of the panel's own scale (a point is a logical pixel), as the settings
// give them; 13 is the size of most panels' text.
constexpr double kDefaultSize = 13;

// The widest digit: every digit is given that much room when digits are tabular.
double digitCell(const QFontMetricsF& metrics) {
    double widest = 0;
    for (char c = '0'; c <= '9'; ++c)
        widest = std::max(widest, metrics.horizontalAdvance(QLatin1Char(c)));
    return widest;
}

} // namespace

QFont titleFont(const platform::StatusItemTextStyle& style) {
    QFont font = QGuiApplication::font();
    font.setPixelSize(std::max(1, qRound(style.pointSize.value_or(kDefaultSize))));
    font.setWeight(style.semibold ? QFont::DemiBold : QFont::Normal);
    return font;
}

double titleWidth(const QString& text, const platform::StatusItemTextStyle& style) {
    const QFontMetricsF metrics(titleFont(style));
    if (!style.monospacedDigits)
        return metrics.horizontalAdvance(text);
    const double cell = digitCell(metrics);
    double width = 0;
    for (QChar c : text)
        width += c.isDigit() ? cell : metrics.horizontalAdvance(c);
    return width;
}

void drawTitle(QPainter& painter, const QString& text, const platform::StatusItemTextStyle& style,
               double x, double centreY) {
    const QFont font = titleFont(style);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const double baseline =
        centreY + (metrics.ascent() - metrics.descent()) / 2 - style.baselineOffset;
    if (!style.monospacedDigits) {
        painter.drawText(QPointF(x, baseline), text);
        return;
    }
    const double cell = digitCell(metrics);
    for (QChar c : text) {
        const double advance = c.isDigit() ? cell : metrics.horizontalAdvance(c);
        const double inset = c.isDigit() ? (cell - metrics.horizontalAdvance(c)) / 2 : 0;
        painter.drawText(QPointF(x + inset, baseline), QString(c));
        x += advance;
    }
}

} // namespace ruvo::views
