// SPDX-License-Identifier: GPL-3.0-or-later
// The painted body of the month calendar: the weekday initials, the optional week numbers
// and six rows of day cells with their marks and dots. It reports clicks and long presses
// on days; what they do is up to the calendar view.
#pragma once

#include "events/calendar/DayCells.h"
#include "kit/Scheduler.h"
#include "settings/records/Enums.h"

#include <QWidget>
#include <functional>

namespace ruvo::views {

class MonthGridWidget final : public QWidget {
    Q_OBJECT
public:
    static constexpr kit::Milliseconds kLongPress{500};

    struct Content {
        calendar::MonthGrid grid;
        std::vector<calendar::DayCell> cells;
        bool showsWeekNumbers = false;
        settings::HighlightDaysInCalendarStyle highlightStyle =
            settings::HighlightDaysInCalendarStyle::redColor;
    };

    MonthGridWidget(kit::Scheduler& scheduler, QWidget* parent = nullptr);

    void setContent(Content content);
    const Content& content() const { return m_content; }

    // The day under `pos`, if any.
    std::optional<QDate> dayAt(QPoint pos) const;
    // The centre of `day`'s cell (invalid when the day is not shown).
    QPoint centreOf(QDate day) const;

    std::function<void(QDate)> onDayClicked;
    std::function<void(QDate)> onDayLongPressed;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRectF cellRect(int row, int column) const;
    qreal weekColumnWidth() const;
    qreal headerHeight() const;
    void paintHeader(QPainter& p) const;
    void paintCell(QPainter& p, const calendar::DayCell& cell, const QRectF& rect) const;
    void paintDots(QPainter& p, const std::vector<QColor>& dots, const QRectF& rect) const;

    kit::Scheduler& m_scheduler;
    Content m_content;
    std::optional<QDate> m_pressedDay;
    bool m_didLongPress = false;
    kit::Timer m_longPress;
};

} // namespace ruvo::views
