// SPDX-License-Identifier: GPL-3.0-or-later
#include "GeneratedStore.h"

#include "CalendarGenerator.h"
#include "platform/linux/VdirSources.h"

#include <QDir>

namespace ruvo::bench {

namespace vdir = platform::vdir;

QString benchFolder(const QString& name) {
    const QString dir = qEnvironmentVariable("RUVO_BENCH_DIR");
    return (dir.isEmpty() ? QStringLiteral("/tmp/ruvo-bench") : dir) + QLatin1Char('/') + name;
}

void prepareGeneratedCalendars(const QString& root, int eventCount) {
    generateCalendar(root + QStringLiteral("/vdir/bench"), eventCount);
    const QString config = root + QStringLiteral("/config");
    QDir().mkpath(config);
    (void)vdir::writeSources(vdir::sourcesFilePath(config), {{root + QStringLiteral("/vdir"), {}}});
}

vdir::VdirStoreOptions generatedStoreOptions(const QString& root, bool withCache) {
    vdir::VdirStoreOptions options;
    options.configDirectory = root + QStringLiteral("/config");
    options.defaultDirectory = root + QStringLiteral("/default");
    options.cacheFile = withCache ? root + QStringLiteral("/cache/calendars.sqlite") : QString();
    options.timeZoneId = QStringLiteral("Europe/Berlin");
    options.folderTrust = std::chrono::hours(1); // as the user's store has it
    return options;
}

std::unique_ptr<vdir::VdirCalendarStore> openGeneratedStore(const QString& root, bool withCache) {
    const auto options = generatedStoreOptions(root, withCache);
    auto store = std::make_unique<vdir::VdirCalendarStore>(options);
    if (!store->load())
        qFatal("cannot load the benchmark calendars in %s", qUtf8Printable(root));
    return store;
}

} // namespace ruvo::bench
