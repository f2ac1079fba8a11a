// SPDX-License-Identifier: GPL-3.0-or-later
// The crash loop's part about calendars.snapshot, the file the commands answer from: the
// writer opens the store each generation the way a command does (which writes the snapshot
// when it is stale), and the check looks at what a kill left of it before and after a command
// opens the store again.
#pragma once

#include "kit/Result.h"
#include "platform/linux/VdirSnapshotStore.h"

#include <memory>

namespace ruvo::soak {

// The store's options over the writer's folder `root`, with or without the SQLite cache.
platform::vdir::VdirStoreOptions storeOptions(const QString& root, bool withCache);

// Opens the store as a command does: the snapshot is written first if it is missing or stale.
kit::Result<std::unique_ptr<platform::vdir::VdirSnapshotStore>>
openCommandStore(const QString& root);

// Before any store is opened: the snapshot on disk, if any, opens and every record in it
// decodes; a temporary file a kill left beside it is refused as a snapshot unless it is whole.
// Says what it found.
kit::Result<QString> checkSnapshotOnDisk(const QString& root, const platform::DateRange& all);

// A store opened as a command does answers from a snapshot (the one on disk, or one it wrote)
// and gives the same events as `files` (the store reading every file) for each range.
kit::Result<QString> checkCommandStore(const QString& root, const platform::CalendarStore& files,
                                       const std::vector<platform::DateRange>& ranges);

} // namespace ruvo::soak
