// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/CompositeCalendarStore.h"

#include <QCoreApplication>
#include <set>

namespace ruvo::platform {

namespace {

QString calendarPart(const QString& itemIdentifier) {
    return itemIdentifier.left(itemIdentifier.indexOf(QLatin1Char('/')));
}

kit::Error noCalendar(const QString& identifier) {
    return kit::fail(
        QCoreApplication::translate("CompositeCalendarStore", "No calendar %1.").arg(identifier));
}

} // namespace

CompositeCalendarStore::~CompositeCalendarStore() = default;

void CompositeCalendarStore::addStore(CalendarStore& store, const QString& backend) {
    m_parts.push_back({&store, backend, store.storeChanged().connect([this, &store] {
                           emitStoreChanged(store.lastChange());
                       })});
}

std::vector<Calendar> CompositeCalendarStore::calendars(EntityType kind) const {
    std::vector<Calendar> result;
    for (const Part& p : m_parts)
        for (Calendar c : p.store->calendars(kind)) {
            if (c.backend.isEmpty())
                c.backend = p.backend;
            result.push_back(std::move(c));
        }
    return result;
}

std::optional<Calendar> CompositeCalendarStore::calendarWithIdentifier(const QString& id) const {
    for (const Part& p : m_parts)
        if (auto c = p.store->calendarWithIdentifier(id)) {
            if (c->backend.isEmpty())
                c->backend = p.backend;
            return c;
        }
    return std::nullopt;
}

CalendarStore* CompositeCalendarStore::holding(const QString& calendarIdentifier) const {
    for (const Part& p : m_parts)
        if (p.store->calendarWithIdentifier(calendarIdentifier))
            return p.store;
    return nullptr;
}

CalendarStore* CompositeCalendarStore::holdingReminder(const QString& identifier) const {
    return holding(calendarPart(identifier));
}

CalendarStore* CompositeCalendarStore::first(EntityType kind) const {
    for (const Part& p : m_parts)
        if (!p.store->calendars(kind).empty())
            return p.store;
    return nullptr;
}

std::optional<Calendar> CompositeCalendarStore::defaultCalendarForNewEvents() const {
    for (const Part& p : m_parts)
        if (auto c = p.store->defaultCalendarForNewEvents()) {
            if (c->backend.isEmpty())
                c->backend = p.backend;
            return c;
        }
    return std::nullopt;
}

std::vector<Event> CompositeCalendarStore::events(const EventPredicate& predicate) const {
    if (m_parts.size() == 1)
        return m_parts.front().store->events(predicate);
    std::vector<Event> result;
    std::set<std::pair<QString, qint64>> seen; // UID and the occurrence's own start
    for (const Part& p : m_parts) {
        const std::size_t fromEarlierStores = result.size();
        for (Event& e : p.store->events(predicate)) {
            const std::pair key{e.calendarItemExternalIdentifier(),
                                kit::msecsSinceEpoch(e.occurrenceDate())};
            if (fromEarlierStores > 0 && seen.contains(key))
                continue;
            result.push_back(std::move(e));
        }
        for (std::size_t i = fromEarlierStores; i < result.size(); ++i)
            seen.emplace(result[i].calendarItemExternalIdentifier(),
                         kit::msecsSinceEpoch(result[i].occurrenceDate()));
    }
    std::stable_sort(result.begin(), result.end(),
                     [](const Event& a, const Event& b) { return a.start() < b.start(); });
    return result;
}

std::optional<Event> CompositeCalendarStore::eventWithIdentifier(const QString& id) const {
    CalendarStore* store = holding(calendarPart(id));
    return store ? store->eventWithIdentifier(id) : std::nullopt;
}

std::vector<Reminder>
CompositeCalendarStore::incompleteReminders(const ReminderPredicate& p) const {
    std::vector<Reminder> result;
    std::set<QString> seen;
    for (const Part& part : m_parts) {
        const std::size_t fromEarlierStores = result.size();
        for (Reminder& r : part.store->incompleteReminders(p))
            if (!seen.contains(r.uid))
                result.push_back(std::move(r));
        for (std::size_t i = fromEarlierStores; i < result.size(); ++i)
            seen.insert(result[i].uid);
    }
    return result;
}

kit::Result<QString> CompositeCalendarStore::saveEvent(const EventDraft& draft) {
    if (draft.calendarIdentifier.isEmpty()) {
        auto c = defaultCalendarForNewEvents();
        CalendarStore* store = c ? holding(c->identifier) : nullptr;
        if (!store)
            return noCalendar(draft.calendarIdentifier);
        EventDraft routed = draft;
        routed.calendarIdentifier = c->identifier;
        return store->saveEvent(routed);
    }
    CalendarStore* store = holding(draft.calendarIdentifier);
    return store ? store->saveEvent(draft)
                 : kit::Result<QString>(noCalendar(draft.calendarIdentifier));
}

kit::Result<QString> CompositeCalendarStore::saveReminder(const ReminderDraft& draft) {
    CalendarStore* store = draft.calendarIdentifier.isEmpty() ? first(EntityType::reminder)
                                                              : holding(draft.calendarIdentifier);
    if (!store)
        return noCalendar(draft.calendarIdentifier);
    return store->saveReminder(draft);
}

kit::Result<void> CompositeCalendarStore::completeReminder(const QString& identifier) {
    CalendarStore* store = holdingReminder(identifier);
    return store ? store->completeReminder(identifier) : kit::Result<void>(noCalendar(identifier));
}

kit::Result<void> CompositeCalendarStore::removeReminder(const QString& identifier) {
    CalendarStore* store = holdingReminder(identifier);
    return store ? store->removeReminder(identifier) : kit::Result<void>(noCalendar(identifier));
}

kit::Result<void> CompositeCalendarStore::removeEvent(const Event& occurrence, RemovalScope scope) {
    CalendarStore* store = holding(occurrence.calendarIdentifier());
    return store ? store->removeEvent(occurrence, scope)
                 : kit::Result<void>(noCalendar(occurrence.calendarIdentifier()));
}

kit::Result<void> CompositeCalendarStore::reply(const QString& eventIdentifier,
                                                std::optional<kit::Instant> occurrence,
                                                ParticipantStatus status) {
    CalendarStore* store = holding(calendarPart(eventIdentifier));
    return store ? store->reply(eventIdentifier, occurrence, status)
                 : kit::Result<void>(noCalendar(calendarPart(eventIdentifier)));
}

kit::Result<void> CompositeCalendarStore::setReminderDue(const QString& identifier,
                                                         const std::optional<DueDate>& due) {
    CalendarStore* store = holdingReminder(identifier);
    return store ? store->setReminderDue(identifier, due)
                 : kit::Result<void>(noCalendar(identifier));
}

kit::Result<void> CompositeCalendarStore::setReminderPriority(const QString& identifier,
                                                              int priority) {
    CalendarStore* store = holdingReminder(identifier);
    return store ? store->setReminderPriority(identifier, priority)
                 : kit::Result<void>(noCalendar(identifier));
}

kit::Result<ImportReport> CompositeCalendarStore::importFile(const QString& path,
                                                             const QString& calendarIdentifier) {
    CalendarStore* store =
        calendarIdentifier.isEmpty() ? first(EntityType::event) : holding(calendarIdentifier);
    if (!store)
        return noCalendar(calendarIdentifier);
    return store->importFile(path, calendarIdentifier);
}

void CompositeCalendarStore::refreshSourcesIfNecessary() {
    for (const Part& p : m_parts)
        p.store->refreshSourcesIfNecessary();
}

AuthorizationStatus CompositeCalendarStore::authorizationStatus(EntityType kind) const {
    for (const Part& p : m_parts)
        if (p.store->authorizationStatus(kind) == AuthorizationStatus::fullAccess)
            return AuthorizationStatus::fullAccess;
    return m_parts.empty() ? AuthorizationStatus::notDetermined
                           : m_parts.front().store->authorizationStatus(kind);
}

} // namespace ruvo::platform
