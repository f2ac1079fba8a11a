// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/Pictograms.h"

#include <QPolygonF>
#include <QtMath>

namespace ruvo::views {

using settings::MenuBarIconType;

namespace {

QPainterPath ring(QPointF centre, double outer, double inner) {
    QPainterPath p;
    p.addEllipse(centre, outer, outer);
    p.addEllipse(centre, inner, inner);
    return p; // odd-even fill: the inner circle is a hole
}

QPainterPath strokeOf(const QPainterPath& line, double width) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line);
}

QPainterPath calendar() {
    QPainterPath page;
    page.addRoundedRect(QRectF(1.5, 2.5, 13, 12), 2, 2);
    QPainterPath inside;
    inside.addRect(QRectF(3, 6, 10, 7));
    QPainterPath p = page.subtracted(inside);
    for (double x : {4.0, 7.0, 10.0}) {
        p.addRect(QRectF(x, 7.5, 2, 2));
        p.addRect(QRectF(x, 10.5, 2, 2));
    }
    p.addRoundedRect(QRectF(4, 1, 1.5, 3), 0.7, 0.7);
    p.addRoundedRect(QRectF(10.5, 1, 1.5, 3), 0.7, 0.7);
    return p.simplified();
}

QPainterPath clock() {
    QPainterPath hands;
    hands.moveTo(8, 4);
    hands.lineTo(8, 8);
    hands.lineTo(11, 10);
    return ring({8, 8}, 7, 5.6).united(strokeOf(hands, 1.4));
}

QPainterPath sunrise() {
    QPainterPath sun;
    sun.addEllipse(QPointF(8, 11), 4, 4);
    QPainterPath below;
    below.addRect(QRectF(0, 11, 16, 5));
    QPainterPath p = sun.subtracted(below);
    QPainterPath rays;
    for (int i = 0; i < 5; ++i) {
        const double a = qDegreesToRadians(180.0 + 45.0 * i);
        rays.moveTo(8 + 5.5 * std::cos(a), 11 + 5.5 * std::sin(a));
        rays.lineTo(8 + 7.2 * std::cos(a), 11 + 7.2 * std::sin(a));
    }
    QPainterPath horizon;
    horizon.moveTo(1, 12.5);
    horizon.lineTo(15, 12.5);
    return p.united(strokeOf(rays, 1.3)).united(strokeOf(horizon, 1.3));
}

QPainterPath globe() {
    QPainterPath lines;
    lines.addEllipse(QPointF(8, 8), 3, 6.3);
    lines.moveTo(8, 1.5);
    lines.lineTo(8, 14.5);
    lines.moveTo(1.5, 8);
    lines.lineTo(14.5, 8);
    return ring({8, 8}, 7, 5.8).united(strokeOf(lines, 1.1));
}

QPainterPath ellipsis() {
    QPainterPath p;
    p.addRoundedRect(QRectF(0.5, 3.5, 15, 9), 2.5, 2.5);
    for (double x : {4.5, 8.0, 11.5})
        p.addEllipse(QPointF(x, 8), 1.2, 1.2);
    return p;
}

QPainterPath star() {
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? 7.5 : 3.2;
        const double a = qDegreesToRadians(-90.0 + 36.0 * i);
        points << QPointF(8 + r * std::cos(a), 8.5 + r * std::sin(a));
    }
    QPainterPath p;
    p.addPolygon(points);
    p.closeSubpath();
    return p;
}

QPainterPath smile() {
    QPainterPath face;
    face.addEllipse(QPointF(8, 8), 7, 7);
    QPainterPath holes;
    holes.addEllipse(QPointF(5.5, 6), 1, 1.4);
    holes.addEllipse(QPointF(10.5, 6), 1, 1.4);
    QPainterPath mouth;
    mouth.arcMoveTo(QRectF(4, 5, 8, 6.5), 200);
    mouth.arcTo(QRectF(4, 5, 8, 6.5), 200, 140);
    return face.subtracted(holes.united(strokeOf(mouth, 1.3)));
}

QPainterPath heart() {
    QPainterPath p;
    p.moveTo(8, 14.5);
    p.cubicTo(-2, 7.5, 3, -0.5, 8, 4.5);
    p.cubicTo(13, -0.5, 18, 7.5, 8, 14.5);
    return p;
}

QPainterPath unicorn() {
    // A head in profile facing left, with its horn and a mane.
    QPainterPath head;
    head.moveTo(2, 11);
    head.cubicTo(2, 9, 4, 7.5, 6, 6.5);
    head.lineTo(7.2, 4.2);
    head.lineTo(8.6, 5.4);
    head.cubicTo(11, 5, 13, 7, 13.5, 10);
    head.lineTo(13.5, 15);
    head.lineTo(8, 15);
    head.cubicTo(8.5, 13, 7.5, 12, 5, 12.5);
    head.cubicTo(3.5, 12.8, 2, 12.5, 2, 11);
    QPainterPath horn;
    horn.moveTo(6.6, 5.4);
    horn.lineTo(4, 0.5);
    horn.lineTo(8, 4.6);
    horn.closeSubpath();
    QPainterPath mane;
    mane.addEllipse(QRectF(11.5, 4, 4, 9));
    QPainterPath eye;
    eye.addEllipse(QPointF(7.2, 8), 0.9, 0.9);
    return head.united(horn).united(mane).subtracted(eye);
}

