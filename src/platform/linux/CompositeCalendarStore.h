// SPDX-License-Identifier: GPL-3.0-or-later
// Several calendar stores shown as one: their calendars side by side, each marked with the back
// end it comes from, and queries merged. An event that two back ends both hold (a vdir folder
// synced from the same server as an online account) is shown once, from the earlier store.
// Edits go to the store that holds the calendar or item.
#pragma once

#include "platform/CalendarStore.h"

#include <memory>

namespace ruvo::platform {

class CompositeCalendarStore : public CalendarStore {
public:
    CompositeCalendarStore() = default;
    ~CompositeCalendarStore() override;
    CompositeCalendarStore(const CompositeCalendarStore&) = delete;
    CompositeCalendarStore& operator=(const CompositeCalendarStore&) = delete;

    // Adds a store behind the ones added before; `backend` names it in its calendars.
    void addStore(CalendarStore& store, const QString& backend);
    // Forgets every store (before they go).
    void clearStores() { m_parts.clear(); }

    std::vector<Calendar> calendars(EntityType kind) const override;
    std::optional<Calendar> calendarWithIdentifier(const QString& identifier) const override;
    std::optional<Calendar> defaultCalendarForNewEvents() const override;
    std::vector<Event> events(const EventPredicate& predicate) const override;
    std::optional<Event> eventWithIdentifier(const QString& identifier) const override;
    std::vector<Reminder> incompleteReminders(const ReminderPredicate& predicate) const override;
    kit::Result<QString> saveEvent(const EventDraft& draft) override;
    kit::Result<QString> saveReminder(const ReminderDraft& draft) override;
    kit::Result<void> completeReminder(const QString& identifier) override;
    kit::Result<void> removeReminder(const QString& identifier) override;
    kit::Result<void> removeEvent(const Event& occurrence, RemovalScope scope) override;
    kit::Result<void> setReminderDue(const QString& identifier,
                                     const std::optional<DueDate>& due) override;
    kit::Result<void> setReminderPriority(const QString& identifier, int priority) override;
    kit::Result<ImportReport> importFile(const QString& path,
                                         const QString& calendarIdentifier) override;
    kit::Result<void> reply(const QString& eventIdentifier, std::optional<kit::Instant> occurrence,
                            ParticipantStatus status) override;
    void refreshSourcesIfNecessary() override;
    AuthorizationStatus authorizationStatus(EntityType kind) const override;
    void requestEventsAccess(std::function<void(bool)> done) override { done(true); }
    void requestRemindersAccess(std::function<void(bool)> done) override { done(true); }

private:
    struct Part {
        CalendarStore* store;
        QString backend;
        kit::Subscription changed;
    };
    CalendarStore* holding(const QString& calendarIdentifier) const;
    CalendarStore* holdingReminder(const QString& identifier) const;
    CalendarStore* first(EntityType kind) const;

    std::vector<Part> m_parts;
};

} // namespace ruvo::platform
