// SPDX-License-Identifier: GPL-3.0-or-later
// A calendar store in memory for tests: calendars, occurrences and reminders are set by the
// test; queries answer from them as the real store would (overlap, calendar list, order).
#pragma once

#include "platform/CalendarStore.h"

#include <QStringList>

namespace ruvo::platform {

class FakeCalendarStore final : public CalendarStore {
public:
    std::vector<Calendar> calendarList;
    std::vector<Event> eventList; // occurrences, already expanded
    std::vector<Reminder> reminderList;
    QString defaultCalendarIdentifier;
    AuthorizationStatus eventsStatus = AuthorizationStatus::fullAccess;
    AuthorizationStatus remindersStatus = AuthorizationStatus::fullAccess;
    bool grantAccess = true;
    int eventQueryCount = 0;
    int refreshCount = 0;
    QString zoneId = QStringLiteral("UTC"); // the zone of reminders' floating due dates

    // Adds an occurrence; `data` may be shared between occurrences of one series.
    Event& addEvent(std::shared_ptr<const EventData> data, kit::Instant start, kit::Instant end,
                    std::optional<kit::Instant> occurrenceDate = std::nullopt);
    void changeFromOutside(StoreChange change = StoreChange::everything()) {
        emitStoreChanged(std::move(change));
    }

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
    kit::Result<ImportReport> importFile(const QString&, const QString&) override {
        return kit::fail(QStringLiteral("The test store imports nothing."));
    }
    // Records the answer ("calendar/UID=2") and reports a change.
    kit::Result<void> reply(const QString& eventIdentifier, std::optional<kit::Instant>,
                            ParticipantStatus status) override {
        replies << eventIdentifier + QLatin1Char('=') + QString::number(int(status));
        emitStoreChanged();
        return {};
    }
    QStringList replies;
    void refreshSourcesIfNecessary() override { ++refreshCount; }
    AuthorizationStatus authorizationStatus(EntityType kind) const override;
    void requestEventsAccess(std::function<void(bool)> done) override;
    void requestRemindersAccess(std::function<void(bool)> done) override;

private:
    kit::Result<void> checkWritable(const QString& calendarIdentifier) const;
    Reminder* reminder(const QString& identifier);
    mutable int m_nextId = 1;
};

} // namespace ruvo::platform
