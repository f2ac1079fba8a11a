// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar store: calendars and reminder lists, event occurrences in a range, reminders,
// saving new items, access, and one signal when anything in it changed. The logic reaches
// calendars only through this interface; the Linux back end reads vdir folders, tests use
// FakeCalendarStore. Every call is made on the main thread.
#pragma once

#include "kit/Result.h"
#include "kit/Signal.h"
#include "platform/CalendarAccess.h"
#include "platform/CalendarTypes.h"
#include "platform/StoreChange.h"

#include <QCoreApplication>

namespace ruvo::platform {

// Which events a query asks for: those overlapping `range` in the listed calendars
// (an empty list asks every event calendar).
struct EventPredicate {
    DateRange range;
    std::vector<QString> calendarIdentifiers;
};

// Incomplete reminders whose due date lies in [start, end) (no start: any time before `end`).
struct ReminderPredicate {
    std::optional<kit::Instant> start;
    kit::Instant end;
    std::vector<QString> calendarIdentifiers;
};

// What removing an event occurrence takes away: that occurrence only (the rest of its series
// stays), or the whole event with every occurrence.
enum class RemovalScope { thisOccurrence, wholeSeries };

inline EventPredicate predicateForEvents(kit::Instant start, kit::Instant end,
                                         std::vector<QString> calendarIdentifiers) {
    return {{start, end}, std::move(calendarIdentifiers)};
}

class CalendarStore : public CalendarAccess {
public:
    // Calendars holding items of `kind`, in a stable order.
    virtual std::vector<Calendar> calendars(EntityType kind) const = 0;
    virtual std::optional<Calendar> calendarWithIdentifier(const QString& identifier) const = 0;
    virtual std::optional<Calendar> defaultCalendarForNewEvents() const = 0;

    // Every occurrence overlapping the range, each its own item (recurrences expanded),
    // ordered by start.
    virtual std::vector<Event> events(const EventPredicate& predicate) const = 0;
    // The event (the first occurrence of a series) with `eventIdentifier`.
    virtual std::optional<Event> eventWithIdentifier(const QString& identifier) const = 0;

    // Answers at once; reminders carry a due date.
    virtual std::vector<Reminder> incompleteReminders(const ReminderPredicate& predicate) const = 0;

    // Saves a new event (this occurrence only) or reminder; the answer is its identifier.
    virtual kit::Result<QString> saveEvent(const EventDraft& draft) = 0;
    virtual kit::Result<QString> saveReminder(const ReminderDraft& draft) = 0;
    virtual kit::Result<void> completeReminder(const QString& identifier) = 0;
    virtual kit::Result<void> removeReminder(const QString& identifier) = 0;
    // Removes `occurrence` (or its whole series). Fails for a calendar that is not writable.
    virtual kit::Result<void> removeEvent(const Event& occurrence, RemovalScope scope) = 0;
    // Gives the reminder a new due date (without a time of day, or none at all).
    virtual kit::Result<void> setReminderDue(const QString& identifier,
                                             const std::optional<DueDate>& due) = 0;
    // 0 none, 1 highest ... 9 lowest.
    virtual kit::Result<void> setReminderPriority(const QString& identifier, int priority) = 0;

    // Answers the invitation `eventIdentifier` ("calendar/UID") as the user's attendee: the
    // whole event, or (with `occurrence`, an occurrenceDate) that occurrence only. Fails,
    // changing nothing, for a read-only calendar or an event without an attendee of the user's.
    virtual kit::Result<void> reply(const QString& eventIdentifier,
                                    std::optional<kit::Instant> occurrence,
                                    ParticipantStatus status) {
        (void)eventIdentifier, (void)occurrence, (void)status;
        return kit::fail(QCoreApplication::translate("CalendarStore",
                                                     "This calendar cannot answer invitations."));
    }

    // Copies the items of an iCalendar file into the calendar `calendarIdentifier` (empty:
    // events to the default calendar, reminders to the first reminder list).
    virtual kit::Result<ImportReport> importFile(const QString& path,
                                                 const QString& calendarIdentifier) = 0;

    // Takes in changes that the change watching may not have reported yet.
    virtual void refreshSourcesIfNecessary() = 0;

    virtual AuthorizationStatus authorizationStatus(EntityType kind) const = 0;

    // Something in the store changed (one emission per burst of changes).
    kit::Signal<>& storeChanged() { return m_storeChanged; }
    // What the latest storeChanged() emission touched; read it while handling the signal.
    const StoreChange& lastChange() const { return m_lastChange; }

protected:
    void emitStoreChanged(StoreChange change = StoreChange::everything()) {
        m_lastChange = std::move(change);
        m_storeChanged.emit();
    }

private:
    kit::Signal<> m_storeChanged;
    StoreChange m_lastChange = StoreChange::everything();
};

} // namespace ruvo::platform