QPainterPath bird() {
    QPainterPath p;
    p.moveTo(1, 9);
    p.cubicTo(3, 5, 7, 4, 10, 5);
    p.lineTo(12, 3.5);
    p.lineTo(15, 4.5);
    p.lineTo(12.8, 5.8);
    p.cubicTo(13, 10, 10, 13, 5, 12.5);
    p.lineTo(2.5, 14);
    p.lineTo(3.5, 11.5);
    p.closeSubpath();
    QPainterPath eye;
    eye.addEllipse(QPointF(12, 5.2), 0.6, 0.6);
    return p.subtracted(eye);
}

QPainterPath fish() {
    QPainterPath p;
    p.moveTo(15, 8);
    p.cubicTo(12, 3, 6, 3, 4, 7);
    p.lineTo(1, 4);
    p.lineTo(1.5, 8);
    p.lineTo(1, 12);
    p.lineTo(4, 9);
    p.cubicTo(6, 13, 12, 13, 15, 8);
    QPainterPath eye;
    eye.addEllipse(QPointF(12, 7), 0.8, 0.8);
    return p.subtracted(eye);
}

QPainterPath tortoise() {
    QPainterPath shell;
    shell.moveTo(2, 11);
    shell.cubicTo(2, 4, 12, 4, 12, 11);
    shell.closeSubpath();
    QPainterPath body;
    body.addEllipse(QPointF(14, 9.5), 1.8, 1.6);
    body.addRect(QRectF(3, 11, 2, 3));
    body.addRect(QRectF(9, 11, 2, 3));
    body.addRect(QRectF(1, 10.5, 13, 1.2));
    QPainterPath pattern;
    pattern.moveTo(7, 5.5);
    pattern.lineTo(7, 10);
    pattern.moveTo(3.5, 8.5);
    pattern.lineTo(10.5, 8.5);
    return shell.united(body).subtracted(strokeOf(pattern, 0.8));
}

QPainterPath teddyBear() {
    QPainterPath p;
    p.addEllipse(QPointF(8, 9), 6, 5.5);
    p.addEllipse(QPointF(3, 4), 2.3, 2.3);
    p.addEllipse(QPointF(13, 4), 2.3, 2.3);
    p = p.simplified();
    QPainterPath face;
    face.addEllipse(QPointF(5.8, 8), 0.9, 0.9);
    face.addEllipse(QPointF(10.2, 8), 0.9, 0.9);
    face.addEllipse(QPointF(8, 11), 2.2, 1.7);
    QPainterPath nose;
    nose.addEllipse(QPointF(8, 10.4), 0.8, 0.6);
    return p.subtracted(face).united(nose);
}

QPainterPath eyes() {
    QPainterPath p;
    for (double x : {4.5, 11.5}) {
        QPainterPath eye = ring({x, 8}, 3.5, 2.6);
        eye.addEllipse(QPointF(x + 0.8, 9), 1.3, 1.3);
        p = p.united(eye);
    }
    return p;
}

QPainterPath mustache() {
    QPainterPath p;
    p.moveTo(8, 7);
    p.cubicTo(10, 5, 12, 6, 13, 8);
    p.cubicTo(14, 9.5, 15.5, 9, 16, 7.5);
    p.cubicTo(15.5, 11, 12, 12, 10, 10.5);
    p.cubicTo(9, 10, 8.5, 9.5, 8, 9);
    p.cubicTo(7.5, 9.5, 7, 10, 6, 10.5);
    p.cubicTo(4, 12, 0.5, 11, 0, 7.5);
    p.cubicTo(0.5, 9, 2, 9.5, 3, 8);
    p.cubicTo(4, 6, 6, 5, 8, 7);
    return p;
}

} // namespace

std::optional<QPainterPath> pictogram(MenuBarIconType type) {
    switch (type) {
    case MenuBarIconType::calendar:
        return calendar();
    case MenuBarIconType::staticClock:
        return clock();
    case MenuBarIconType::sunrise:
        return sunrise();
    case MenuBarIconType::globe:
        return globe();
    case MenuBarIconType::ellipsis:
        return ellipsis();
    case MenuBarIconType::star:
        return star();
    case MenuBarIconType::smile:
        return smile();
    case MenuBarIconType::heart:
        return heart();
    case MenuBarIconType::unicorn:
        return unicorn();
    case MenuBarIconType::bird:
        return bird();
    case MenuBarIconType::fish:
        return fish();
    case MenuBarIconType::tortoise:
        return tortoise();
    case MenuBarIconType::teddyBear:
        return teddyBear();
    case MenuBarIconType::eyes:
        return eyes();
    case MenuBarIconType::mustache:
        return mustache();
    default:
        return std::nullopt;
    }
}

} // namespace ruvo::views
