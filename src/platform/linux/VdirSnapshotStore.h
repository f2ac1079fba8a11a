// SPDX-License-Identifier: GPL-3.0-or-later
// The store a command opens: it answers events, reminders and calendars from the snapshot
// (VdirSnapshot.h) when every folder still has the stamp the snapshot was made from and was
// checked within the trust period, decoding only the files a query needs. A snapshot that no
// longer matches is brought up to date first, reading only the folders that changed
// (VdirSnapshotRefresh.h). Anything else (an edit, a lookup by identifier, a snapshot that
// cannot be written or turns out damaged) loads the whole store as before.
#pragma once

#include "kit/Signal.h"
#include "platform/linux/VdirCalendarStore.h"
#include "platform/linux/VdirSnapshot.h"
#include "platform/linux/VdirSnapshotRefresh.h"

namespace ruvo::platform::vdir {

class VdirSnapshotStore final : public CalendarStore {
public:
    explicit VdirSnapshotStore(VdirStoreOptions options);
    ~VdirSnapshotStore() override;

    kit::Result<void> load();
    void setTimeZone(const QString& zoneId);
    bool isFromSnapshot() const { return m_snapshot != nullptr; }
    // What the last load did to bring the snapshot up to date; nullopt when it was current or
    // could not be written.
    const std::optional<SnapshotRefresh>& lastRefresh() const { return m_lastRefresh; }

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
    kit::Result<void> reply(const QString& eventIdentifier, std::optional<kit::Instant> occurrence,
                            ParticipantStatus status) override;
    kit::Result<ImportReport> importFile(const QString& path,
                                         const QString& calendarIdentifier) override;
    void refreshSourcesIfNecessary() override;
    AuthorizationStatus authorizationStatus(EntityType) const override {
        return AuthorizationStatus::fullAccess;
    }
    void requestEventsAccess(std::function<void(bool)> done) override { done(true); }
    void requestRemindersAccess(std::function<void(bool)> done) override { done(true); }

private:
    kit::Result<void> loadFull();
    std::vector<std::optional<quint32>> currentFolders(const VdirSnapshot& snapshot) const;
    bool isWhole(const VdirSnapshot& snapshot,
                 const std::vector<std::optional<quint32>>& reuse) const;
    void dropSnapshot() const; // a record in it cannot be read: the next command writes anew
    // The files' records decoded into their collections; false when one cannot be.
    bool decodeInto(const std::vector<quint32>& files, std::vector<Collection>& into) const;
    std::vector<Collection> emptyCollections() const;
    VdirCalendarStore& full() const; // loads it on first use, leaving the snapshot
    kit::Instant now() const;

    VdirStoreOptions m_options;
    std::vector<CollectionInfo> m_infos;
    std::vector<Collection> m_collections; // without files: kinds only
    mutable std::unique_ptr<VdirSnapshot> m_snapshot;
    std::optional<SnapshotRefresh> m_lastRefresh;
    mutable ZoneTable m_zones;
    mutable StringPool m_pool;
    mutable std::unique_ptr<VdirCalendarStore> m_full;
    mutable kit::Subscription m_fullChanged;
};

} // namespace ruvo::platform::vdir
