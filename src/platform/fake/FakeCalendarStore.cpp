// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fake/FakeCalendarStore.h"

#include <QTimeZone>
#include <algorithm>

namespace ruvo::platform {

namespace {

bool listed(const std::vector<QString>& identifiers, const QString& identifier) {
    return identifiers.empty() ||
           std::find(identifiers.begin(), identifiers.end(), identifier) != identifiers.end();
}

} // namespace

Event& FakeCalendarStore::addEvent(std::shared_ptr<const EventData> data, kit::Instant start,
                                   kit::Instant end, std::optional<kit::Instant> occurrenceDate) {
    eventList.emplace_back(std::move(data), start, end, occurrenceDate.value_or(start));
    return eventList.back();
}

std::vector<Calendar> FakeCalendarStore::calendars(EntityType kind) const {
    std::vector<Calendar> result;
    std::copy_if(calendarList.begin(), calendarList.end(), std::back_inserter(result),
                 [kind](const Calendar& c) { return c.kind == kind; });
    return result;
}

std::optional<Calendar> FakeCalendarStore::calendarWithIdentifier(const QString& id) const {
    for (const auto& c : calendarList)
        if (c.identifier == id)
            return c;
    return std::nullopt;
}

std::optional<Calendar> FakeCalendarStore::defaultCalendarForNewEvents() const {
    return calendarWithIdentifier(defaultCalendarIdentifier);
}

std::vector<Event> FakeCalendarStore::events(const EventPredicate& predicate) const {
    ++const_cast<FakeCalendarStore*>(this)->eventQueryCount;
    std::vector<Event> result;
    for (const auto& e : eventList) {
        const bool overlaps =
            e.start() < predicate.range.end &&
            (e.end() > predicate.range.start || e.start() >= predicate.range.start);
        if (overlaps && listed(predicate.calendarIdentifiers, e.calendarIdentifier()))
            result.push_back(e);
    }
    return result;
}

std::optional<Event> FakeCalendarStore::eventWithIdentifier(const QString& identifier) const {
    for (const auto& e : eventList)
        if (e.eventIdentifier() == identifier)
            return e;
    return std::nullopt;
}

std::vector<Reminder> FakeCalendarStore::incompleteReminders(const ReminderPredicate& p) const {
    std::vector<Reminder> result;
    for (const auto& r : reminderList) {
        if (r.isCompleted || !r.due || !listed(p.calendarIdentifiers, r.calendarIdentifier))
            continue;
        const kit::Instant due = dueInstant(*r.due, zoneId);
        if ((!p.start || due >= *p.start) && due < p.end)
            result.push_back(r);
    }
    return result;
}

kit::Result<QString> FakeCalendarStore::saveEvent(const EventDraft& draft) {
    if (eventsStatus != AuthorizationStatus::fullAccess)
        return kit::fail(QStringLiteral("No access to calendars."));
    auto data = std::make_shared<EventData>();
    data->calendarItemExternalIdentifier = QStringLiteral("fake-event-%1").arg(m_nextId++);
    data->calendarIdentifier =
        draft.calendarIdentifier.isEmpty() ? defaultCalendarIdentifier : draft.calendarIdentifier;
    data->title = draft.title;
    data->isAllDay = draft.isAllDay;
    data->extra().notes = draft.notes;
    data->extra().url = draft.url;
    data->extra().location = draft.location;
    data->extra().alarms = draft.alarms;
    addEvent(data, draft.start, draft.end);
    emitStoreChanged();
    return Event(data, draft.start, draft.end, draft.start).eventIdentifier();
}

kit::Result<QString> FakeCalendarStore::saveReminder(const ReminderDraft& draft) {
    if (remindersStatus != AuthorizationStatus::fullAccess)
        return kit::fail(QStringLiteral("No access to reminders."));
    Reminder r;
    r.identifier = QStringLiteral("fake-reminder-%1").arg(m_nextId++);
    r.calendarIdentifier = draft.calendarIdentifier;
    r.title = draft.title;
    r.notes = draft.notes;
    r.due = draft.due;
    r.priority = draft.priority;
    reminderList.push_back(r);
    emitStoreChanged();
    return r.identifier;
}

kit::Result<void> FakeCalendarStore::completeReminder(const QString& identifier) {
    for (auto& r : reminderList) {
        if (r.identifier == identifier) {
            r.isCompleted = true;
            emitStoreChanged();
            return {};
        }
    }
    return kit::fail(QStringLiteral("No reminder %1.").arg(identifier));
}

kit::Result<void> FakeCalendarStore::removeReminder(const QString& identifier) {
    const auto before = reminderList.size();
    std::erase_if(reminderList, [&](const Reminder& r) { return r.identifier == identifier; });
    if (reminderList.size() == before)
        return kit::fail(QStringLiteral("No reminder %1.").arg(identifier));
    emitStoreChanged();
    return {};
}

kit::Result<void> FakeCalendarStore::checkWritable(const QString& calendarIdentifier) const {
    const auto calendar = calendarWithIdentifier(calendarIdentifier);
    if (calendar && !calendar->isWritable)
        return kit::fail(QStringLiteral("The calendar “%1” is read-only.").arg(calendar->title));
    return {};
}

Reminder* FakeCalendarStore::reminder(const QString& identifier) {
    for (auto& r : reminderList)
        if (r.identifier == identifier)
            return &r;
    return nullptr;
}

kit::Result<void> FakeCalendarStore::removeEvent(const Event& occurrence, RemovalScope scope) {
    if (auto writable = checkWritable(occurrence.calendarIdentifier()); !writable)
        return writable;
    const QString id = occurrence.eventIdentifier();
    const bool wholeSeries = scope == RemovalScope::wholeSeries || !occurrence.hasRecurrenceRules();
    const auto removed = std::erase_if(eventList, [&](const Event& e) {
        return e.eventIdentifier() == id &&
               (wholeSeries || e.occurrenceDate() == occurrence.occurrenceDate());
    });
    if (removed == 0)
        return kit::fail(QStringLiteral("No event %1.").arg(id));
    emitStoreChanged();
    return {};
}

kit::Result<void> FakeCalendarStore::setReminderDue(const QString& identifier,
                                                    const std::optional<DueDate>& due) {
    Reminder* r = reminder(identifier);
    if (!r)
        return kit::fail(QStringLiteral("No reminder %1.").arg(identifier));
    if (auto writable = checkWritable(r->calendarIdentifier); !writable)
        return writable;
    r->due = due;
    emitStoreChanged();
    return {};
}

kit::Result<void> FakeCalendarStore::setReminderPriority(const QString& identifier, int priority) {
    Reminder* r = reminder(identifier);
    if (!r)
        return kit::fail(QStringLiteral("No reminder %1.").arg(identifier));
    if (auto writable = checkWritable(r->calendarIdentifier); !writable)
        return writable;
    r->priority = std::clamp(priority, 0, 9);
    emitStoreChanged();
    return {};
}

AuthorizationStatus FakeCalendarStore::authorizationStatus(EntityType kind) const {
    return kind == EntityType::event ? eventsStatus : remindersStatus;
}

void FakeCalendarStore::requestEventsAccess(std::function<void(bool)> done) {
    eventsStatus = grantAccess ? AuthorizationStatus::fullAccess : AuthorizationStatus::denied;
    done(grantAccess);
}

void FakeCalendarStore::requestRemindersAccess(std::function<void(bool)> done) {
    remindersStatus = grantAccess ? AuthorizationStatus::fullAccess : AuthorizationStatus::denied;
    done(grantAccess);
}

} // namespace ruvo::platform
