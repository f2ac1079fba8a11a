// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar store over vdir folders: one folder per calendar or reminder list, one .ics
// file per item, `displayname` and `color` files beside them. Items are kept as compact
// records with an index on time; a SQLite cache spares re-parsing unchanged files at start.
// Changes on disk are seen through inotify and reported as one storeChanged per burst.
#pragma once

#include "kit/Scheduler.h"
#include "platform/CalendarStore.h"
#include "platform/linux/VdirCache.h"
#include "platform/linux/VdirImport.h"
#include "platform/linux/VdirIndex.h"
#include "platform/linux/VdirLoader.h"
#include "platform/linux/VdirWatcher.h"

#include <QElapsedTimer>
#include <chrono>
#include <memory>

namespace ruvo::platform::vdir {

struct VdirStoreOptions {
    QString configDirectory;           // holds the sources file
    QString defaultDirectory;          // the embedded default store; empty: defaultStoreDirectory()
    QString cacheFile;                 // empty: no persistent cache
    QString timeZoneId;                // the zone of floating and all-day items
    const kit::Clock* clock = nullptr; // for DTSTAMP and completion times
    kit::Scheduler* scheduler = nullptr; // with one, changes on disk are watched
    int threads = 2;
    // A folder whose stamp has not moved since its files were checked, within this period,
    // is loaded from the cache without looking at its files; zero: every file is checked.
    // A watching store checks such folders file by file soon after it loaded them.
    std::chrono::seconds folderTrust{0};
    // A command's store lives as long as its process: at the end its records are left to the
    // system, which takes the memory back at once, instead of being freed one by one. Builds
    // with AddressSanitizer free them, so that a real leak still shows.
    bool isLeftAtExit = false;
};

// The user's store as the program and the commands open it: the sources file under
// `configDirectory`, the default store and the cache in the XDG folders, unchanged folders
// trusted for an hour.
VdirStoreOptions userStoreOptions(const QString& configDirectory, const QString& timeZoneId,
                                  const kit::Clock& clock);

// The user's store, loaded once, for a command: no watching; answers from the snapshot
// when it matches (VdirSnapshotStore.h).
kit::Result<std::unique_ptr<CalendarStore>>
openUserStore(const QString& configDirectory, const QString& timeZoneId, const kit::Clock& clock);

class VdirCalendarStore final : public CalendarStore {
public:
    explicit VdirCalendarStore(VdirStoreOptions options);
    ~VdirCalendarStore() override;

    // Reads the sources and loads every collection. Fails only when the sources file or the
    // default store cannot be read or made; broken calendar files are skipped.
    kit::Result<void> load();
    const LoadStatistics& lastLoad() const { return m_lastLoad; }
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
    kit::Result<void> reply(const QString& eventIdentifier, std::optional<kit::Instant> occurrence,
                            ParticipantStatus status) override;
    void refreshSourcesIfNecessary() override;
    AuthorizationStatus authorizationStatus(EntityType) const override {
        return AuthorizationStatus::fullAccess;
    }
    void requestEventsAccess(std::function<void(bool)> done) override { done(true); }
    void requestRemindersAccess(std::function<void(bool)> done) override { done(true); }

    // Copies the items of an iCalendar file into the calendar `calendarIdentifier` (empty:
    // events to the default calendar, reminders to the first reminder list). An item the
    // calendar holds already is replaced only by a newer version; the report says which
    // items were skipped and why.
    kit::Result<ImportReport> importFile(const QString& path,
                                         const QString& calendarIdentifier) override;

    std::size_t eventRecordCount() const { return m_index.singleCount() + m_index.seriesCount(); }

private:
    void rebuildIndex();
    bool refresh(); // true when something changed
    void verifyTrustedFolders();
    void onDiskChange(DiskChanges changes);
    void applyPendingChanges();
    void rereadFiles(Collection& c, const std::vector<QString>& names, StoreChange& change);
    const Collection* collection(const QString& identifier) const;
    const Collection* firstCollection(EntityType kind) const;
    kit::Instant now() const;
    static kit::Result<void> refuseReadOnly(const Collection& c);
    static ImportTarget importTarget(const Collection& c);
    struct ItemFile {
        const Collection* collection;
        QString path;
        QString uid;
    };
    std::optional<ItemFile> reminderFile(const QString& identifier) const;
    std::optional<ItemFile> eventFile(const Event& event) const;
    // Runs `change` on the item's file unless its calendar is read-only, then reloads.
    kit::Result<void> edit(const std::optional<ItemFile>& item, const QString& what,
                           const std::function<kit::Result<void>(const ItemFile&)>& change);
    void afterWrite();
    void afterWriteOf(const Collection& written, const QString& name);
    void afterCreating(const Collection& c, const QString& uid);

    VdirStoreOptions m_options;
    ZoneTable m_zones;
    VdirCache m_cache;
    VdirLoader m_loader;
    std::vector<Collection> m_collections;
    VdirIndex m_index;
    LoadStatistics m_lastLoad;
    std::unique_ptr<VdirWatcher> m_watcher;
    DiskChanges m_pendingChanges;
    kit::Timer m_pendingRescan;
    kit::Timer m_pendingVerify; // of folders loaded on trust
};

} // namespace ruvo::platform::vdir
