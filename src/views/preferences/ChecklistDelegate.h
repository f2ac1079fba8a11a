// SPDX-License-Identifier: GPL-3.0-or-later
// Draws a checklist's rows with a box outline that stays visible on the dark palette. Fusion
// (the style without a desktop theme) outlines item check boxes in the window colour made
// darker, which on a dark palette is the list's own background: an unchecked box vanished,
// and a disabled list showed no boxes at all. Other styles draw their boxes their own way.
#pragma once

#include <QStyledItemDelegate>

namespace ruvo::views {

// The outline of an item's check box: the text over the list's background, and the disabled
// text's colour when the row is disabled, so a disabled box still looks disabled.
QColor checkBoxOutline(const QPalette& palette, bool isEnabled);

class ChecklistDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace ruvo::views
