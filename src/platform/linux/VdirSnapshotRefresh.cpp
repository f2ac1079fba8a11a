// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirSnapshotRefresh.h"

#include "platform/linux/VdirSnapshotWriter.h"

namespace ruvo::platform::vdir {

namespace {

// The folder's files through the cache, as a store's first load reads them (on trust when
// its stamp allows), then their records into `writer` under the number `index`.
void writeFolder(const CollectionInfo& info, quint32 index, const VdirStoreOptions& options,
                 VdirCache& cache, ZoneTable& zones, SnapshotWriter& writer) {
    std::vector<Collection> read(1);
    read.front().info = info;
    {
        VdirLoader loader(zones, cache, options.threads);
        loader.setFolderTrust(options.folderTrust);
        loader.refresh(read);
    }
    const Collection& c = read.front();
    for (const auto& [name, entry] : c.files)
        if (!entry.isBroken)
            writer.addFile(index, entry.parsed, zones);
    SnapshotFolder folder{info.folder,   info.emails.join(QLatin1Char(',')), {}, 0, c.hasEvents,
                          c.hasReminders};
    // The stamp the cache recorded after this check; none when it was too fresh to record or
    // moved meanwhile, and then the next command reads this folder again.
    const auto row = cache.folder(info.folder);
    if (row && row->fingerprint == folder.fingerprint && folderStamp(info.folder) == row->stamp) {
        folder.stamp = row->stamp;
        folder.verifiedAt = row->verifiedAt;
    }
    writer.addFolder(folder);
}

} // namespace

std::optional<SnapshotRefresh> refreshSnapshot(const QString& path,
                                               const std::vector<CollectionInfo>& infos,
                                               const VdirSnapshot* old,
                                               const std::vector<std::optional<quint32>>& reuse,
                                               const VdirStoreOptions& options, ZoneTable& zones) {
    auto writer = SnapshotWriter::create(path);
    if (!writer)
        return std::nullopt;
    VdirCache cache(options.cacheFile);
    SnapshotRefresh done;
    std::vector<std::optional<quint32>> newFolderOf(old ? old->folders().size() : 0);
    for (std::size_t i = 0; i < infos.size(); ++i) {
        const auto index = quint32(i);
        if (old && i < reuse.size() && reuse[i] && *reuse[i] < newFolderOf.size()) {
            newFolderOf[*reuse[i]] = index;
            writer->addFolder(old->folders()[*reuse[i]]);
            ++done.copiedFolders;
        } else {
            writeFolder(infos[i], index, options, cache, zones, *writer);
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
