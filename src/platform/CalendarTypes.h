// SPDX-License-Identifier: GPL-3.0-or-later
// The values the calendar store hands out: calendars, event occurrences and reminders.
// An event occurrence is cheap to copy: what all occurrences of one series share sits behind
// one shared pointer.
#pragma once

#include "kit/Time.h"

#include <QDate>
#include <QString>
#include <QTime>
#include <QTimeZone>
#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

namespace ruvo::platform {

enum class EntityType { event, reminder };

enum class AuthorizationStatus { notDetermined = 0, restricted = 1, denied = 2, fullAccess = 3 };

// Raw values as the calendar store numbers them.
enum class EventStatus { none = 0, confirmed = 1, tentative = 2, canceled = 3 };
enum class ParticipantStatus {
    unknown = 0,
    pending = 1,
    accepted = 2,
    declined = 3,
    tentative = 4,
    delegated = 5,
    completed = 6,
    inProcess = 7,
};

// Half-open [start, end).
struct DateRange {
    kit::Instant start;
    kit::Instant end;
    friend bool operator==(const DateRange&, const DateRange&) = default;
};

struct Calendar {
    QString identifier;
    QString title;
    QString colour; // "#rrggbb" or "#rrggbbaa"
    EntityType kind = EntityType::event;
    QString source; // the folder (or account) the calendar lives in
    bool isWritable = true;
    QString backend; // the store it comes from: "vdir", "eds"
    friend bool operator==(const Calendar&, const Calendar&) = default;
};

struct Attendee {
    QString name;
    QString address; // without "mailto:"
    ParticipantStatus participantStatus = ParticipantStatus::unknown;
    bool isCurrentUser = false;
    friend bool operator==(const Attendee&, const Attendee&) = default;
};

struct Alarm {
    kit::Seconds relativeOffset{0}; // from the start; negative is before it
    friend bool operator==(const Alarm&, const Alarm&) = default;
};

// What every occurrence of one event (or one overridden occurrence) shares. The event's
// identifiers are made from its calendar and UID when asked, so fifty thousand events do
// not carry them twice.
// Most events have no place, link, notes, attendees or alarms: those sit apart. Events with
// only a place and alarms repeat them (a meeting room, a quarter of an hour before), so the
// store lets such events share one copy; the first change through extra() takes a copy of
// its own.
struct EventExtras {
    QString location;
    QString url;
    QString notes;
    std::vector<Attendee> attendees;
    std::vector<Alarm> alarms;
    bool isOrganizedByCurrentUser = false; // the organiser's address is one of the user's
};

struct EventData {
    QString calendarItemExternalIdentifier; // the iCalendar UID
    QString calendarIdentifier;
    QString title;
    EventStatus status = EventStatus::none;
    bool isAllDay = false;
    bool hasRecurrenceRules = false;
    std::shared_ptr<EventExtras> extras;

    EventExtras& extra() {
        if (!extras)
            extras = std::make_shared<EventExtras>();
        else if (extras.use_count() > 1)
            extras = std::make_shared<EventExtras>(*extras);
        return *extras;
    }
    const EventExtras& extra() const {
        static const EventExtras kNone;
        return extras ? *extras : kNone;
    }
};

class Event {
public:
    Event() = default;
    Event(std::shared_ptr<const EventData> data, kit::Instant start, kit::Instant end,
          kit::Instant occurrenceDate)
        : m_data(std::move(data)), m_start(start), m_end(end), m_occurrenceDate(occurrenceDate) {}

    // "calendar/UID": the same for every occurrence of a series.
    QString eventIdentifier() const {
        return m_data->calendarIdentifier + QLatin1Char('/') +
               m_data->calendarItemExternalIdentifier;
    }
    QString calendarItemIdentifier() const { return eventIdentifier(); }
    const QString& calendarItemExternalIdentifier() const {
        return m_data->calendarItemExternalIdentifier;
    }
    const QString& calendarIdentifier() const { return m_data->calendarIdentifier; }
    const QString& title() const { return m_data->title; }
    const QString& location() const { return m_data->extra().location; }
    const QString& url() const { return m_data->extra().url; }
    const QString& notes() const { return m_data->extra().notes; }
    bool hasNotes() const { return !notes().isEmpty(); }
    EventStatus status() const { return m_data->status; }
    bool isAllDay() const { return m_data->isAllDay; }
    bool hasRecurrenceRules() const { return m_data->hasRecurrenceRules; }
    const std::vector<Attendee>& attendees() const { return m_data->extra().attendees; }
    const std::vector<Alarm>& alarms() const { return m_data->extra().alarms; }
    bool isOrganizedByCurrentUser() const { return m_data->extra().isOrganizedByCurrentUser; }

    kit::Instant start() const { return m_start; }
    kit::Instant end() const { return m_end; }
    // The start the series' rule gave this occurrence (before any override moved it).
    kit::Instant occurrenceDate() const { return m_occurrenceDate; }
    // Start and end as a range that is never inverted.
    DateRange dateRange() const { return {m_start, std::max(m_start, m_end)}; }

    const EventData& data() const { return *m_data; }
    bool isValid() const { return m_data != nullptr; }

private:
    std::shared_ptr<const EventData> m_data;
    kit::Instant m_start;
    kit::Instant m_end;
    kit::Instant m_occurrenceDate;
};

// A due date as calendar components: a day, with or without a time of day, in a zone
// (empty zone: the current one).
struct DueDate {
    QDate date;
    std::optional<QTime> time;
    QString timeZoneId;
    friend bool operator==(const DueDate&, const DueDate&) = default;
};

struct Reminder {
    QString identifier;
    QString calendarIdentifier;
    QString uid;
    QString title;
    QString notes;
    std::optional<DueDate> due;
    bool isCompleted = false;
    int priority = 0; // 0 none, 1 highest ... 9 lowest
    friend bool operator==(const Reminder&, const Reminder&) = default;
};

// The instant a due date names, its floating form read in `zoneId`; a day without a time
// names the start of that day.
inline kit::Instant dueInstant(const DueDate& due, const QString& zoneId) {
    QTimeZone zone(due.timeZoneId.isEmpty() ? zoneId.toUtf8() : due.timeZoneId.toUtf8());
    if (!zone.isValid())
        zone = QTimeZone::utc();
    return kit::fromQDateTime(QDateTime(due.date, due.time.value_or(QTime(0, 0)), zone));
}

// A new event for saving.
struct EventDraft {
    QString calendarIdentifier; // empty: the default calendar for new events
    QString title;
    kit::Instant start;
    kit::Instant end;
    bool isAllDay = false; // start and end then name days in the store's zone
    QString location;
    QString url;
    QString notes;
    std::vector<Alarm> alarms;
};

struct ReminderDraft {
    QString calendarIdentifier; // empty: the first reminder list
    QString title;
    QString notes;
    std::optional<DueDate> due;
    int priority = 0;
    std::vector<Alarm> alarms; // counted from the due date; ignored without one
};

// One line about an imported item that was not written.
struct ImportNote {
    QString uid;
    QString text;
    bool isError = false; // a failure, not a deliberate skip
};

// What an import wrote, and what it did not.
struct ImportReport {
    int events = 0;    // written: new, or replacing an older version
    int reminders = 0; // the same for VTODOs
    int replaced = 0;  // how many of those replaced an older version
    std::vector<ImportNote> notes;

    bool hasErrors() const {
        return std::any_of(notes.begin(), notes.end(),
                           [](const ImportNote& n) { return n.isError; });
    }
};

} // namespace ruvo::platform
