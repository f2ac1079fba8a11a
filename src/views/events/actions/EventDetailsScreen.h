// SPDX-License-Identifier: GPL-3.0-or-later
// One calendar item in full: title, time, calendar (`eventDetails_showCalendarTitle`), the
// time in the user's other zones (`menu_eventDetails_showTimeZones`), the place with its map
// button, the join link, the cleaned notes, the attendees with their answers, and for a
// reminder its due date and whether it is completed. Fields without content are left out.
#pragma once

#include "events/videocalls/NotesCleaner.h"
#include "views/events/actions/EventActions.h"

#include <QWidget>

class QVBoxLayout;
class QLabel;

namespace ruvo::views {

// "Pending", "Maybe", "Accepted", "Declined", ...
QString participantStatusText(platform::ParticipantStatus status);

class EventDetailsScreen : public QWidget {
    Q_OBJECT
public:
    EventDetailsScreen(const EventActionDependencies& deps, videocalls::NotesCleaner& notes,
                       const events::CalendarItem& item, QWidget* parent = nullptr);

private:
    void addEvent(const platform::Event& event);
    void addReminder(const platform::Reminder& reminder);
    void addCalendarTitle(const QString& calendarIdentifier);
    void addZones(const platform::Event& event);
    void addLocation(const platform::Event& event);
    void addJoinLink(const platform::Event& event);
    void addNotes(const QString& notes);
    void addAttendees(const platform::Event& event);
    void addReplyButtons(const platform::Event& event);
    QLabel* addField(const char* name, const QString& text, Qt::TextFormat format = Qt::PlainText);
    void openLink(const QString& link);

    EventActions m_actions;
    videocalls::NotesCleaner& m_notes;
    QVBoxLayout* m_layout;
};

} // namespace ruvo::views
