// SPDX-License-Identifier: GPL-3.0-or-later
// The generated benchmark calendars as a store: a folder per benchmark under
// $RUVO_BENCH_DIR (default /tmp/ruvo-bench) holding the vdir collection, a config folder
// listing it, the cache, and the default calendars.
#pragma once

#include "platform/linux/VdirCalendarStore.h"

#include <memory>

namespace ruvo::bench {

// $RUVO_BENCH_DIR/name, or /tmp/ruvo-bench/name.
QString benchFolder(const QString& name);

// Generates `eventCount` events under root/vdir/bench (once) and lists root/vdir in the
// sources of root/config.
void prepareGeneratedCalendars(const QString& root, int eventCount);

// The options of the store below.
platform::vdir::VdirStoreOptions generatedStoreOptions(const QString& root, bool withCache = true);

// The store over root as prepared above, loaded, reading floating times in Berlin; with
// the cache at root/cache/calendars.sqlite unless `withCache` is false.
std::unique_ptr<platform::vdir::VdirCalendarStore> openGeneratedStore(const QString& root,
                                                                      bool withCache = true);

} // namespace ruvo::bench
