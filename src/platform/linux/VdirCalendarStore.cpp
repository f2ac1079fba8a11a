// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirCalendarStore.h"

#include "kit/SystemTimeZones.h"
#include "platform/linux/VdirCollections.h"
#include "platform/linux/VdirEditor.h"
#include "platform/linux/VdirLog.h"
#include "platform/linux/VdirRecurrence.h"
#include "platform/linux/VdirReply.h"
#include "platform/linux/VdirWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <chrono>
#include <malloc.h>

namespace ruvo::platform::vdir {

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kIsSanitized = true;
#elif defined(__has_feature)
constexpr bool kIsSanitized = __has_feature(address_sanitizer);
#else
constexpr bool kIsSanitized = false;
#endif

constexpr kit::Milliseconds kRescanDelay{200};
// A watching store that took folders on trust checks their files this long after: late
// enough not to slow the start, soon enough that an edit made while it was not running
// shows up at once.
constexpr kit::Milliseconds kVerifyDelay{10000};
constexpr std::chrono::hours kFolderTrust{1};
constexpr int kMaxNewNames = 8; // of a new item's file names looked for after writing it
// More changed files than this in one burst are found by a re-scan, which costs about as much.
constexpr std::size_t kMaxFilesReadAlone = 2000;

// What the calendar lists show of each calendar: a new name or colour is a change even when no
// event file moved.
QStringList shownCalendars(const std::vector<Collection>& collections) {
    QStringList shown;
    for (const Collection& c : collections)
        shown << c.info.identifier + QLatin1Char('\n') + c.info.title + QLatin1Char('\n') +
                     c.info.colour + QLatin1Char(c.info.isReadOnly ? 'r' : 'w');
    return shown;
}

} // namespace

VdirStoreOptions userStoreOptions(const QString& configDirectory, const QString& timeZoneId,
                                  const kit::Clock& clock) {
    VdirStoreOptions options;
    options.configDirectory = configDirectory;
    options.cacheFile = defaultCacheFile();
    options.timeZoneId = timeZoneId;
    options.clock = &clock;
    options.folderTrust = kFolderTrust;
    return options;
}

VdirCalendarStore::VdirCalendarStore(VdirStoreOptions options)
    : m_options(std::move(options)), m_cache(m_options.cacheFile),
      m_loader(m_zones, m_cache, m_options.threads),
      m_self(std::make_shared<VdirCalendarStore*>(this)) {
    m_loader.setFolderTrust(m_options.folderTrust);
    if (m_options.defaultDirectory.isEmpty())
        m_options.defaultDirectory = defaultStoreDirectory();
    m_zones.setCurrentZone(m_options.timeZoneId.isEmpty() ? kit::SystemTimeZones::currentZoneId()
                                                          : m_options.timeZoneId);
    if (m_options.scheduler)
        m_watcher = std::make_unique<VdirWatcher>(
            [this](DiskChanges changes) { onDiskChange(std::move(changes)); });
}

VdirCalendarStore::~VdirCalendarStore() {
    if (m_options.isLeftAtExit && !kIsSanitized) {
        new std::vector<Collection>(std::move(m_collections));
        new VdirIndex(std::move(m_index));
        m_loader.leaveStringsAtExit();
    }
}

