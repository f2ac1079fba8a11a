// SPDX-License-Identifier: GPL-3.0-or-later
// Brings calendars.snapshot up to date one folder at a time: a folder the old picture still
// describes is copied from it, record bytes as they stand; any other folder is checked file by
// file and streamed: each file decoded from the cache (or parsed, in small batches, when it
// changed), written and dropped. A command after a change thus holds a file or a batch of
// records at a time, never a whole calendar, and reads only the folders that changed; the
// cache afterwards records those folders as a store's load would.
#pragma once

#include "platform/linux/VdirCalendarStore.h"
#include "platform/linux/VdirSnapshot.h"

namespace ruvo::platform::vdir {

struct SnapshotRefresh {
    int copiedFolders = 0;
    int readFolders = 0;
};

// Writes the picture of `infos` to `path`. `reuse[i]`, when set, is the number in `old` of
// the folder infos[i] names, still standing as `old` holds it. nullopt when the picture could
// not be written (the old one, if any, stays).
std::optional<SnapshotRefresh> refreshSnapshot(const QString& path,
                                               const std::vector<CollectionInfo>& infos,
                                               const VdirSnapshot* old,
                                               const std::vector<std::optional<quint32>>& reuse,
                                               const VdirStoreOptions& options, ZoneTable& zones);

} // namespace ruvo::platform::vdir
