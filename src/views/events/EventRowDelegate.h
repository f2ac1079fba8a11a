// SPDX-License-Identifier: GPL-3.0-or-later
// Paints the rows of the event list: day headers, item rows (calendar colour bar, title,
// time, timing, location, join button, reminder check-box and priority marks), "No Events"
// and the two summary rows. Sizes depend only on a row's kind, so laying out thousands of
// rows touches no text.
#pragma once

#include "views/events/EventListItemModel.h"

#include <QStyledItemDelegate>

namespace ruvo::views {

class EventRowDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit EventRowDelegate(const EventListItemModel& model, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // "Join video call" over the join button.
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // A day header as it stands in the list and pinned above it.
    void paintHeader(QPainter* painter, const QRect& rect, const QPalette& palette,
                     const QString& text) const;
    int headerHeight() const;

    // Where the join button and the check-box of an item row in `rect` are.
    QRect joinRect(const QRect& rect) const;
    QRect checkBoxRect(const QRect& rect) const;

    int paintCount() const { return m_paintCount; }

private:
    void paintItem(QPainter* painter, const QStyleOptionViewItem& option, int row) const;
    void paintSummary(QPainter* painter, const QStyleOptionViewItem& option, int row) const;
    void paintNoEvents(QPainter* painter, const QStyleOptionViewItem& option) const;
    int lineHeight() const;

    const EventListItemModel& m_model;
    mutable int m_paintCount = 0;
};

} // namespace ruvo::views
