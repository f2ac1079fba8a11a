// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/events/EventRowDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>
#include <algorithm>

namespace ruvo::views {

namespace {

constexpr int kMargin = 8;
constexpr int kBarWidth = 4;
constexpr int kJoinWidth = 44;
constexpr int kCheckBoxSize = 14;

QColor tertiary(const QPalette& palette) {
    QColor colour = palette.color(QPalette::Text);
    colour.setAlphaF(0.45f);
    return colour;
}

QColor secondary(const QPalette& palette) {
    QColor colour = palette.color(QPalette::Text);
    colour.setAlphaF(0.7f);
    return colour;
}

} // namespace

EventRowDelegate::EventRowDelegate(const EventListItemModel& model, QObject* parent)
    : QStyledItemDelegate(parent), m_model(model) {}

int EventRowDelegate::lineHeight() const {
    return QFontMetrics(QApplication::font()).height();
}

int EventRowDelegate::headerHeight() const {
    return lineHeight() + 10;
}

QSize EventRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const int width = option.rect.width();
    switch (m_model.row(index.row()).kind) {
    case ListRowKind::header:
        return {width, headerHeight()};
    case ListRowKind::item:
        return {width, 3 * lineHeight() + 10};
    case ListRowKind::noEvents:
    case ListRowKind::overdueReminders:
    case ListRowKind::pastEvents:
        return {width, lineHeight() + 8};
    }
    return {width, lineHeight()};
}

bool EventRowDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                 const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() == QEvent::ToolTip && index.isValid() &&
        m_model.row(index.row()).kind == ListRowKind::item &&
        m_model.texts(index.row()).showsJoinButton &&
        joinRect(option.rect).contains(event->pos())) {
        QToolTip::showText(event->globalPos(), tr("Join video call"), view);
        return true;
    }
    QToolTip::hideText();
    return index.isValid();
}

QRect EventRowDelegate::joinRect(const QRect& rect) const {
    // Beside the title only: the time and its "Starts in …" below keep the row's whole width
    // (beside every line, a German "Begann vor 12 Minuten" lost its end).
    const int height = lineHeight() + 4;
    // As wide as the word needs in the current language ("Join", "Beitreten").
    const int width =
        std::max(kJoinWidth, QFontMetrics(QApplication::font()).horizontalAdvance(tr("Join")) + 12);
    return {rect.right() - kMargin - width, rect.top() + 3, width, height};
}

QRect EventRowDelegate::checkBoxRect(const QRect& rect) const {
    return {rect.left() + kMargin + kBarWidth + 6,
            rect.top() + 5 + (lineHeight() - kCheckBoxSize) / 2, kCheckBoxSize, kCheckBoxSize};
}

void EventRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    ++m_paintCount;
    const ListRow& row = m_model.row(index.row());
    painter->save();
    if (option.state & QStyle::State_MouseOver && row.kind != ListRowKind::header)
        painter->fillRect(option.rect, option.palette.color(QPalette::Midlight));
    switch (row.kind) {
    case ListRowKind::header:
        paintHeader(painter, option.rect, option.palette, m_model.headerText(row.date));
        break;
    case ListRowKind::item:
        paintItem(painter, option, index.row());
        break;
    case ListRowKind::noEvents:
        paintNoEvents(painter, option);
        break;
    case ListRowKind::overdueReminders:
    case ListRowKind::pastEvents:
        paintSummary(painter, option, index.row());
        break;
    }
    painter->restore();
}

void EventRowDelegate::paintHeader(QPainter* painter, const QRect& rect, const QPalette& palette,
                                   const QString& text) const {
    painter->save();
    painter->fillRect(rect, palette.color(QPalette::Window));
    QFont font = QApplication::font();
    font.setBold(true);
    painter->setFont(font);
    painter->setPen(palette.color(QPalette::WindowText));
    painter->drawText(rect.adjusted(kMargin, 0, -kMargin, 0), Qt::AlignLeft | Qt::AlignVCenter,
                      text);
    painter->restore();
}

