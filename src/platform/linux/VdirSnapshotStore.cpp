// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirSnapshotStore.h"

#include "kit/SystemTimeZones.h"
#include "platform/linux/VdirCollections.h"
#include "platform/linux/VdirLog.h"
#include "platform/linux/VdirSnapshotRefresh.h"

#include <QDateTime>
#include <QFile>
#include <QHash>
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
    auto start = findSourceFolders(m_options.defaultDirectory, m_options.configDirectory);
    if (!start)
        return kit::fail(start.error());
    m_infos = std::move(start).value().collections;
    m_lastRefresh.reset();
    if (m_options.cacheFile.isEmpty() || m_options.folderTrust.count() <= 0)
        return loadFull();
    const QString path = snapshotFileFor(m_options.cacheFile);
    auto old = VdirSnapshot::open(path);
    const auto reuse = old ? currentFolders(*old) : std::vector<std::optional<quint32>>{};
    if (old && isWhole(*old, reuse)) {
        m_snapshot = std::move(old);
        m_collections = emptyCollections();
        return {};
    }
    // A damaged old picture cannot be copied from: then every folder is read.
    m_lastRefresh = refreshSnapshot(path, m_infos, old.get(), reuse, m_options, m_zones);
    if (!m_lastRefresh && old)
        m_lastRefresh = refreshSnapshot(path, m_infos, nullptr, {}, m_options, m_zones);
    old.reset();
    if (m_lastRefresh)
        qCDebug(lcVdir, "Calendar snapshot written: %d folders copied, %d read",
                m_lastRefresh->copiedFolders, m_lastRefresh->readFolders);
    m_snapshot = m_lastRefresh ? VdirSnapshot::open(path) : nullptr;
    if (!m_snapshot || m_snapshot->folders().size() != m_infos.size()) {
        m_snapshot.reset();
        return loadFull();
    }
    m_collections = emptyCollections();
    return {};
}

kit::Result<void> VdirSnapshotStore::loadFull() {
    m_full = std::make_unique<VdirCalendarStore>(m_options);
    if (auto loaded = m_full->load(); !loaded)
        return loaded;
    m_fullChanged =
        m_full->storeChanged().connect([this] { emitStoreChanged(m_full->lastChange()); });
    return {};
}

void VdirSnapshotStore::setTimeZone(const QString& zoneId) {
    m_zones.setCurrentZone(zoneId);
    if (m_full)
        m_full->setTimeZone(zoneId);
}

// For each folder of the sources, its number in the picture when the picture still describes
// it: made with the same addresses, unchanged since the check the picture was made after, and
// that check within the trust period (a check "in the future" by more than a minute means the
// clock was set back).
std::vector<std::optional<quint32>> VdirSnapshotStore::currentFolders(const VdirSnapshot& s) const {
    const auto& folders = s.folders();
    QHash<QString, quint32> byPath;
    for (std::size_t i = 0; i < folders.size(); ++i)
        byPath.insert(folders[i].folder, quint32(i));
    const qint64 now = systemNowSeconds();
    std::vector<std::optional<quint32>> result(m_infos.size());
    for (std::size_t i = 0; i < m_infos.size(); ++i) {
        const auto found = byPath.constFind(m_infos[i].folder);
        if (found == byPath.constEnd())
            continue;
        const SnapshotFolder& f = folders[*found];
        if (f.fingerprint == m_infos[i].emails.join(QLatin1Char(',')) && f.verifiedAt != 0 &&
            now >= f.verifiedAt - 60 && now - f.verifiedAt < m_options.folderTrust.count() &&
            folderStamp(f.folder) == f.stamp)
            result[i] = *found;
    }
    return result;
}

// The picture answers as it stands: every folder current, in the sources' order, none else.
bool VdirSnapshotStore::isWhole(const VdirSnapshot& s,
                                const std::vector<std::optional<quint32>>& reuse) const {
    if (s.folders().size() != m_infos.size())
        return false;
    for (std::size_t i = 0; i < reuse.size(); ++i)
        if (reuse[i] != quint32(i))
            return false;
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
        // Named by position: the picture holds a folder's files in name order.
        c.files.set(QStringLiteral("%1").arg(index, 10, 10, QLatin1Char('0')),
                    FileEntry{{}, std::move(*parsed), false});
    }
    return true;
}

void VdirSnapshotStore::dropSnapshot() const {
    qCInfo(lcVdir, "Ignoring the calendar snapshot: a record in it cannot be read");
    m_snapshot.reset();
    QFile::remove(snapshotFileFor(m_options.cacheFile));
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
        dropSnapshot();
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
        dropSnapshot();
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
