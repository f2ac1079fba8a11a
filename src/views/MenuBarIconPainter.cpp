// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/MenuBarIconPainter.h"

#include "views/Pictograms.h"
#include "views/SquareIconPainter.h"
#include "views/TitleText.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>

namespace ruvo::views {

using settings::MenuBarIconType;

namespace {

MenuBarIconType typeOf(const platform::StatusItemIcon& icon) {
    return settings::enumFromCaseName<MenuBarIconType>(icon.name).value_or(MenuBarIconType::none);
}

QFont systemFont(double points, QFont::Weight weight) {
    QFont font = QGuiApplication::font();
    font.setPixelSize(qRound(points)); // a point of the icon is a logical pixel
    font.setWeight(weight);
    return font;
}

// Text as a hole in what is already drawn.
void cutText(QPainter& p, const QRectF& box, const QString& text, const QFont& font) {
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(box, Qt::AlignCenter, text);
    p.restore();
}

void drawBordered(QPainter& p, const QSizeF& size, const QString& number) {
    const QRectF frame = QRectF(QPointF(0, 0), size).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(frame, 3.5, 3.5);
    p.drawText(QRectF(QPointF(0, 0), size), Qt::AlignCenter, number);
}

void drawFilled(QPainter& p, const QSizeF& size, const QString& number, const QFont& font) {
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(QPointF(0, 0), size), 3.5, 3.5);
    cutText(p, QRectF(QPointF(0, 0), size), number, font);
}

void drawCalendarPage(QPainter& p, const QSizeF& size, const QString& number) {
    const QRectF page = QRectF(QPointF(0, 0), size).adjusted(0.7, 0.7, -0.7, -0.7);
    const QRectF frame = page.adjusted(0.5, 0.5, -0.5, -0.5);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(frame, 3, 3);
    p.fillRect(QRectF(page.left(), page.top(), page.width(), 2.3), p.pen().color());
    p.drawText(QRectF(page.left(), page.top() + 2.3, page.width(), page.height() - 2.3),
               Qt::AlignCenter, number);
}

void drawDateAndWeekday(QPainter& p, const QSizeF& size, const platform::StatusItemIcon& icon) {
    const QRectF frame = QRectF(QPointF(0, 0), size).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(frame, 3.5, 3.5);
    p.setFont(systemFont(7, QFont::Medium));
    p.drawText(QRectF(0, 1, size.width(), 7.5), Qt::AlignCenter, icon.weekday.toUpper());
    p.setFont(systemFont(10, QFont::DemiBold));
    p.drawText(QRectF(0, 7.5, size.width(), size.height() - 8), Qt::AlignCenter,
               QString::number(icon.dayOfMonth));
}

void drawPictogram(QPainter& p, const QSizeF& size, const QPainterPath& shape) {
    const double scale = size.height() / 16.0;
    p.scale(scale, scale);
    p.setPen(Qt::NoPen);
    p.drawPath(shape);
}

} // namespace

QSizeF MenuBarIconPainter::iconSize(const platform::StatusItemIcon& icon) {
    switch (typeOf(icon)) {
    case MenuBarIconType::dateWithBorder:
    case MenuBarIconType::dateWithFill:
        return {icon.dayOfMonth < 10 ? 18.0 : 21.0, 16};
    case MenuBarIconType::dateInCalendar:
        return {18, 15};
    case MenuBarIconType::dateAndDayOfWeek:
        return {18, 20};
    case MenuBarIconType::remainingEventsToday:
        return {icon.count.value_or(0) < 10 ? 16.0 : 21.0, 16};
    case MenuBarIconType::unicorn:
        return {22, 22};
    case MenuBarIconType::none:
        return {0, 0};
    default:
        return {16, 16};
    }
}

QImage MenuBarIconPainter::icon(const platform::StatusItemIcon& icon, const QColor& colour,
                                double ratio) {
    const QSizeF size = iconSize(icon);
    QImage image((size * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    if (size.isEmpty())
        return image;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, 1));
    p.setBrush(colour);
    const QString number = QString::number(icon.dayOfMonth);
    const QFont semibold11 = systemFont(11, QFont::DemiBold);
    p.setFont(semibold11);
    switch (const MenuBarIconType type = typeOf(icon)) {
    case MenuBarIconType::dateWithBorder:
        drawBordered(p, size, number);
        break;
    case MenuBarIconType::dateWithFill:
        drawFilled(p, size, number, systemFont(11, QFont::Normal));
        break;
    case MenuBarIconType::dateInCalendar:
        p.setFont(systemFont(10, QFont::DemiBold));
        drawCalendarPage(p, size, number);
        break;
    case MenuBarIconType::dateAndDayOfWeek:
        drawDateAndWeekday(p, size, icon);
        break;
    case MenuBarIconType::remainingEventsToday:
        drawFilled(p, size, icon.count ? QString::number(*icon.count) : QStringLiteral("–"),
                   semibold11);
        break;
    default:
        if (auto shape = pictogram(type))
            drawPictogram(p, size, *shape);
    }
    return image;
}

QImage MenuBarIconPainter::paint(const platform::StatusItemContent& content, bool withText,
                                 bool isDark, double ratio) const {
    const QColor panelColour = isDark ? QColor(Qt::white) : QColor(Qt::black);
    const QColor textColour = content.style.color.value_or(panelColour);
    const QSizeF iconPoints = content.icon ? iconSize(*content.icon) : QSizeF(0, 0);
    const bool hasText = withText && !content.title.isEmpty();
    const double textWidth =
        hasText ? std::max(content.fixedTextWidth - 8, titleWidth(content.title, content.style))
                : 0;
    const double gap = iconPoints.isEmpty() || !hasText ? 0 : content.imageMargin;
    // The calendar's colour: a 3 × 14 bar with round ends before everything else.
    const double bar = content.colorBar ? 3 + (hasText || content.icon ? 4 : 0) : 0;
    const double width = std::max(1.0, std::ceil(bar + iconPoints.width() + gap + textWidth));
    QImage image((QSizeF(width, kHeight) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    if (content.colorBar) {
        p.setPen(Qt::NoPen);
        p.setBrush(*content.colorBar);
        p.drawRoundedRect(QRectF(0, (kHeight - 14) / 2, 3, 14), 1.5, 1.5);
    }
    if (content.icon)
        p.drawImage(QPointF(bar, (kHeight - iconPoints.height()) / 2),
                    icon(*content.icon, panelColour, ratio));
    if (hasText) {
        p.setPen(textColour);
        drawTitle(p, content.title, content.style, bar + iconPoints.width() + gap, kHeight / 2);
    }
    return image;
}

QImage MenuBarIconPainter::paintSquare(const platform::StatusItemContent& content, int pixels,
                                       bool isDark) const {
    const QColor colour = squareTextColour(content, isDark);
    if (!content.squareText.isEmpty() || !content.icon)
        return paintSquareText(content.squareText, pixels, colour);
    // No clock text: the chosen icon, scaled to the square.
    const QImage drawn = icon(*content.icon, colour, 4);
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QImage scaled = drawn.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(1);
    QPainter p(&image);
    p.drawImage(QPointF((pixels - scaled.width()) / 2.0, (pixels - scaled.height()) / 2.0), scaled);
    return image;
}

} // namespace ruvo::views
