// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirLoader.h"

#include "platform/linux/VdirLog.h"
#include "platform/linux/VdirParser.h"

#include <QFile>
#include <atomic>
#include <dirent.h>
#include <fcntl.h>
#include <libical/ical.h>
#include <sys/stat.h>
#include <thread>

namespace ruvo::platform::vdir {

namespace {

constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

// The .ics files of a folder with their stamps.
std::map<QString, FileStamp> listFolder(const QString& folder) {
    std::map<QString, FileStamp> result;
    const QByteArray path = QFile::encodeName(folder);
    DIR* dir = ::opendir(path.constData());
    if (!dir)
        return result;
    const int fd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const std::size_t length = std::strlen(entry->d_name);
        if (length < 5 || std::strcmp(entry->d_name + length - 4, ".ics") != 0 ||
            entry->d_name[0] == '.')
            continue;
        struct stat st {};
        if (::fstatat(fd, entry->d_name, &st, 0) != 0 || !S_ISREG(st.st_mode))
            continue;
        result.emplace(QFile::decodeName(entry->d_name),
                       FileStamp{qint64(st.st_size),
                                 qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                                 quint64(st.st_ino)});
    }
    ::closedir(dir);
    return result;
}

QString fingerprintOf(const CollectionInfo& info) {
    return info.emails.join(QLatin1Char(','));
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
    runJobs(jobs);
    applyJobs(jobs, stats);
    for (auto& c : collections) {
        const QString& folder = c.info.folder;
        m_cache.update(folder, m_cacheWrites[folder], m_cacheRemovals[folder]);
        c.hasEvents = c.hasReminders = false;
        for (const auto& [name, entry] : c.files) {
            c.hasEvents |= !entry.parsed.singles.empty() || !entry.parsed.series.empty();
            c.hasReminders |= !entry.parsed.reminders.empty();
        }
    }
    return stats;
}

void VdirLoader::refreshCollection(Collection& c, std::vector<Job>& jobs, LoadStatistics& stats) {
    const auto listing = listFolder(c.info.folder);
    const QString prefix = c.info.folder + QLatin1Char('/');
    auto& removals = m_cacheRemovals[c.info.folder];
    for (auto it = c.files.begin(); it != c.files.end();) {
        if (listing.count(it->first)) {
            ++it;
            continue;
        }
        removals.push_back(prefix + it->first);
        it = c.files.erase(it);
        ++stats.removed;
    }
    std::optional<std::map<QString, CachedFile>> cached;
    const QString fingerprint = fingerprintOf(c.info);
    for (const auto& [name, stamp] : listing) {
        auto current = c.files.find(name);
        if (current != c.files.end() && current->second.stamp == stamp) {
            ++stats.kept;
            continue;
        }
        if (!cached)
            cached = m_cache.rows(c.info.folder);
        auto row = cached->find(prefix + name);
        if (row != cached->end() && row->second.stamp == stamp &&
            row->second.fingerprint == fingerprint) {
            if (auto parsed =
                    decodeParsedFile(row->second.records, c.info.identifier, m_zones, m_pool)) {
                c.files[name] = FileEntry{stamp, std::move(*parsed), false};
                ++stats.fromCache;
                continue;
            }
        }
        jobs.push_back(Job{&c, name, stamp, std::nullopt});
    }
    if (cached)
        for (const auto& [path, row] : *cached)
            if (!listing.count(path.mid(prefix.size())))
                removals.push_back(path);
}

void VdirLoader::runJobs(std::vector<Job>& jobs) const {
    icaltimezone_get_utc_timezone(); // libical builds this once; not from two threads at once
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t i = next++; i < jobs.size(); i = next++) {
            Job& job = jobs[i];
            QFile file(job.collection->info.folder + QLatin1Char('/') + job.name);
            if (!file.open(QIODevice::ReadOnly)) {
                job.result = kit::Result<ParsedFile>(kit::fail(file.errorString()));
                continue;
            }
            if (file.size() > kMaxFileSize) {
                job.result = kit::Result<ParsedFile>(kit::fail(QStringLiteral("too large")));
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

void VdirLoader::applyJobs(std::vector<Job>& jobs, LoadStatistics& stats) {
    for (auto& job : jobs) {
        Collection& c = *job.collection;
        const QString path = c.info.folder + QLatin1Char('/') + job.name;
        if (!job.result || !job.result->isOk()) {
            const auto previous = c.files.find(job.name);
            const bool alreadyLogged = previous != c.files.end() && previous->second.isBroken;
            if (!alreadyLogged)
                qCWarning(lcVdir, "Skipping calendar file %s: %s", qUtf8Printable(path),
                          qUtf8Printable(job.result ? job.result->error() : QString()));
            c.files[job.name] = FileEntry{job.stamp, {}, true};
            ++stats.broken;
            continue;
        }
        ParsedFile parsed = std::move(*job.result).value();
        m_pool.intern(parsed);
        m_cacheWrites[c.info.folder][path] =
            CachedFile{job.stamp, fingerprintOf(c.info), encodeParsedFile(parsed, m_zones)};
        c.files[job.name] = FileEntry{job.stamp, std::move(parsed), false};
        ++stats.parsed;
    }
}

} // namespace ruvo::platform::vdir