kit::Result<void> VdirCalendarStore::load() {
    auto started = findSourceFolders(m_options.defaultDirectory, m_options.configDirectory);
    if (!started)
        return kit::fail(started.error());
    SourceFolders start = std::move(started).value();
    auto& found = start.collections;
    bool isSameSet = found.size() == m_collections.size();
    for (std::size_t i = 0; isSameSet && i < found.size(); ++i)
        isSameSet = found[i].folder == m_collections[i].info.folder &&
                    found[i].emails == m_collections[i].info.emails;
    std::vector<Collection> next;
    for (auto& info : found) {
        Collection c;
        auto old = std::find_if(m_collections.begin(), m_collections.end(),
                                [&](const Collection& o) { return o.info.folder == info.folder; });
        if (old != m_collections.end() && old->info.emails == info.emails) {
            c.files = std::move(old->files);
            c.isVerified = old->isVerified;
            c.isLoaded = old->isLoaded;
        }
        c.info = std::move(info);
        next.push_back(std::move(c));
    }
    m_collections = std::move(next);
    m_lastLoad = m_loader.refresh(m_collections);
    m_cache.releaseMemory(); // before the index takes its place
    // A look that found nothing new (a temporary file came and went) keeps the index.
    if (m_lastLoad.hasChanges() || !isSameSet)
        rebuildIndex();
    // What the listing, the parsing and the old index used lies between the records that
    // stay: handed back, it is no longer part of the running program's memory.
    if (m_watcher)
        malloc_trim(0);
    if (m_watcher) {
        QStringList folders{m_options.defaultDirectory};
        for (const auto& s : start.sources)
            folders << s.path;
        for (const auto& c : m_collections)
            folders << c.info.folder;
        m_watcher->watch(folders);
        if (m_lastLoad.trustedFolders > 0)
            m_pendingVerify =
                m_options.scheduler->after(kVerifyDelay, [this] { verifyTrustedFolders(); });
    }
    return {};
}

void VdirCalendarStore::setTimeZone(const QString& zoneId) {
    m_zones.setCurrentZone(zoneId);
}

void VdirCalendarStore::rebuildIndex() {
    std::size_t singles = 0, series = 0;
    for (const auto& c : m_collections)
        for (const auto& [name, entry] : c.files) {
            singles += entry.parsed.singles.size();
            series += entry.parsed.series.size();
        }
    m_index.clear();
    m_index.reserve(singles, series);
    // Each file's records lie apart on the heap: fetched a few files ahead, they are in the
    // cache when the index reads them.
    constexpr std::ptrdiff_t kAhead = 8;
    for (std::size_t i = 0; i < m_collections.size(); ++i) {
        const FileTable& files = m_collections[i].files;
        for (auto it = files.begin(); it != files.end(); ++it) {
            if (files.end() - it > kAhead) {
                const ParsedFile& later = (it + kAhead)->second.parsed;
                __builtin_prefetch(later.singles.data());
                __builtin_prefetch(later.series.data());
            }
            m_index.add(it->second.parsed, VdirIndex::CalendarIndex(i), m_zones);
        }
    }
    m_index.finish();
}

bool VdirCalendarStore::refresh() {
    m_verification.reset(); // this looks at every file itself
    const QStringList before = shownCalendars(m_collections);
    if (auto loaded = load(); !loaded) {
        qCWarning(lcVdir, "Cannot reload calendars: %s", qUtf8Printable(loaded.error()));
        return false;
    }
    return m_lastLoad.hasChanges() || before != shownCalendars(m_collections);
}

// Every folder's files are listed away from the main thread; back on it, only the files that
// differ from memory are read again, as the watcher's are. A change the watcher reported while
// the listing ran is current already (or about to be read) and is left out; a re-scan meanwhile
// looked at every file itself and drops the listing.
void VdirCalendarStore::verifyTrustedFolders() {
    QStringList folders;
    for (const auto& c : m_collections)
        folders << c.info.folder;
    const quint64 generation = ++m_verifications;
    m_verification = Verification{generation, {}};
    auto done = [weak = std::weak_ptr<VdirCalendarStore*>(m_self),
                 generation](FolderListings listings) {
        if (const auto self = weak.lock())
            (*self)->onFoldersListed(generation, std::move(listings));
    };
    auto work = [folders] { return listFolders(folders); };
    if (m_options.runListing)
        m_options.runListing(std::move(work), std::move(done));
    else
        done(work());
}

