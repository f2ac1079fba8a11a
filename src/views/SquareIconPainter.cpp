// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/SquareIconPainter.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace ruvo::views {

namespace {

// Lines wider than the square are narrowed down to this share of their width before the
// font gets smaller: at 16 px every pixel of height counts more than the letters' shape.
constexpr double kMinSqueeze = 0.72;

// The largest bold font whose lines fit `box`: their ink fills the box's height, and the font
// shrinks until the widest line, narrowed as far as allowed, fits its width.
QFont fittingFont(const QStringList& lines, const QSizeF& box) {
    QFont font = QGuiApplication::font();
    font.setWeight(QFont::Bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    for (int pixels = qMax(6, qRound(box.height() * 1.6)); pixels > 5; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetricsF metrics(font);
        double widest = 0;
        double tallest = 0;
        for (const QString& line : lines) {
            const QRectF ink = metrics.tightBoundingRect(line);
            widest = qMax(widest, ink.width());
            tallest = qMax(tallest, ink.height());
        }
        if (tallest <= box.height() && widest * kMinSqueeze <= box.width())
            break;
    }
    return font;
}

QPainterPath linePath(const QString& line, const QFont& font, const QRectF& box) {
    QPainterPath path;
    path.addText(0, 0, font, line);
    if (const double width = path.boundingRect().width(); width > box.width())
        path = QTransform::fromScale(box.width() / width, 1).map(path);
    const QRectF bounds = path.boundingRect();
    // Centred on the digits' own ink, so "11" and "00" sit alike.
    path.translate(box.center() - bounds.center());
    return path;
}

} // namespace

QColor squareTextColour(const platform::StatusItemContent& content, bool isDark) {
    if (content.style.color)
        return *content.style.color;
    return isDark ? QColor(0xf4, 0xf4, 0xf4) : QColor(0x1c, 0x1c, 0x1c);
}

QImage paintSquareText(const QStringList& lines, int pixels, const QColor& colour) {
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (lines.isEmpty())
        return image;
    const double margin = pixels >= 22 ? 1.0 : 0.5;
    // Trays put icons side by side without a gap: wide lines ("9:41", "12m") keep clear of
    // the neighbours' edges.
    const double side = pixels >= 22 ? 2.0 : 1.0;
    const double gap = qMax(1.0, pixels / 10.0);
    const double lineHeight = lines.size() == 1 ? pixels * 0.6 : (pixels - 2 * margin - gap) / 2;
    const QSizeF box(pixels - 2 * side, lineHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QColor halo = colour.lightness() < 128 ? QColor(255, 255, 255) : QColor(0, 0, 0);
    halo.setAlpha(210);
    const double top = lines.size() == 1 ? (pixels - lineHeight) / 2 : margin;
    for (int i = 0; i < lines.size() && i < 2; ++i) {
        const QRectF row(QPointF(side, top + i * (lineHeight + gap)), box);
        // Each line as large as it fits: a day number stands taller than its month's name.
        const QPainterPath path = linePath(lines[i], fittingFont({lines[i]}, box), row);
        p.strokePath(
            path, QPen(halo, qMax(2.0, pixels / 10.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.fillPath(path, colour);
    }
    return image;
}

} // namespace ruvo::views
