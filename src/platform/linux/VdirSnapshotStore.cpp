// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirSnapshotStore.h"

#include "kit/SystemTimeZones.h"
#include "platform/linux/VdirCollections.h"
#include "platform/linux/VdirLog.h"

#include <QDateTime>
#include <ctime>

namespace ruvo::platform::vdir {

namespace {

qint64 systemNowSeconds() {
    return qint64(::time(nullptr));
}

} // namespace

kit::Result<std::unique_ptr<CalendarStore>>
openUserStore(const QString& configDirectory, const QString& timeZoneId, const kit::Clock& clock) {
    auto options = userStoreOptions(configDirectory, timeZoneId, clock);
    options.isLeftAtExit = true;
    auto store = std::make_unique<VdirSnapshotStore>(std::move(options));
    if (auto loaded = store->load(); !loaded)
        return kit::fail(loaded.error());
    return std::unique_ptr<CalendarStore>(std::move(store));
}

VdirSnapshotStore::VdirSnapshotStore(VdirStoreOptions options) : m_options(std::move(options)) {
    if (m_options.defaultDirectory.isEmpty())
        m_options.defaultDirectory = defaultStoreDirectory();
    m_zones.setCurrentZone(m_options.timeZoneId.isEmpty() ? kit::SystemTimeZones::currentZoneId()
                                                          : m_options.timeZoneId);
}

VdirSnapshotStore::~VdirSnapshotStore() = default;

kit::Result<void> VdirSnapshotStore::load() {
    if (auto made = ensureDefaultStore(m_options.defaultDirectory); !made)
        return made;
    auto sources = readSources(sourcesFilePath(m_options.configDirectory));
    if (!sources)
        return kit::fail(sources.error());
    m_infos = discoverCollections(m_options.defaultDirectory, *sources);
    const QString path =
        m_options.cacheFile.isEmpty() ? QString() : snapshotFileFor(m_options.cacheFile);
    auto snapshot = path.isEmpty() ? nullptr : VdirSnapshot::open(path);
    if (snapshot && matches(*snapshot)) {
        m_snapshot = std::move(snapshot);
        m_collections = emptyCollections();
        return {};
    }
    snapshot.reset();
    m_full = std::make_unique<VdirCalendarStore>(m_options);
    if (auto loaded = m_full->load(); !loaded)
        return loaded;
    if (!path.isEmpty())
        m_full->writeSnapshot(path);
    m_fullChanged =
        m_full->storeChanged().connect([this] { emitStoreChanged(m_full->lastChange()); });
    return {};
}

void VdirSnapshotStore::setTimeZone(const QString& zoneId) {
    m_zones.setCurrentZone(zoneId);
    if (m_full)
        m_full->setTimeZone(zoneId);
}

// The same folders, made with the same addresses, each unchanged since the check the snapshot
// was made after, and that check within the trust period (a check "in the future" by more
// than a minute means the clock was set back).
bool VdirSnapshotStore::matches(const VdirSnapshot& snapshot) const {
    const auto& folders = snapshot.folders();
    if (m_options.folderTrust.count() <= 0 || folders.size() != m_infos.size())
        return false;
    const qint64 now = systemNowSeconds();
    for (std::size_t i = 0; i < folders.size(); ++i) {
        const SnapshotFolder& f = folders[i];
        if (f.folder != m_infos[i].folder ||
            f.fingerprint != m_infos[i].emails.join(QLatin1Char(',')) || now < f.verifiedAt - 60 ||
            now - f.verifiedAt >= m_options.folderTrust.count() || folderStamp(f.folder) != f.stamp)
            return false;
    }
    return true;
}

std::vector<Collection> VdirSnapshotStore::emptyCollections() const {
    std::vector<Collection> result(m_infos.size());
    for (std::size_t i = 0; i < m_infos.size(); ++i) {
        result[i].info = m_infos[i];
        result[i].hasEvents = m_snapshot->folders()[i].hasEvents;
        result[i].hasReminders = m_snapshot->folders()[i].hasReminders;
    }
    return result;
}

bool VdirSnapshotStore::decodeInto(const std::vector<quint32>& files,
                                   std::vector<Collection>& into) const {
    for (quint32 index : files) {
        const auto file = m_snapshot->file(index);
        if (!file || file->folder >= into.size())
            return false;
        Collection& c = into[file->folder];
        auto parsed = decodeParsedFile(file->records, c.info.identifier, m_zones, m_pool);
        if (!parsed)
            return false;
        // Named by position: files were written in name order, so the order holds.
        c.files.set(QStringLiteral("%1").arg(index, 10, 10, QLatin1Char('0')),
                    FileEntry{{}, std::move(*parsed), false});
    }
    return true;
}

VdirCalendarStore& VdirSnapshotStore::full() const {
    if (!m_full) {
        if (m_snapshot)
            qCDebug(lcVdir, "Loading every calendar file: the snapshot does not answer this");
        m_snapshot.reset();
        m_full = std::make_unique<VdirCalendarStore>(m_options);
        if (auto loaded = m_full->load(); !loaded)
            qCWarning(lcVdir, "Cannot load calendars: %s", qUtf8Printable(loaded.error()));
        auto* self = const_cast<VdirSnapshotStore*>(this);
        m_fullChanged = m_full->storeChanged().connect(
            [self] { self->emitStoreChanged(self->m_full->lastChange()); });
    }
    return *m_full;
}

std::vector<Calendar> VdirSnapshotStore::calendars(EntityType kind) const {
    return m_snapshot ? calendarsOf(m_collections, kind) : full().calendars(kind);
}

std::optional<Calendar> VdirSnapshotStore::calendarWithIdentifier(const QString& id) const {
    return m_snapshot ? calendarWithIdentifierIn(m_collections, id)
                      : full().calendarWithIdentifier(id);
}

std::optional<Calendar> VdirSnapshotStore::defaultCalendarForNewEvents() const {
    return m_snapshot ? defaultCalendarIn(m_collections) : full().defaultCalendarForNewEvents();
}

std::vector<Event> VdirSnapshotStore::events(const EventPredicate& predicate) const {
    if (!m_snapshot)
        return full().events(predicate);
    std::vector<bool> allowed(m_collections.size(), predicate.calendarIdentifiers.empty());
    for (const auto& id : predicate.calendarIdentifiers)
        for (std::size_t i = 0; i < m_collections.size(); ++i)
            if (m_collections[i].info.identifier == id)
                allowed[i] = true;
    const auto files = m_snapshot->eventFiles(kit::msecsSinceEpoch(predicate.range.start) / 1000,
                                              kit::msecsSinceEpoch(predicate.range.end) / 1000 + 1);
    std::vector<Collection> decoded = emptyCollections();
    if (!decodeInto(files, decoded)) {
        qCInfo(lcVdir, "Ignoring the calendar snapshot: a record in it cannot be read");
        return full().events(predicate);
    }
    VdirIndex index;
    for (std::size_t i = 0; i < decoded.size(); ++i)
        for (const auto& [name, entry] : decoded[i].files)
            index.add(entry.parsed, VdirIndex::CalendarIndex(i), m_zones);
    index.finish();
    return index.events(predicate.range, allowed, m_zones);
}

std::vector<Reminder> VdirSnapshotStore::incompleteReminders(const ReminderPredicate& p) const {
    if (!m_snapshot)
        return full().incompleteReminders(p);
    std::vector<Collection> decoded = emptyCollections();
    if (!decodeInto(m_snapshot->reminderFiles(), decoded)) {
        qCInfo(lcVdir, "Ignoring the calendar snapshot: a record in it cannot be read");
        return full().incompleteReminders(p);
    }
    return incompleteRemindersIn(decoded, p, m_zones, now());
}

kit::Instant VdirSnapshotStore::now() const {
    if (m_options.clock)
        return m_options.clock->now();
    return kit::instantFromMSecs(QDateTime::currentMSecsSinceEpoch());
}

std::optional<Event> VdirSnapshotStore::eventWithIdentifier(const QString& identifier) const {
    return full().eventWithIdentifier(identifier);
}
kit::Result<QString> VdirSnapshotStore::saveEvent(const EventDraft& draft) {
    return full().saveEvent(draft);
}
kit::Result<QString> VdirSnapshotStore::saveReminder(const ReminderDraft& draft) {
    return full().saveReminder(draft);
}
kit::Result<void> VdirSnapshotStore::completeReminder(const QString& identifier) {
    return full().completeReminder(identifier);
}
kit::Result<void> VdirSnapshotStore::removeReminder(const QString& identifier) {
    return full().removeReminder(identifier);
}
kit::Result<void> VdirSnapshotStore::removeEvent(const Event& occurrence, RemovalScope scope) {
    return full().removeEvent(occurrence, scope);
}
kit::Result<void> VdirSnapshotStore::setReminderDue(const QString& identifier,
                                                    const std::optional<DueDate>& due) {
    return full().setReminderDue(identifier, due);
}
kit::Result<void> VdirSnapshotStore::setReminderPriority(const QString& identifier, int priority) {
    return full().setReminderPriority(identifier, priority);
}
kit::Result<void> VdirSnapshotStore::reply(const QString& eventIdentifier,
                                           std::optional<kit::Instant> occurrence,
                                           ParticipantStatus status) {
    return full().reply(eventIdentifier, occurrence, status);
}
kit::Result<ImportReport> VdirSnapshotStore::importFile(const QString& path,
                                                        const QString& calendarIdentifier) {
    return full().importFile(path, calendarIdentifier);
}
void VdirSnapshotStore::refreshSourcesIfNecessary() {
    full().refreshSourcesIfNecessary();
}

} // namespace ruvo::platform::vdir