void VdirCalendarStore::onFoldersListed(quint64 generation, FolderListings listings) {
    if (!m_verification || m_verification->generation != generation)
        return;
    const Verification verification = std::move(*std::exchange(m_verification, std::nullopt));
    if (m_pendingChanges.isRescanNeeded)
        return; // the re-scan about to run looks at every file
    auto isCurrent = [&](const std::map<QString, std::set<QString>>& byFolder,
                         const QString& folder, const QString& name) {
        const auto found = byFolder.find(folder);
        return found != byFolder.end() && found->second.count(name) > 0;
    };
    std::vector<std::pair<Collection*, std::vector<QString>>> reads(listings.size());
    std::size_t count = 0;
    for (std::size_t i = 0; i < listings.size(); ++i) {
        const QString& folder = listings[i].folder;
        auto c = std::find_if(m_collections.begin(), m_collections.end(),
                              [&](const Collection& o) { return o.info.folder == folder; });
        if (c == m_collections.end())
            continue; // gone meanwhile
        std::vector<QString> names = changedFiles(c->files, listings[i].files);
        std::erase_if(names, [&](const QString& name) {
            return isCurrent(verification.readMeanwhile, folder, name) ||
                   isCurrent(m_pendingChanges.files, folder, name);
        });
        count += names.size();
        reads[i] = {&*c, std::move(names)};
    }
    if (count > kMaxFilesReadAlone)
        return checkEveryFolder();
    LoadStatistics stats;
    StoreChange change = StoreChange::nothing();
    for (std::size_t i = 0; i < listings.size(); ++i) {
        auto& [c, names] = reads[i];
        if (!c)
            continue;
        const bool isWritten = names.empty() || rereadFiles(*c, names, change, &stats);
        stats.kept += std::max(0, int(listings[i].files.size()) - int(names.size()));
        if (listings[i].stamp)
            m_loader.recordFolder(*c, *listings[i].stamp, qint64(listings[i].files.size()),
                                  isWritten);
        c->isVerified = true;
    }
    m_lastLoad = stats;
    if (!change.isEmpty())
        emitStoreChanged(std::move(change));
}

// The check of every file on the main thread, as at a start without trust: when more files
// changed than are worth reading one by one.
void VdirCalendarStore::checkEveryFolder() {
    m_loader.setFolderTrust(std::chrono::seconds{0});
    const bool hasChanged = refresh();
    m_loader.setFolderTrust(m_options.folderTrust);
    if (hasChanged)
        emitStoreChanged();
}

// The first change of a burst starts the wait and later ones join it: a sync tool that keeps
// writing cannot put the update off for good.
void VdirCalendarStore::onDiskChange(DiskChanges changes) {
    m_pendingChanges.merge(std::move(changes));
    if (!m_pendingRescan.isActive())
        m_pendingRescan =
            m_options.scheduler->after(kRescanDelay, [this] { applyPendingChanges(); });
}

// Changed files are read again one by one and the index updated in place, so that a sync run
// costs the main thread what it changed, not what the calendars hold; anything more is a
// re-scan of every folder.
void VdirCalendarStore::applyPendingChanges() {
    const DiskChanges changes = std::exchange(m_pendingChanges, {});
    bool isRescanNeeded = changes.isRescanNeeded || changes.fileCount() > kMaxFilesReadAlone;
    std::vector<std::pair<Collection*, std::vector<QString>>> reads;
    for (const auto& [changedFolder, names] : changes.files) {
        const QString& folder = changedFolder; // clang 14 cannot capture a structured binding
        auto c = std::find_if(m_collections.begin(), m_collections.end(),
                              [&](const Collection& o) { return o.info.folder == folder; });
        isRescanNeeded |= c == m_collections.end(); // a new calendar's first file
        if (c != m_collections.end())
            reads.emplace_back(&*c, std::vector<QString>(names.begin(), names.end()));
    }
    if (isRescanNeeded) {
        if (refresh())
            emitStoreChanged();
        return;
    }
    StoreChange change = StoreChange::nothing();
    for (auto& [c, names] : reads)
        rereadFiles(*c, names, change);
    emitStoreChanged(std::move(change));
}

// `change` gains the spans of the files' events before and after. False when the cache could
// not take them.
bool VdirCalendarStore::rereadFiles(Collection& c, const std::vector<QString>& names,
                                    StoreChange& change, LoadStatistics* statistics) {
    if (m_verification)
        m_verification->readMeanwhile[c.info.folder].insert(names.begin(), names.end());
    const auto calendar = VdirIndex::CalendarIndex(&c - m_collections.data());
    std::vector<const ParsedFile*> files;
    for (const QString& name : names)
        if (auto known = c.files.find(name); known != c.files.end())
            files.push_back(&known->second.parsed);
    for (const ParsedFile* f : files)
        VdirIndex::addSpans(*f, m_zones, change);
    m_index.remove(files, m_zones);
    const bool isWritten = m_loader.refreshFiles(c, names, statistics);
    files.clear();
    for (const QString& name : names)
        if (auto now = c.files.find(name); now != c.files.end())
            files.push_back(&now->second.parsed);
    for (const ParsedFile* f : files)
        VdirIndex::addSpans(*f, m_zones, change);
    m_index.insert(files, calendar, m_zones);
    return isWritten;
}