void EventRowDelegate::paintNoEvents(QPainter* painter, const QStyleOptionViewItem& option) const {
    QFont font = QApplication::font();
    font.setItalic(true);
    painter->setFont(font);
    painter->setPen(tertiary(option.palette));
    painter->drawText(option.rect.adjusted(kMargin + kBarWidth + 6, 0, -kMargin, 0),
                      Qt::AlignLeft | Qt::AlignVCenter, tr("No Events"));
}

void EventRowDelegate::paintSummary(QPainter* painter, const QStyleOptionViewItem& option,
                                    int row) const {
    const bool isOverdue = m_model.row(row).kind == ListRowKind::overdueReminders;
    const auto& items = isOverdue ? m_model.list().overdueReminders : m_model.list().pastEvents;
    const QString title = isOverdue ? tr("Overdue reminders") : tr("Past events");
    painter->setFont(QApplication::font());
    painter->setPen(secondary(option.palette));
    const QRect text = option.rect.adjusted(kMargin + kBarWidth + 6, 0, -kMargin, 0);
    // U+21BA: the anticlockwise arrow of "gone by".
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("\u21BA  ") + title);
    painter->drawText(text, Qt::AlignRight | Qt::AlignVCenter,
                      QString::number(items.size()) + QStringLiteral("  \u203A"));
}

void EventRowDelegate::paintItem(QPainter* painter, const QStyleOptionViewItem& option,
                                 int row) const {
    const ListRow& r = m_model.row(row);
    const events::EventRow& texts = m_model.texts(row);
    const QRect rect = option.rect;
    const int line = lineHeight();
    const QRect bar(rect.left() + kMargin, rect.top() + 4, kBarWidth, rect.height() - 8);
    painter->fillRect(bar, m_model.calendarColour(r.item));

    int left = bar.right() + 6;
    const int right = rect.right() - kMargin;
    int titleRight = right;
    if (texts.showsJoinButton) {
        const QRect join = joinRect(rect);
        painter->setPen(option.palette.color(QPalette::Highlight));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(join.adjusted(0, 0, -1, -1), 5, 5);
        painter->setFont(QApplication::font());
        painter->drawText(join, Qt::AlignCenter, tr("Join"));
        titleRight = join.left() - 6;
    }
    if (texts.isReminder) {
        const QRect box = checkBoxRect(rect);
        painter->setPen(secondary(option.palette));
        painter->drawRoundedRect(box.adjusted(0, 0, -1, -1), 3, 3);
        if (texts.isCompleted)
            painter->drawText(box, Qt::AlignCenter, QStringLiteral("\u2713"));
        left = box.right() + 6;
    }
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    painter->setFont(titleFont);
    painter->setPen(option.palette.color(QPalette::Text));
    QRect first(left, rect.top() + 5, titleRight - left, line);
    if (!texts.priorityMarks.isEmpty()) {
        painter->setPen(QColor(Qt::red).darker(120));
        painter->drawText(first, Qt::AlignRight | Qt::AlignVCenter, texts.priorityMarks);
        first.setRight(first.right() - QFontMetrics(titleFont).horizontalAdvance(
                                           texts.priorityMarks + QLatin1Char(' ')));
        painter->setPen(option.palette.color(QPalette::Text));
    }
    const QFontMetrics titleMetrics(titleFont);
    painter->drawText(first, Qt::AlignLeft | Qt::AlignVCenter,
                      titleMetrics.elidedText(titleOf(r.item), Qt::ElideRight, first.width()));

    painter->setFont(QApplication::font());
    const QFontMetrics metrics(QApplication::font());
    const QString timing = events::timingText(texts.state, texts.relative);
    QStringList parts{texts.timeText, timing};
    parts.removeAll(QString());
    const QRect second(left, first.bottom() + 1, right - left, line);
    painter->setPen(secondary(option.palette));
    painter->drawText(
        second, Qt::AlignLeft | Qt::AlignVCenter,
        metrics.elidedText(parts.join(QStringLiteral(" · ")), Qt::ElideRight, second.width()));
    if (!texts.location.isEmpty()) {
        const QRect third(left, second.bottom() + 1, right - left, line);
        painter->setPen(tertiary(option.palette));
        painter->drawText(third, Qt::AlignLeft | Qt::AlignVCenter,
                          metrics.elidedText(texts.location, Qt::ElideRight, third.width()));
    }
}

} // namespace ruvo::views
