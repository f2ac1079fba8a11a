// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirSnapshotRefresh.h"

#include "platform/linux/VdirSnapshotWriter.h"

#include <algorithm>
#include <ctime>

namespace ruvo::platform::vdir {

namespace {

constexpr std::size_t kParseBatch = 1024; // files parsed and held at once

qint64 systemNowNs() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// One folder checked file by file, streamed: files whose cache row has their stamp are decoded
// from it one at a time, the others parsed in small batches (which writes their rows), and
// each is written and dropped at once. Afterwards the cache holds exactly the listed files and
// records the folder, as a store's load would.
class FolderWrite {
public:
    FolderWrite(const CollectionInfo& info, quint32 index, const VdirStoreOptions& options,
                VdirCache& cache, ZoneTable& zones, SnapshotWriter& writer)
        : m_info(info), m_index(index), m_options(options), m_cache(cache), m_zones(zones),
          m_writer(writer), m_fingerprint(info.emails.join(QLatin1Char(','))) {}

    SnapshotFolder run() {
        const std::optional<FolderStamp> stamp = folderStamp(m_info.folder);
        m_listing = listFolder(m_info.folder);
        m_isDone.assign(m_listing.size(), 0);
        writeCachedRows();
        parseTheRest();
        const bool isWritten = m_cache.update(m_info.folder, {}, m_removed);
        SnapshotFolder folder{m_info.folder, m_fingerprint, {}, 0, m_hasEvents, m_hasReminders};
        const qint64 now = systemNowNs();
        if (!stamp || !isWritten) {
            m_cache.forgetFolder(m_info.folder);
        } else if (stamp->stamp.mtimeNs < now - kStampSettleNs) {
            folder.stamp = *stamp;
            folder.verifiedAt = now / 1000000000;
            m_cache.setFolder(m_info.folder,
                              {*stamp, m_fingerprint, qint64(m_listing.size()), folder.verifiedAt});
        }
        return folder;
    }

private:
    void add(quint32 place, const ParsedFile& parsed) {
        m_writer.addFile(m_index, place, parsed, m_zones);
        m_hasEvents |= !parsed.singles.empty() || !parsed.series.empty();
        m_hasReminders |= !parsed.reminders.empty();
    }

    void writeCachedRows() {
        StringPool pool; // emptied now and then: the records it interns for are dropped
        std::size_t decoded = 0;
        const QString prefix = m_info.folder + QLatin1Char('/');
        m_cache.forEachRow(m_info.folder, [&](QStringView name, const CachedFile& row) {
            if (name.contains(QLatin1Char('/')))
                return; // a collection inside this one
            const auto it = std::lower_bound(
                m_listing.begin(), m_listing.end(), name,
                [](const auto& entry, QStringView n) { return QStringView(entry.first) < n; });
            if (it == m_listing.end() || it->first != name) {
                m_removed.push_back(prefix + name.toString());
                return;
            }
            if (row.stamp != it->second || row.fingerprint != m_fingerprint)
                return;
            const auto place = quint32(it - m_listing.begin());
            char& isDone = m_isDone[place];
            if (row.records.isEmpty()) { // known not to parse
                isDone = 1;
            } else if (auto parsed =
                           decodeParsedFile(row.records, m_info.identifier, m_zones, pool)) {
                add(place, *parsed);
                isDone = 1;
                if (++decoded % kParseBatch == 0)
                    pool = {};
            }
        });
    }

    // The loader parses and records each batch; its records are written, then freed. A row it
    // could not write leaves the folder's row count short, so no load trusts the folder.
    void parseTheRest() {
        std::vector<QString> batch;
        for (std::size_t i = 0; i <= m_listing.size(); ++i) {
            if (i < m_listing.size() && !m_isDone[i])
                batch.push_back(m_listing[i].first);
            if (batch.size() < kParseBatch && (i < m_listing.size() || batch.empty()))
                continue;
            Collection part;
            part.info = m_info;
            VdirLoader loader(m_zones, m_cache, m_options.threads);
            loader.refreshFiles(part, batch);
            for (const auto& [name, entry] : part.files)
                if (!entry.isBroken)
                    add(placeOf(name), entry.parsed);
            batch.clear();
        }
    }

    quint32 placeOf(const QString& name) const {
        return quint32(
            std::lower_bound(m_listing.begin(), m_listing.end(), name,
                             [](const auto& entry, const QString& n) { return entry.first < n; }) -
            m_listing.begin());
    }

    const CollectionInfo& m_info;
    quint32 m_index;
    const VdirStoreOptions& m_options;
    VdirCache& m_cache;
    ZoneTable& m_zones;
    SnapshotWriter& m_writer;
    QString m_fingerprint;
    std::vector<std::pair<QString, FileStamp>> m_listing;
    std::vector<char> m_isDone;
    std::vector<QString> m_removed;
    bool m_hasEvents = false;
    bool m_hasReminders = false;
};

} // namespace

std::optional<SnapshotRefresh> refreshSnapshot(const QString& path,
                                               const std::vector<CollectionInfo>& infos,
                                               const VdirSnapshot* old,
                                               const std::vector<std::optional<quint32>>& reuse,
                                               const VdirStoreOptions& options, ZoneTable& zones) {
    VdirCache cache(options.cacheFile); // first: it makes the private cache folder
    auto writer = SnapshotWriter::create(path);
    if (!writer)
        return std::nullopt;
    SnapshotRefresh done;
    std::vector<std::optional<quint32>> newFolderOf(old ? old->folders().size() : 0);
    for (std::size_t i = 0; i < infos.size(); ++i) {
        const auto index = quint32(i);
        if (old && i < reuse.size() && reuse[i] && *reuse[i] < newFolderOf.size()) {
            newFolderOf[*reuse[i]] = index;
            writer->addFolder(old->folders()[*reuse[i]]);
            ++done.copiedFolders;
        } else {
            writer->addFolder(FolderWrite(infos[i], index, options, cache, zones, *writer).run());
            ++done.readFolders;
        }
    }
    if (old && done.copiedFolders > 0 && !writer->copyFolders(*old, newFolderOf))
        return std::nullopt;
    if (!writer->commit())
        return std::nullopt;
    return done;
}

} // namespace ruvo::platform::vdir