void VdirCalendarStore::refreshSourcesIfNecessary() {
    if (refresh())
        emitStoreChanged();
}

void VdirCalendarStore::afterWrite() {
    m_pendingRescan.cancel(); // the re-scan below sees whatever was pending
    m_pendingChanges = {};
    refreshSourcesIfNecessary();
}

// Only the written file is read again and the index changed in place: an edit shows at once
// however many files the calendars hold. Other changes on disk are the watcher's to find.
void VdirCalendarStore::afterWriteOf(const Collection& written, const QString& name) {
    const auto calendar = std::size_t(&written - m_collections.data());
    StoreChange change = StoreChange::nothing();
    rereadFiles(m_collections[calendar], {name}, change);
    emitStoreChanged(std::move(change));
}

// The file a new item went to: the first of its names that this store did not hold yet.
void VdirCalendarStore::afterCreating(const Collection& c, const QString& uid) {
    for (int attempt = 0; attempt < kMaxNewNames; ++attempt) {
        const QString name = itemFileName(uid, attempt);
        if (c.files.find(name) == c.files.end() &&
            QFile::exists(c.info.folder + QLatin1Char('/') + name))
            return afterWriteOf(c, name);
    }
    afterWrite();
}

std::vector<Calendar> VdirCalendarStore::calendars(EntityType kind) const {
    return calendarsOf(m_collections, kind);
}

const Collection* VdirCalendarStore::collection(const QString& identifier) const {
    return collectionWithIdentifier(m_collections, identifier);
}

const Collection* VdirCalendarStore::firstCollection(EntityType kind) const {
    return firstCollectionOf(m_collections, kind);
}

std::optional<Calendar> VdirCalendarStore::calendarWithIdentifier(const QString& id) const {
    return calendarWithIdentifierIn(m_collections, id);
}

std::optional<Calendar> VdirCalendarStore::defaultCalendarForNewEvents() const {
    return defaultCalendarIn(m_collections);
}

std::vector<Event> VdirCalendarStore::events(const EventPredicate& predicate) const {
    std::vector<bool> allowed(m_collections.size(), predicate.calendarIdentifiers.empty());
    for (const auto& id : predicate.calendarIdentifiers)
        for (std::size_t i = 0; i < m_collections.size(); ++i)
            if (m_collections[i].info.identifier == id)
                allowed[i] = true;
    return m_index.events(predicate.range, allowed, m_zones);
}

std::optional<Event> VdirCalendarStore::eventWithIdentifier(const QString& identifier) const {
    auto first = [this](const std::shared_ptr<EventData>& data, const EventTimes& t) {
        const kit::Instant start = kit::instantFromMSecs(m_zones.toUtc(t.zone, t.start) * 1000);
        return Event(data, start, start + kit::Seconds(t.duration), start);
    };
    for (const auto& c : m_collections) {
        if (!identifier.startsWith(c.info.identifier + QLatin1Char('/')))
            continue;
        const QStringView uid = QStringView(identifier).mid(c.info.identifier.size() + 1);
        for (const auto& [name, entry] : c.files) {
            for (const auto& s : entry.parsed.series)
                if (s.data->calendarItemExternalIdentifier == uid)
                    return first(s.data, s.times);
            for (const auto& s : entry.parsed.singles)
                if (s.data->calendarItemExternalIdentifier == uid && !s.recurrenceId)
                    return first(s.data, s.times);
        }
    }
    return std::nullopt;
}

std::vector<Reminder> VdirCalendarStore::incompleteReminders(const ReminderPredicate& p) const {
    return incompleteRemindersIn(m_collections, p, m_zones, now());
}

