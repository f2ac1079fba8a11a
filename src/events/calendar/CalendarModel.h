// SPDX-License-Identifier: GPL-3.0-or-later
// The month calendar's state: the shown month, its grid and dots, and the moves the user
// makes (previous and next month, today, arrow keys, swipes, closing the menu). Selecting a
// day writes the shared selected date; the shown month follows the selection.
//
// Dots are recomputed when the shown month, `indicateEventsInCalendar` or `enabledCalendars`
// change and on every `eventsDidChange` that touches the grid's days: the events are read on
// the main thread, the per-day
// walk runs through `runInBackground`, and a result is applied only while it is still the
// latest one asked for.
#pragma once

#include "events/calendar/CalendarDots.h"
#include "events/calendar/MonthGrid.h"
#include "events/calendar/SwipeTracker.h"
#include "kit/Signal.h"
#include "platform/StoreChange.h"
#include "settings/Defaults.h"

#include <functional>
#include <memory>
#include <optional>

namespace ruvo::calendar {

// Runs `work` away from the main thread and hands its result to `done` on the main thread.
using DotsRunner = std::function<void(std::function<Dots()> work, std::function<void(Dots)> done)>;

// Runs the work at once on the calling thread (tests, the command line).
DotsRunner synchronousRunner();
// Runs the work on Qt's global thread pool and delivers on the main thread.
DotsRunner threadPoolRunner();

class CalendarModel {
public:
    struct Dependencies {
        const settings::Defaults& defaults;
        platform::CalendarStore& store;
        kit::Signal<>& eventsDidChange;
        const kit::Clock& clock;
        std::function<kit::Environment()> environment;
        kit::ObservableValue<QDate>& selectedDate;
        DotsRunner runInBackground = synchronousRunner();
        // What the latest eventsDidChange touched (EventsController::lastChange()); none: all.
        const platform::StoreChange* eventsChange = nullptr;
    };

    explicit CalendarModel(Dependencies dependencies);
    ~CalendarModel();
    CalendarModel(const CalendarModel&) = delete;
    CalendarModel& operator=(const CalendarModel&) = delete;

    // A date inside the shown month.
    kit::ObservableValue<QDate>& shownDate() { return m_shownDate; }
    // One entry per day of grid(); empty when dots are off.
    const kit::ObservableValue<Dots>& dots() const { return m_dots; }
    [[nodiscard]] kit::Subscription observeDots(std::function<void(const Dots&)> handler) {
        return m_dots.observe(std::move(handler));
    }
    const MonthGrid& grid() const { return m_grid; }
    QDate today() const;
    QDate selectedDate() const { return m_deps.selectedDate.value(); }
    kit::ObservableValue<QDate>& selection() { return m_deps.selectedDate; }
    kit::Environment environment() const { return m_deps.environment(); }

    void showPreviousMonth() { showMonthOffset(-1); }
    void showNextMonth() { showMonthOffset(1); }
    // Selects `day`; the shown month follows when the day lies outside it.
    void select(QDate day);
    void selectToday();
    // Moves the selection by `days` (arrow keys: ±1, ±7), from today when nothing is selected.
    void moveSelection(int days);
    // A horizontal scroll delta; at most one month per gesture (see SwipeTracker).
    void onHorizontalScroll(double deltaX, bool isInverted);
    void onScrollGestureEnd() { m_swipe.onGestureEnd(); }
    // The menu window closed: back to today unless the last shown month is kept.
    void onMenuClosed();
    // Re-reads the grid (the locale changed) and the dots.
    void refresh();

private:
    void showMonthOffset(int months);
    void onShownDateChanged();
    void recomputeDots();
    void onEventsChanged();

    Dependencies m_deps;
    kit::ObservableValue<QDate> m_shownDate;
    kit::ObservableValue<Dots> m_dots;
    MonthGrid m_grid;
    SwipeTracker m_swipe;
    quint64 m_generation = 0;
    std::optional<platform::DateRange> m_dotsRange; // the span the dots were last read for
    std::shared_ptr<CalendarModel*> m_self;         // the background work's weak way back
    std::vector<kit::Subscription> m_subscriptions;
};

} // namespace ruvo::calendar
