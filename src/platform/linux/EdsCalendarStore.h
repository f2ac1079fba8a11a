// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar store over Evolution Data Server: every enabled calendar and task list of the
// source registry (GNOME Online Accounts puts Google, Microsoft 365, Nextcloud and CalDAV
// accounts there), identified by their source UIDs. Nothing here blocks: the registry and each
// source connect asynchronously, and calendars appear as they connect. Objects are read into the
// vdir store's records and expanded by its index, which is what the rest of the program already
// trusts for every recurrence rule and zone; edits go through the source's client.
#pragma once

#include "kit/Clock.h"
#include "platform/CalendarStore.h"
#include "platform/linux/EdsCalendar.h"
#include "platform/linux/VdirIndex.h"

#include <QTimer>
#include <memory>

namespace ruvo::platform::eds {

struct EdsStoreOptions {
    QString timeZoneId;                // the zone of floating and all-day items
    const kit::Clock* clock = nullptr; // for DTSTAMP and completion times
};

class EdsCalendarStore final : public CalendarStore {
public:
    explicit EdsCalendarStore(EdsStoreOptions options);
    ~EdsCalendarStore() override;

    // Asks for the registry on the session bus; answers at once.
    void start();
    // The registry answered and every source has connected and loaded (and its objects are in
    // the index), or failed.
    bool isSettled() const;
    // The registry answered.
    bool isAvailable() const { return m_isAvailable; }
    // Emitted when isSettled() becomes true.
    kit::Signal<>& settled() { return m_settled; }
    void setTimeZone(const QString& zoneId);

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
    AuthorizationStatus authorizationStatus(EntityType) const override {
        return AuthorizationStatus::fullAccess;
    }
    void requestEventsAccess(std::function<void(bool)> done) override { done(true); }
    void requestRemindersAccess(std::function<void(bool)> done) override { done(true); }

    // Called from the registry's callbacks.
    void onRegistry(void* registry);
    void onRegistryFailed(const QString& message);
    void onSourceAdded(void* source);
    void onSourceRemoved(void* source);
    void onSourceChanged(void* source);

private:
    void addSource(void* source, EntityType kind);
    void onCalendarChanged();
    bool haveAllSourcesAnswered() const;
    void applyChanges();
    EdsCalendar* find(const QString& identifier) const;
    EdsCalendar* firstWritable(EntityType kind, const QString& preferred) const;
    struct ReminderRef {
        EdsCalendar* calendar;
        QString uid;
    };
    std::optional<ReminderRef> reminder(const QString& identifier) const;
    kit::Result<void> editReminder(const QString& identifier,
                                   const std::function<QByteArray(const QByteArray&)>& change);
    kit::Instant now() const;
    QString zoneId() const;

    EdsStoreOptions m_options;
    struct Handles;
    std::unique_ptr<Handles> m_g;
    vdir::ZoneTable m_zones;
    std::vector<std::unique_ptr<EdsCalendar>> m_calendars;
    vdir::VdirIndex m_index;
    QTimer m_pendingChange;
    kit::Signal<> m_settled;
    bool m_isAvailable = false;
    bool m_hasFailed = false;
    bool m_wasSettled = false;
};

} // namespace ruvo::platform::eds
