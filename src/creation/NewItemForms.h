// SPDX-License-Identifier: GPL-3.0-or-later
// What the user composes in the "New Calendar Item" window, one form for an event and one
// for a reminder, and the drafts the store saves from them.
#pragma once

#include "kit/Time.h"
#include "platform/CalendarTypes.h"

#include <QDate>
#include <QString>
#include <QTime>
#include <optional>

namespace ruvo::creation {

struct NewEventForm {
    QString title;
    QString location;
    bool isAllDay = false;
    kit::Instant start;
    kit::Instant end;             // for an all-day event: any instant of its last day
    std::optional<qint64> alert;  // seconds from the start; negative is before it
    std::optional<qint64> alert2; // a second alarm
    QString url;
    QString calendarIdentifier; // empty: the default calendar for new events
    QString notes;
};

struct NewReminderForm {
    QString title;
    QString notes;
    QString listIdentifier;  // empty: the first reminder list
    bool useDueDate = false; // "Remind me"
    QDate dueDate;
    bool isDueDateWithTime = false; // "Time"
    QTime dueTime;
    int priority = 0; // 0 none, 1 highest ... 9 lowest
};

// Where a new event starts when the window opens: at the time-travel instant while the user
// travels, else at the next full hour; it lasts `defaultDuration`.
struct EventTimes {
    kit::Instant start;
    kit::Instant end;
};
EventTimes defaultEventTimes(kit::Instant now, std::optional<kit::Instant> travelInstant,
                             qint64 defaultDurationSeconds);

// The event to save. The alarms replace whatever the calendar would add; an all-day event's
// end is the day after its last day; a URL that does not parse as http(s) is left out.
platform::EventDraft eventDraft(const NewEventForm& form, const QString& zoneId);

// The reminder to save: a due date only with "Remind me" (with the time of day only with
// "Time"), and then one alarm at the due moment.
platform::ReminderDraft reminderDraft(const NewReminderForm& form, const QString& zoneId);

// Whether the user typed anything worth asking before throwing it away.
bool hasContent(const NewEventForm& event, const NewReminderForm& reminder);

} // namespace ruvo::creation
