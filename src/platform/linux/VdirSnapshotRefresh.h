// SPDX-License-Identifier: GPL-3.0-or-later
// Brings calendars.snapshot up to date one folder at a time: a folder the old picture still
// describes is copied from it, record bytes as they stand; any other folder is read alone
// (from the cache where its files have not changed), written, and freed before the next. A
// command after a change thus holds at most the largest folder it had to read, never every
// calendar, and reads only the folders that changed.
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