kit::Instant VdirCalendarStore::now() const {
    if (m_options.clock)
        return m_options.clock->now();
    return kit::instantFromMSecs(QDateTime::currentMSecsSinceEpoch());
}

kit::Result<void> VdirCalendarStore::refuseReadOnly(const Collection& c) {
    if (!c.info.isReadOnly)
        return {};
    return kit::fail(
        QCoreApplication::translate("VdirCalendarStore", "The calendar “%1” is read-only.")
            .arg(c.info.title));
}

kit::Result<QString> VdirCalendarStore::saveEvent(const EventDraft& draft) {
    const Collection* c = draft.calendarIdentifier.isEmpty() ? firstCollection(EntityType::event)
                                                             : collection(draft.calendarIdentifier);
    if (!c)
        return kit::fail(QStringLiteral("No calendar %1.").arg(draft.calendarIdentifier));
    if (auto refused = refuseReadOnly(*c); !refused)
        return kit::fail(refused.error());
    auto uid = writeNewEvent(c->info.folder, draft, m_zones.zoneId(m_zones.currentZone()), now());
    if (!uid)
        return uid;
    const QString identifier = c->info.identifier + QLatin1Char('/') + *uid;
    afterCreating(*c, *uid);
    return identifier;
}

kit::Result<QString> VdirCalendarStore::saveReminder(const ReminderDraft& draft) {
    const Collection* c = draft.calendarIdentifier.isEmpty() ? firstCollection(EntityType::reminder)
                                                             : collection(draft.calendarIdentifier);
    if (!c)
        return kit::fail(QStringLiteral("No reminder list %1.").arg(draft.calendarIdentifier));
    if (auto refused = refuseReadOnly(*c); !refused)
        return kit::fail(refused.error());
    auto uid = writeNewReminder(c->info.folder, draft, now());
    if (!uid)
        return uid;
    const QString identifier = c->info.identifier + QLatin1Char('/') + *uid;
    afterCreating(*c, *uid);
    return identifier;
}

std::optional<VdirCalendarStore::ItemFile>
VdirCalendarStore::reminderFile(const QString& identifier) const {
    for (const auto& c : m_collections)
        for (const auto& [name, entry] : c.files)
            for (const auto& r : entry.parsed.reminders)
                if (r.identifier == identifier)
                    return ItemFile{&c, c.info.folder + QLatin1Char('/') + name, r.uid};
    return std::nullopt;
}

std::optional<VdirCalendarStore::ItemFile> VdirCalendarStore::eventFile(const Event& e) const {
    const Collection* c = collection(e.calendarIdentifier());
    if (!c)
        return std::nullopt;
    const QString& uid = e.calendarItemExternalIdentifier();
    auto holds = [&](const ParsedFile& f) {
        return std::any_of(f.series.begin(), f.series.end(),
                           [&](const SeriesRecord& s) {
                               return s.data->calendarItemExternalIdentifier == uid;
                           }) ||
               std::any_of(f.singles.begin(), f.singles.end(), [&](const SingleRecord& s) {
                   return s.data->calendarItemExternalIdentifier == uid;
               });
    };
    for (const auto& [name, entry] : c->files)
        if (holds(entry.parsed))
            return ItemFile{c, c->info.folder + QLatin1Char('/') + name, uid};
    return std::nullopt;
}

kit::Result<void>
VdirCalendarStore::edit(const std::optional<ItemFile>& item, const QString& what,
                        const std::function<kit::Result<void>(const ItemFile&)>& change) {
    if (!item)
        return kit::fail(
            what == QLatin1String("event")
                ? QCoreApplication::translate("VdirCalendarStore",
                                              "No event found; it may have been removed meanwhile.")
                : QCoreApplication::translate(
                      "VdirCalendarStore",
                      "No reminder found; it may have been removed meanwhile."));
    if (auto refused = refuseReadOnly(*item->collection); !refused)
        return refused;
    auto done = change(*item);
    if (done)
        afterWriteOf(*item->collection, item->path.mid(item->collection->info.folder.size() + 1));
    else
        qCWarning(lcVdir, "Cannot change %s: %s", qUtf8Printable(item->path),
                  qUtf8Printable(done.error()));
    return done;
}

