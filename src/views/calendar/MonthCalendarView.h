// SPDX-License-Identifier: GPL-3.0-or-later
// The month calendar of the menu window: a header with the month and year (click: today),
// the previous and next buttons and a tips button, then the day grid. Keys: Space selects
// today, the arrow keys move the selected day; a horizontal swipe changes the month; a click
// selects a day and a long press opens it outside Ruvo. It draws the model and the hovered
// event's days and owns no state of its own.
#pragma once

#include "events/HighlightedDays.h"
#include "events/calendar/CalendarModel.h"
#include "kit/Scheduler.h"

#include <QWidget>

class QLabel;
class QToolButton;

namespace ruvo::views {

class MonthGridWidget;
class CalendarTipsPopup;

class MonthCalendarView final : public QWidget {
    Q_OBJECT
public:
    struct Dependencies {
        const settings::Defaults& defaults;
        calendar::CalendarModel& model;
        kit::Scheduler& scheduler; // the long press
        events::CalendarDaysHighlightModel& highlightedDays;
        // Opens a day outside Ruvo (a long press): calendar::DayOpener::open.
        std::function<void(QDate)> openDay;
        // Ends time travel first (timezones::TimeTravelResets::onGoToToday): true when that was
        // all "go to today" did and the selected day stays.
        std::function<bool()> endTimeTravel = {};
    };

    static QKeySequence previousMonthShortcut();
    static QKeySequence nextMonthShortcut();

    explicit MonthCalendarView(Dependencies dependencies, QWidget* parent = nullptr);
    ~MonthCalendarView() override;

    QToolButton* titleButton() const { return m_title; }
    QToolButton* previousButton() const { return m_previous; }
    QToolButton* nextButton() const { return m_next; }
    QToolButton* tipsButton() const { return m_tips; }
    MonthGridWidget* grid() const { return m_grid; }

    // Redraws from the model and the settings.
    void refresh();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QWidget* makeHeader();
    void observe();
    void showTips();
    void goToToday(); // the title's click and Space

    Dependencies m_deps;
    QToolButton* m_title;
    QToolButton* m_previous;
    QToolButton* m_next;
    QToolButton* m_tips;
    MonthGridWidget* m_grid;
    CalendarTipsPopup* m_tipsPopup = nullptr;
    std::vector<kit::Subscription> m_subscriptions;
};

} // namespace ruvo::views
