// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar side of the running program: the menu window's month calendar, event list and
// join-next-call button, a row's menu and the details window, "Hidden Events" in the more
// menu, and the long press that opens a day in the calendar application. The calendar store
// follows the system's zone (floating and all-day times are read in it), and at midnight
// the selection moves on with today.
#pragma once

#include "app/AppState.h"
#include "app/Panel.h"
#include "app/VideoCalls.h"
#include "events/HighlightedDays.h"
#include "events/calendar/CalendarModel.h"
#include "events/calendar/DayOpener.h"
#include "platform/linux/UserCalendarStore.h"
#include "platform/linux/XdgCalendarApplication.h"
#include "views/events/EventListDependencies.h"
#include "views/events/actions/EventActions.h"
#include "views/events/actions/Prompter.h"

#include <QPointer>

namespace ruvo::views {
class EventDetailsWindow;
class EventListView;
class MonthCalendarView;
} // namespace ruvo::views

namespace ruvo::app {

class EventsSection {
public:
    EventsSection(AppState& state, Panel& panel, platform::UserCalendarStore& store,
                  VideoCalls& videoCalls);
    EventsSection(const EventsSection&) = delete;
    EventsSection& operator=(const EventsSection&) = delete;
    ~EventsSection();

    // The item's details window (an event row's click, the upcoming event's click).
    void showDetails(const events::CalendarItem& item);

private:
    views::EventListDependencies listDependencies();
    views::EventActionDependencies actionDependencies();
    void createViews();
    // The list and the join button read the zone they were made with: made anew on a change.
    void createList();
    void showRowMenu(const events::CalendarItem& item, QDate dateInList, QPoint globalPosition);
    void tell(const calendar::UserMessage& message);
    void onDateEvent(platform::DateEvent event);

    AppState& m_state;
    Panel& m_panel;
    platform::UserCalendarStore& m_store;
    VideoCalls& m_videoCalls;
    events::CalendarDaysHighlightModel m_highlightedDays;
    std::optional<events::EventQueries> m_queries;
    platform::XdgCalendarApplication m_calendarApplication;
    calendar::DayOpener m_dayOpener;
    calendar::CalendarModel m_calendarModel;
    views::DialogPrompter m_prompter;
    views::EventActionDependencies m_actions;
    QPointer<views::MonthCalendarView> m_calendarView;
    QPointer<views::EventListView> m_listView;
    QPointer<views::EventDetailsWindow> m_details;
    QDate m_today;
    kit::Subscription m_dateEvents;
    QMetaObject::Connection m_menuClosed;
    QMetaObject::Connection m_menuShown;
};

} // namespace ruvo::app
