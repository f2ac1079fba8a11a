// SPDX-License-Identifier: GPL-3.0-or-later
// Brings the in-memory collections up to date with their folders: files whose size,
// modification time and inode are unchanged are kept, files the cache knows in that state
// are decoded from it, the rest are parsed on all cores. A file that cannot be read or
// parsed is skipped with one log line; it is tried again once it changes.
// A collection's first load may take a folder whose stamp the cache recorded, within the
// trust period, as it stands in the cache without looking at its files (see VdirCache.h).
#pragma once

#include "platform/linux/VdirCache.h"
#include "platform/linux/VdirCodec.h"
#include "platform/linux/VdirRecords.h"
#include "platform/linux/VdirSources.h"

#include <chrono>
#include <functional>
#include <map>
#include <span>

namespace ruvo::platform::vdir {

// Calls `visit` with the name (valid during the call) and stamp of each .ics file of
// `folder`, hidden ones left out, in the order the folder lists them.
void forEachFolderFile(const QString& folder,
                       const std::function<void(const char* name, const FileStamp&)>& visit);

// The .ics files of `folder` with their stamps, sorted by name.
std::vector<std::pair<QString, FileStamp>> listFolder(const QString& folder);

// A folder changed less than this before it was listed may change again within the same
// tick of the file system's clock without its stamp moving, so its stamp is not recorded.
constexpr qint64 kStampSettleNs = 2'000'000'000;

struct FileEntry {
    FileStamp stamp;
    ParsedFile parsed;
    bool isBroken = false;
};

// A collection's files sorted by name, in one array: fifty thousand map nodes would cost
// megabytes of pointers. Files arrive in name order, so adding is appending.
class FileTable {
public:
    using Entry = std::pair<QString, FileEntry>;
    using iterator = std::vector<Entry>::iterator;
    using const_iterator = std::vector<Entry>::const_iterator;

    iterator begin() { return m_entries.begin(); }
    iterator end() { return m_entries.end(); }
    const_iterator begin() const { return m_entries.begin(); }
    const_iterator end() const { return m_entries.end(); }
    iterator find(const QString& name) {
        auto it = lowerBound(name);
        return it != m_entries.end() && it->first == name ? it : m_entries.end();
    }
    const_iterator find(const QString& name) const {
        return const_cast<FileTable*>(this)->find(name);
    }
    iterator erase(iterator it) { return m_entries.erase(it); }
    bool isEmpty() const { return m_entries.empty(); }
    void reserve(std::size_t count) { m_entries.reserve(count); }
    void set(const QString& name, FileEntry entry) {
        if (m_entries.empty() || m_entries.back().first < name) {
            m_entries.emplace_back(name, std::move(entry));
            return;
        }
        auto it = lowerBound(name);
        if (it != m_entries.end() && it->first == name)
            it->second = std::move(entry);
        else
            m_entries.emplace(it, name, std::move(entry));
    }

private:
    iterator lowerBound(const QString& name) {
        return std::lower_bound(m_entries.begin(), m_entries.end(), name,
                                [](const Entry& e, const QString& n) { return e.first < n; });
    }
    std::vector<Entry> m_entries;
};

struct Collection {
    CollectionInfo info;
    FileTable files;
    bool hasEvents = false;
    bool hasReminders = false;
    bool isVerified = false; // its files were checked one by one in this run
    bool isLoaded = false;   // on trust or file by file: only a first load may be on trust
};

struct LoadStatistics {
    int kept = 0;
    int fromCache = 0;
    int parsed = 0;
    int broken = 0;
    int removed = 0;
    int trustedFolders = 0; // taken from the cache as they stand, files unchecked
    bool hasChanges() const { return fromCache + parsed + broken + removed > 0; }
};

// A folder's .ics files with their stamps, sorted by name.
using Listing = std::vector<std::pair<QString, FileStamp>>;

class VdirLoader {
public:
    VdirLoader(ZoneTable& zones, VdirCache& cache, int threads)
        : m_zones(zones), m_cache(cache), m_threads(std::max(threads, 1)) {}

    LoadStatistics refresh(std::vector<Collection>& collections);
    // Reads these files of `c` again (or drops those that are gone): after the store wrote
    // one, or when the watcher saw them change. False when the cache could not take them.
    bool refreshFiles(Collection& c, const std::vector<QString>& names,
                      LoadStatistics* statistics = nullptr);
    // Records `c`'s folder as checked file by file at `stamp`, holding `files` files, unless
    // the stamp is too fresh to tell a later change apart; forgets it when `isWritten` is false.
    void recordFolder(const Collection& c, const FolderStamp& stamp, qint64 files, bool isWritten);
    // How long after a folder's files were last checked one by one its stamp is trusted;
    // zero: never.
    void setFolderTrust(std::chrono::seconds period) { m_folderTrust = period; }
    // Hands the string pool to the end of the process, unfreed (see VdirStoreOptions).
    void leaveStringsAtExit() { new StringPool(std::exchange(m_pool, {})); }

private:
    struct Job;
    void refreshCollection(Collection& c, std::vector<Job>& jobs, LoadStatistics& stats);
    bool loadTrusted(Collection& c, const FolderStamp& stamp, std::vector<Job>& jobs,
                     LoadStatistics& stats);
    bool isTrusted(const CachedFolder& row, const FolderStamp& stamp,
                   const QString& fingerprint) const;
    void recordFolders(const std::vector<Collection>& collections);
    static void updateKinds(Collection& c);
    void decodeFromCache(Collection& c, const Listing& listing,
                         const std::vector<std::size_t>& stale, std::vector<Job>& jobs,
                         LoadStatistics& stats);
    static constexpr std::size_t kParseBatch = 1024;
    void runJobs(std::span<Job> jobs) const;
    void applyJobs(std::span<Job> jobs, LoadStatistics& stats);

    ZoneTable& m_zones;
    VdirCache& m_cache;
    int m_threads;
    std::chrono::seconds m_folderTrust{0};
    StringPool m_pool;
    std::map<QString, CachedFolder> m_checkedFolders;               // this refresh's, to record
    std::map<QString, std::map<QString, CachedFile>> m_cacheWrites; // by folder
    std::map<QString, std::vector<QString>> m_cacheRemovals;        // by folder
};

} // namespace ruvo::platform::vdir
