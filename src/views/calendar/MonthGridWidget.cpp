// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/calendar/MonthGridWidget.h"

#include <QMouseEvent>
#include <QPainter>

namespace ruvo::views {

namespace {

constexpr qreal kCellWidth = 30;
constexpr qreal kCellHeight = 28;
constexpr qreal kDotDiameter = 4;

} // namespace

MonthGridWidget::MonthGridWidget(kit::Scheduler& scheduler, QWidget* parent)
    : QWidget(parent), m_scheduler(scheduler) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void MonthGridWidget::setContent(Content content) {
    const bool resized = content.showsWeekNumbers != m_content.showsWeekNumbers;
    m_content = std::move(content);
    if (resized)
        updateGeometry();
    update();
}

QSize MonthGridWidget::sizeHint() const {
    return QSize(int(weekColumnWidth() + 7 * kCellWidth),
                 int(headerHeight() + calendar::MonthGrid::kRows * kCellHeight));
}

qreal MonthGridWidget::weekColumnWidth() const {
    return m_content.showsWeekNumbers ? kCellWidth : 0;
}

qreal MonthGridWidget::headerHeight() const {
    return fontMetrics().height() + 6;
}

QRectF MonthGridWidget::cellRect(int row, int column) const {
    const qreal left = weekColumnWidth();
    const qreal width = (qreal(this->width()) - left) / 7;
    const qreal height = (qreal(this->height()) - headerHeight()) / calendar::MonthGrid::kRows;
    const int visual = layoutDirection() == Qt::RightToLeft ? 6 - column : column;
    return QRectF(left + visual * width, headerHeight() + row * height, width, height);
}

std::optional<QDate> MonthGridWidget::dayAt(QPoint pos) const {
    const auto& rows = m_content.grid.rows;
    for (int r = 0; r < int(rows.size()); ++r)
        for (int c = 0; c < 7; ++c)
            if (cellRect(r, c).contains(pos))
                return rows[std::size_t(r)].days[std::size_t(c)];
    return std::nullopt;
}

QPoint MonthGridWidget::centreOf(QDate day) const {
    const auto& rows = m_content.grid.rows;
    for (int r = 0; r < int(rows.size()); ++r)
        for (int c = 0; c < 7; ++c)
            if (rows[std::size_t(r)].days[std::size_t(c)] == day)
                return cellRect(r, c).center().toPoint();
    return {};
}

void MonthGridWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    paintHeader(p);
    const auto& cells = m_content.cells;
    for (std::size_t i = 0; i < cells.size(); ++i)
        paintCell(p, cells[i], cellRect(int(i / 7), int(i % 7)));
}

void MonthGridWidget::paintHeader(QPainter& p) const {
    QColor dim = palette().color(QPalette::WindowText);
    dim.setAlphaF(0.6f);
    p.setPen(dim);
    const auto& grid = m_content.grid;
    for (int c = 0; c < grid.weekdays.size(); ++c) {
        const QRectF cell = cellRect(0, c);
        p.drawText(QRectF(cell.left(), 0, cell.width(), headerHeight()), Qt::AlignCenter,
                   grid.weekdays[c]);
    }
    if (!m_content.showsWeekNumbers)
        return;
    for (int r = 0; r < int(grid.rows.size()); ++r) {
        const QRectF cell = cellRect(r, 0);
        p.drawText(QRectF(0, cell.top(), weekColumnWidth(), cell.height()), Qt::AlignCenter,
                   QString::number(grid.rows[std::size_t(r)].weekOfYear));
    }
}

void MonthGridWidget::paintCell(QPainter& p, const calendar::DayCell& cell,
                                const QRectF& rect) const {
    const QPalette& pal = palette();
    const qreal diameter = std::min(rect.width(), rect.height()) - 4;
    const QRectF circle(rect.center().x() - diameter / 2, rect.top() + 2, diameter, diameter);
    if (cell.isInHoveredEvent) {
        QColor band = pal.color(QPalette::Highlight);
        band.setAlphaF(0.18f);
        p.fillRect(rect.adjusted(0, 2, 0, -2), band);
    }
    QColor text = pal.color(QPalette::WindowText);
    if (cell.isSelected) {
        p.setPen(Qt::NoPen);
        p.setBrush(pal.color(QPalette::Highlight));
        p.drawEllipse(circle);
        text = pal.color(QPalette::HighlightedText);
    } else if (cell.isToday) {
        p.setPen(QPen(pal.color(QPalette::Highlight), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(circle);
        text = pal.color(QPalette::Highlight);
    }
    QFont font = this->font();
    if (cell.isHighlightedWeekday &&
        m_content.highlightStyle == settings::HighlightDaysInCalendarStyle::bold)
        font.setBold(true);
    else if (cell.isHighlightedWeekday && !cell.isSelected)
        text = QColor(0xff, 0x3b, 0x30);
    if (cell.isToday && !cell.isSelected)
        font.setBold(true);
    if (!cell.isInMonth)
        text.setAlphaF(0.35f);
    p.setFont(font);
    p.setPen(text);
    p.drawText(circle, Qt::AlignCenter, QString::number(cell.date.day()));
    paintDots(p, cell.dots, rect);
}

void MonthGridWidget::paintDots(QPainter& p, const std::vector<QColor>& dots,
                                const QRectF& rect) const {
    if (dots.empty())
        return;
    const qreal gap = 2;
    const qreal total = qreal(dots.size()) * kDotDiameter + qreal(dots.size() - 1) * gap;
    qreal x = rect.center().x() - total / 2;
    const qreal y = rect.bottom() - kDotDiameter - 1;
    p.setPen(Qt::NoPen);
    for (const QColor& colour : dots) {
        p.setBrush(colour);
        p.drawEllipse(QRectF(x, y, kDotDiameter, kDotDiameter));
        x += kDotDiameter + gap;
    }
}

void MonthGridWidget::mousePressEvent(QMouseEvent* event) {
    m_pressedDay =
        event->button() == Qt::LeftButton ? dayAt(event->position().toPoint()) : std::nullopt;
    m_didLongPress = false;
    if (!m_pressedDay)
        return;
    m_longPress = m_scheduler.after(kLongPress, [this, day = *m_pressedDay] {
        m_didLongPress = true;
        if (onDayLongPressed)
            onDayLongPressed(day);
    });
}

void MonthGridWidget::mouseMoveEvent(QMouseEvent* event) {
    if (m_pressedDay && dayAt(event->position().toPoint()) != m_pressedDay) {
        m_longPress.cancel();
        m_pressedDay.reset();
    }
}

void MonthGridWidget::mouseReleaseEvent(QMouseEvent* event) {
    m_longPress.cancel();
    const auto day = std::exchange(m_pressedDay, std::nullopt);
    if (day && !m_didLongPress && dayAt(event->position().toPoint()) == day && onDayClicked)
        onDayClicked(*day);
}

} // namespace ruvo::views