kit::Result<void> VdirCalendarStore::completeReminder(const QString& identifier) {
    return edit(reminderFile(identifier), QStringLiteral("reminder"),
                [this](const ItemFile& f) { return completeTodo(f.path, f.uid, now()); });
}

kit::Result<void> VdirCalendarStore::removeReminder(const QString& identifier) {
    return edit(reminderFile(identifier), QStringLiteral("reminder"),
                [](const ItemFile& f) { return removeTodo(f.path, f.uid); });
}

kit::Result<void> VdirCalendarStore::setReminderDue(const QString& identifier,
                                                    const std::optional<DueDate>& due) {
    return edit(reminderFile(identifier), QStringLiteral("reminder"),
                [&](const ItemFile& f) { return setTodoDue(f.path, f.uid, due, now()); });
}

kit::Result<void> VdirCalendarStore::setReminderPriority(const QString& identifier, int priority) {
    return edit(reminderFile(identifier), QStringLiteral("reminder"),
                [&](const ItemFile& f) { return setTodoPriority(f.path, f.uid, priority, now()); });
}

kit::Result<void> VdirCalendarStore::removeEvent(const Event& occurrence, RemovalScope scope) {
    return edit(eventFile(occurrence), QStringLiteral("event"), [&](const ItemFile& f) {
        if (scope == RemovalScope::wholeSeries)
            return removeEventSeries(f.path, f.uid);
        return removeEventOccurrence(f.path, f.uid, occurrence.occurrenceDate(), m_zones, now());
    });
}

kit::Result<void> VdirCalendarStore::reply(const QString& eventIdentifier,
                                           std::optional<kit::Instant> occurrence,
                                           ParticipantStatus status) {
    const auto event = eventWithIdentifier(eventIdentifier);
    return edit(event ? eventFile(*event) : std::nullopt, QStringLiteral("event"),
                [&](const ItemFile& f) -> kit::Result<void> {
                    if (f.collection->info.emails.isEmpty())
                        return kit::fail(QCoreApplication::translate(
                                             "VdirCalendarStore",
                                             "The calendar “%1” knows no address of yours; add it "
                                             "again with ruvo calendars add --email ADDRESS.")
                                             .arg(f.collection->info.title));
                    return replyToEvent(f.path, f.uid, occurrence, f.collection->info.emails,
                                        status, m_zones, now());
                });
}

ImportTarget VdirCalendarStore::importTarget(const Collection& c) {
    ImportTarget target{c.info.folder, c.info.title, c.info.isReadOnly, {}};
    for (const auto& [name, entry] : c.files) {
        for (const auto& s : entry.parsed.series)
            target.fileByUid.emplace(s.data->calendarItemExternalIdentifier, name);
        for (const auto& s : entry.parsed.singles)
            target.fileByUid.emplace(s.data->calendarItemExternalIdentifier, name);
        for (const auto& r : entry.parsed.reminders)
            target.fileByUid.emplace(r.uid, name);
    }
    return target;
}

kit::Result<ImportReport> VdirCalendarStore::importFile(const QString& path,
                                                        const QString& calendarIdentifier) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return kit::fail(QStringLiteral("Cannot read %1: %2").arg(path, f.errorString()));
    const Collection* events = calendarIdentifier.isEmpty() ? firstCollection(EntityType::event)
                                                            : collection(calendarIdentifier);
    const Collection* reminders =
        calendarIdentifier.isEmpty() ? firstCollection(EntityType::reminder) : events;
    if (!events || !reminders)
        return kit::fail(QStringLiteral("No calendar %1.").arg(calendarIdentifier));
    ImportTarget eventTarget = importTarget(*events);
    std::optional<ImportTarget> reminderTarget;
    if (reminders != events)
        reminderTarget = importTarget(*reminders);
    auto report = importCalendar(f.readAll(), eventTarget,
                                 reminderTarget ? *reminderTarget : eventTarget, now());
    if (report && report->events + report->reminders > 0)
        afterWrite();
    return report;
}

} // namespace ruvo::platform::vdir
