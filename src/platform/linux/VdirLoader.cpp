// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirLoader.h"

#include "platform/linux/VdirFolderCheck.h"
#include "platform/linux/VdirLog.h"
#include "platform/linux/VdirParser.h"

#include <QFile>
#include <atomic>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <libical/ical.h>
#include <sys/stat.h>
#include <thread>

namespace ruvo::platform::vdir {

namespace {

constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;
constexpr std::size_t kCacheBatch = 2000;

} // namespace

void forEachFolderFile(const QString& folder,
                       const std::function<void(const char* name, const FileStamp&)>& visit) {
    const QByteArray path = QFile::encodeName(folder);
    DIR* dir = ::opendir(path.constData());
    if (!dir)
        return;
    const int fd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const std::size_t length = std::strlen(entry->d_name);
        if (length < 5 || std::strcmp(entry->d_name + length - 4, ".ics") != 0 ||
            entry->d_name[0] == '.')
            continue;
        struct stat st {};
        if (::fstatat(fd, entry->d_name, &st, 0) != 0 || !S_ISREG(st.st_mode))
            continue;
        visit(entry->d_name, FileStamp{qint64(st.st_size),
                                       qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                                       quint64(st.st_ino)});
    }
    ::closedir(dir);
}

Listing listFolder(const QString& folder) {
    Listing result;
    forEachFolderFile(folder, [&](const char* name, const FileStamp& stamp) {
        result.emplace_back(QFile::decodeName(name), stamp);
    });
    std::sort(result.begin(), result.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    return result;
}

namespace {

QStringView toView(const std::pair<QString, FileStamp>& entry) {
    return entry.first;
}
QStringView toView(QStringView name) {
    return name;
}

QString fingerprintOf(const CollectionInfo& info) {
    return info.emails.join(QLatin1Char(','));
}

qint64 systemNowNs() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

} // namespace

struct VdirLoader::Job {
    Collection* collection;
    QString name;
    FileStamp stamp;
    std::optional<kit::Result<ParsedFile>> result;
};

LoadStatistics VdirLoader::refresh(std::vector<Collection>& collections) {
    LoadStatistics stats;
    std::vector<Job> jobs;
    m_cacheWrites.clear();
    m_cacheRemovals.clear();
    for (auto& c : collections)
        refreshCollection(c, jobs, stats);
    // Parsed in batches and interned batch by batch: fifty thousand parsed files with their
    // own copies of every string would hold far more memory than the interned records.
    for (std::size_t first = 0; first < jobs.size(); first += kParseBatch) {
        const std::span<Job> batch(jobs.data() + first, std::min(kParseBatch, jobs.size() - first));
        runJobs(batch);
        applyJobs(batch, stats);
        for (Job& job : batch)
            job.result.reset();
    }
    recordFolders(collections);
    for (auto& c : collections)
        updateKinds(c);
    return stats;
}

namespace {

bool hasEvents(const ParsedFile& f) {
    return !f.singles.empty() || !f.series.empty();
}
bool hasReminders(const ParsedFile& f) {
    return !f.reminders.empty();
}

struct Kinds {
    bool events = false;
    bool reminders = false;
};

Kinds kindsOf(const Collection& c, const std::vector<QString>& names) {
    Kinds kinds;
    for (const QString& name : names)
        if (auto f = c.files.find(name); f != c.files.end()) {
            kinds.events |= hasEvents(f->second.parsed);
            kinds.reminders |= hasReminders(f->second.parsed);
        }
    return kinds;
}

// The kinds a collection holds after some of its files were read again: a kind the files
// bring is added; one they took away is looked for in the other files, stopping at the first.
// A sync run over a large calendar thus costs what it changed, not a walk over every file.
void updateKindsAfter(Collection& c, Kinds before, const std::vector<QString>& names) {
    const Kinds after = kindsOf(c, names);
    auto anyFile = [&c](bool (*has)(const ParsedFile&)) {
        return std::any_of(c.files.begin(), c.files.end(),
                           [has](const auto& entry) { return has(entry.second.parsed); });
    };
    c.hasEvents = after.events || (c.hasEvents && (!before.events || anyFile(&hasEvents)));
    c.hasReminders =
        after.reminders || (c.hasReminders && (!before.reminders || anyFile(&hasReminders)));
}

} // namespace

bool VdirLoader::refreshFiles(Collection& c, const std::vector<QString>& names,
                              LoadStatistics* statistics) {
    const Kinds before = kindsOf(c, names);
    std::vector<Job> jobs;
    std::vector<QString> removed;
    for (const QString& name : names) {
        const QString path = c.info.folder + QLatin1Char('/') + name;
        const std::optional<FileStamp> stamp = kit::fileStamp(path);
        if (stamp) {
            jobs.push_back(Job{&c, name, *stamp, std::nullopt});
            continue;
        }
        if (auto gone = c.files.find(name); gone != c.files.end())
            c.files.erase(gone);
        removed.push_back(path);
    }
    m_cacheWrites.clear();
    LoadStatistics stats;
    runJobs(jobs);
    applyJobs(jobs, stats);
    const bool isWritten = m_cache.update(c.info.folder, m_cacheWrites[c.info.folder], removed);
    m_cacheWrites.clear();
    updateKindsAfter(c, before, names);
    if (statistics) {
        stats.removed = int(removed.size());
        statistics->parsed += stats.parsed;
        statistics->broken += stats.broken;
        statistics->removed += stats.removed;
    }
    return isWritten;
}

void VdirLoader::recordFolder(const Collection& c, const FolderStamp& stamp, qint64 files,
                              bool isWritten) {
    const qint64 now = systemNowNs();
    if (!isWritten)
        m_cache.forgetFolder(c.info.folder);
    else if (stamp.stamp.mtimeNs < now - kStampSettleNs)
        m_cache.setFolder(c.info.folder, {stamp, fingerprintOf(c.info), files, now / 1000000000});
}

void VdirLoader::updateKinds(Collection& c) {
    c.hasEvents = c.hasReminders = false;
    for (const auto& [name, entry] : c.files) {
        c.hasEvents |= !entry.parsed.singles.empty() || !entry.parsed.series.empty();
        c.hasReminders |= !entry.parsed.reminders.empty();
    }
}

// Writes what this refresh parsed and the stamps of the folders it checked file by file; a
// folder whose files could not all be written keeps no stamp, so it is checked again.
void VdirLoader::recordFolders(const std::vector<Collection>& collections) {
    const qint64 now = systemNowNs();
    for (const auto& c : collections) {
        const QString& folder = c.info.folder;
        const bool isWritten =
            m_cache.update(folder, m_cacheWrites[folder], m_cacheRemovals[folder]);
        const auto checked = m_checkedFolders.find(folder);
        if (checked == m_checkedFolders.end())
            continue;
        if (!isWritten)
            m_cache.forgetFolder(folder);
        else if (checked->second.stamp.stamp.mtimeNs < now - kStampSettleNs)
            m_cache.setFolder(folder, {checked->second.stamp, checked->second.fingerprint,
                                       checked->second.files, now / 1000000000});
    }
    m_checkedFolders.clear();
}

// The row describes the folder as it stands, checked recently enough (a check "in the future"
// by more than a minute means the clock was set back: not trusted either).
bool VdirLoader::isTrusted(const CachedFolder& row, const FolderStamp& stamp,
                           const QString& fingerprint) const {
    const qint64 now = systemNowNs() / 1000000000;
    return row.stamp == stamp && row.fingerprint == fingerprint && now >= row.verifiedAt - 60 &&
           now - row.verifiedAt < m_folderTrust.count();
}

// The folder's rows as the cache holds them, when its stamp is the one recorded after its
// last check file by file. A row that cannot be decoded is parsed from its file; a count of
// rows other than the recorded one means the rows are not what was checked.
bool VdirLoader::loadTrusted(Collection& c, const FolderStamp& stamp, std::vector<Job>& jobs,
                             LoadStatistics& stats) {
    if (m_folderTrust.count() <= 0)
        return false;
    const auto row = m_cache.folder(c.info.folder);
    const QString fingerprint = fingerprintOf(c.info);
    if (!row || !isTrusted(*row, stamp, fingerprint))
        return false;
    const std::size_t firstJob = jobs.size();
    LoadStatistics found;
    qint64 rows = 0;
    c.files.reserve(std::size_t(std::clamp<qint64>(row->files, 0, 1'000'000)));
    m_cache.forEachRow(c.info.folder, [&](QStringView name, const CachedFile& file) {
        if (name.contains(QLatin1Char('/')))
            return; // a collection inside this one
        ++rows;
        const bool isCurrent = file.fingerprint == fingerprint;
        if (isCurrent && file.records.isEmpty()) {
            c.files.set(name.toString(), FileEntry{file.stamp, {}, true});
            ++found.broken;
        } else if (auto parsed = isCurrent ? decodeParsedFile(file.records, c.info.identifier,
                                                              m_zones, m_pool)
                                           : std::nullopt) {
            c.files.set(name.toString(), FileEntry{file.stamp, std::move(*parsed), false});
            ++found.fromCache;
        } else {
            jobs.push_back(Job{&c, name.toString(), file.stamp, std::nullopt});
        }
    });
    if (rows != row->files) {
        c.files = {};
        jobs.erase(jobs.begin() + std::ptrdiff_t(firstJob), jobs.end());
        return false;
    }
    stats.fromCache += found.fromCache;
    stats.broken += found.broken;
    ++stats.trustedFolders;
    return true;
}

void VdirLoader::refreshCollection(Collection& c, std::vector<Job>& jobs, LoadStatistics& stats) {
    const std::optional<FolderStamp> stamp = folderStamp(c.info.folder);
    const bool isFirstLoad = !std::exchange(c.isLoaded, true);
    if (isFirstLoad && c.files.isEmpty() && stamp && loadTrusted(c, *stamp, jobs, stats))
        return;
    const Listing listing = listFolder(c.info.folder);
    c.isVerified = true;
    if (stamp)
        m_checkedFolders[c.info.folder] =
            CachedFolder{*stamp, fingerprintOf(c.info), qint64(listing.size()), 0};
    const QString prefix = c.info.folder + QLatin1Char('/');
    auto& removals = m_cacheRemovals[c.info.folder];
    auto isListed = [&](const QString& name) {
        auto it =
            std::lower_bound(listing.begin(), listing.end(), name,
                             [](const auto& entry, const QString& n) { return entry.first < n; });
        return it != listing.end() && it->first == name;
    };
    for (auto it = c.files.begin(); it != c.files.end();) {
        if (isListed(it->first)) {
            ++it;
            continue;
        }
        removals.push_back(prefix + it->first);
        it = c.files.erase(it);
        ++stats.removed;
    }
    std::vector<std::size_t> stale; // listed files whose records in memory are out of date
    for (std::size_t i = 0; i < listing.size(); ++i) {
        auto current = c.files.find(listing[i].first);
        if (current != c.files.end() && current->second.stamp == listing[i].second)
            ++stats.kept;
        else
            stale.push_back(i);
    }
    if (stale.empty())
        return;
    decodeFromCache(c, listing, stale, jobs, stats);
}

// Rows come sorted by path and the stale files sorted by name: one merge walk pairs them.
void VdirLoader::decodeFromCache(Collection& c, const Listing& listing,
                                 const std::vector<std::size_t>& stale, std::vector<Job>& jobs,
                                 LoadStatistics& stats) {
    const QString prefix = c.info.folder + QLatin1Char('/');
    const QString fingerprint = fingerprintOf(c.info);
    auto& removals = m_cacheRemovals[c.info.folder];
    std::vector<char> decoded(stale.size(), 0);
    std::size_t next = 0; // first stale file not yet passed
    m_cache.forEachRow(c.info.folder, [&](QStringView name, const CachedFile& row) {
        if (name.contains(QLatin1Char('/')))
            return; // a collection inside this one
        while (next < stale.size() && QStringView(listing[stale[next]].first) < name)
            ++next;
        if (next == stale.size() || listing[stale[next]].first != name) {
            if (!std::binary_search(
                    listing.begin(), listing.end(), name,
                    [](const auto& a, const auto& b) { return toView(a) < toView(b); }))
                removals.push_back(prefix + name.toString());
            return;
        }
        const auto& [fileName, stamp] = listing[stale[next]];
        if (row.stamp != stamp || row.fingerprint != fingerprint)
            return;
        if (auto parsed = decodeParsedFile(row.records, c.info.identifier, m_zones, m_pool)) {
            c.files.set(fileName, FileEntry{stamp, std::move(*parsed), false});
            decoded[next] = 1;
            ++stats.fromCache;
        }
    });
    for (std::size_t i = 0; i < stale.size(); ++i)
        if (!decoded[i])
            jobs.push_back(
                Job{&c, listing[stale[i]].first, listing[stale[i]].second, std::nullopt});
}

void VdirLoader::runJobs(std::span<Job> jobs) const {
    icaltimezone_get_utc_timezone(); // libical builds this once; not from two threads at once
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t i = next++; i < jobs.size(); i = next++) {
            Job& job = jobs[i];
            QFile file(job.collection->info.folder + QLatin1Char('/') + job.name);
            if (!file.open(QIODevice::ReadOnly)) {
                job.result.emplace(kit::fail(file.errorString())); // in place: no Result to move
                continue;
            }
            if (file.size() > kMaxFileSize) {
                job.result.emplace(kit::fail(QStringLiteral("too large")));
                continue;
            }
            QString uid = job.name;
            uid.chop(4);
            const ParseContext context{job.collection->info.identifier, job.collection->info.emails,
                                       uid, &m_zones};
            job.result = parseCalendarFile(file.readAll(), context);
        }
    };
    std::vector<std::thread> helpers;
    const int extra = jobs.size() > 64 ? m_threads - 1 : 0;
    for (int i = 0; i < extra; ++i)
        helpers.emplace_back(work);
    work();
    for (auto& t : helpers)
        t.join();
}

