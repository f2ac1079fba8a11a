// SPDX-License-Identifier: GPL-3.0-or-later
// The context menu of one row of the event list. For an event: join and copy the video
// call's link, show it in the calendar application (or Google Calendar), show its place on
// a map, e-mail it, mute all its occurrences, hide it and delete it. For a reminder: show
// it, its priority, mark it completed, re-time it and delete it. Entries that change a
// read-only calendar are disabled.
//
//   auto* menu = new views::EventRowMenu(deps, item, dateInList);
//   menu->setAttribute(Qt::WA_DeleteOnClose);
//   menu->popup(globalPos);
#pragma once

#include "views/events/actions/EventActions.h"

#include <QMenu>

namespace ruvo::views {

class EventRowMenu : public QMenu {
    Q_OBJECT
public:
    EventRowMenu(const EventActionDependencies& deps, events::CalendarItem item, QDate dateInList,
                 QWidget* parent = nullptr);

private:
    void addEventEntries(const platform::Event& event);
    void addReplyEntries(const platform::Event& event);
    void addReminderEntries(const platform::Reminder& reminder);
    void addShowInCalendar();
    void addMuteToggle(const platform::Event& event);
    void addPriorityMenu(const platform::Reminder& reminder, bool isWritable);
    void addRetimingMenu(const platform::Reminder& reminder, bool isWritable);

    EventActions m_actions;
    events::CalendarItem m_item;
    QDate m_dateInList;
};

} // namespace ruvo::views
