// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/preferences/ChecklistDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace ruvo::views {

QColor checkBoxOutline(const QPalette& palette, bool isEnabled) {
    if (!isEnabled)
        return palette.color(QPalette::Disabled, QPalette::Text);
    const QColor ink = palette.color(QPalette::Active, QPalette::Text);
    const QColor base = palette.color(QPalette::Active, QPalette::Base);
    constexpr double kInk = 0.55;
    return QColor::fromRgbF(float(ink.redF() * kInk + base.redF() * (1 - kInk)),
                            float(ink.greenF() * kInk + base.greenF() * (1 - kInk)),
                            float(ink.blueF() * kInk + base.blueF() * (1 - kInk)));
}

void ChecklistDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    if (!(item.features & QStyleOptionViewItem::HasCheckIndicator) ||
        style->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        return;
    const QRect box =
        style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &item, option.widget);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(checkBoxOutline(item.palette, item.state & QStyle::State_Enabled));
    painter->setBrush(Qt::NoBrush);
    // Over the style's own outline, on the same half-pixel lines.
    painter->drawRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
    painter->restore();
}

} // namespace ruvo::views