void VdirLoader::applyJobs(std::span<Job> jobs, LoadStatistics& stats) {
    for (auto& job : jobs) {
        Collection& c = *job.collection;
        const QString path = c.info.folder + QLatin1Char('/') + job.name;
        if (!job.result || !job.result->isOk()) {
            const auto previous = c.files.find(job.name);
            const bool alreadyLogged = previous != c.files.end() && previous->second.isBroken;
            if (!alreadyLogged)
                qCWarning(lcVdir, "Skipping calendar file %s: %s", qUtf8Printable(path),
                          qUtf8Printable(job.result ? job.result->error() : QString()));
            c.files.set(job.name, FileEntry{job.stamp, {}, true});
            // Recorded without records: a trusted folder knows it without reading it.
            m_cacheWrites[c.info.folder][path] = CachedFile{job.stamp, fingerprintOf(c.info), {}};
            ++stats.broken;
            continue;
        }
        ParsedFile parsed = std::move(*job.result).value();
        m_pool.intern(parsed);
        auto& pending = m_cacheWrites[c.info.folder];
        pending[path] =
            CachedFile{job.stamp, fingerprintOf(c.info), encodeParsedFile(parsed, m_zones)};
        c.files.set(job.name, FileEntry{job.stamp, std::move(parsed), false});
        ++stats.parsed;
        if (pending.size() >= kCacheBatch) { // written as it goes, not held all at once
            m_cache.update(c.info.folder, pending, {});
            pending.clear();
        }
    }
}

} // namespace ruvo::platform::vdir
