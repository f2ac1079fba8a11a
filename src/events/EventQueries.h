// SPDX-License-Identifier: GPL-3.0-or-later
// The query operations on the calendar store that every display and alert calls: calendars
// by identifier, events and reminders of a range (filtered by the user's settings, sorted by
// start) and both together. Each call asks the store afresh; nothing is cached between calls.
//
//   EventQueries queries(store, defaults, environment.timeZoneId);
//   for (const auto& item : queries.calendarItems(range)) ...
#pragma once

#include "platform/CalendarStore.h"
#include "settings/Defaults.h"

#include <set>
#include <variant>

namespace ruvo::events {

using platform::DateRange;
using platform::Event;
using platform::Reminder;

// An event occurrence or a reminder, as the event list shows them.
using CalendarItem = std::variant<Event, Reminder>;

class EventQueries {
public:
    EventQueries(platform::CalendarStore& store, const settings::Defaults& defaults,
                 QString timeZoneId)
        : m_store(store), m_defaults(defaults), m_timeZoneId(std::move(timeZoneId)) {}

    platform::CalendarStore& store() const { return m_store; }
    const QString& timeZoneId() const { return m_timeZoneId; }

    // The calendars that exist among `identifiers`, in the set's order.
    std::vector<platform::Calendar> calendars(const std::set<QString>& identifiers) const;

    // The enabled calendars' events overlapping `range`: without cancelled, declined, hidden
    // (and, when switched off, all-day) events, stably sorted by start.
    std::vector<Event> events(const DateRange& range) const;
    // The filter-and-sort half of events(range) for callers with their own predicate.
    std::vector<Event> events(const platform::EventPredicate& predicate) const;

    // Incomplete reminders of the enabled lists due from the start of the day
    // `remindersDaysInThePastCount` days before the range up to its end.
    std::vector<Reminder> reminders(const DateRange& range) const;

    // events(range) then reminders(range), stably sorted by each item's instant.
    std::vector<CalendarItem> calendarItems(const DateRange& range) const;

    // An event's start; a reminder's due date (the start of its day when it has no time).
    kit::Instant sortInstant(const CalendarItem& item) const;

private:
    static std::vector<QString> identifiers(const std::vector<platform::Calendar>& calendars);

    platform::CalendarStore& m_store;
    const settings::Defaults& m_defaults;
    QString m_timeZoneId;
};

// True when the user's own attendee entry declined the event.
bool isDeclinedByCurrentUser(const Event& event);

} // namespace ruvo::events
