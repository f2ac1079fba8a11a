// SPDX-License-Identifier: GPL-3.0-or-later
#include "CrashSnapshot.h"

#include "platform/linux/VdirCodec.h"
#include "platform/linux/VdirSnapshot.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace ruvo::soak {

using namespace platform::vdir;

namespace {

constexpr std::chrono::hours kTrust{1}; // as long as a command trusts a checked folder

QString snapshotPath(const QString& root) {
    return snapshotFileFor(storeOptions(root, true).cacheFile);
}

// The temporary files of interrupted writes of the snapshot, by name.
QStringList temporaries(const QString& root) {
    const QFileInfo snapshot(snapshotPath(root));
    return QDir(snapshot.path())
        .entryList({QLatin1Char('.') + snapshot.fileName() + QStringLiteral(".*.tmp")},
                   QDir::Files | QDir::Hidden);
}

// How many files the snapshot holds events of in `all`, each decoded; nullopt when one
// cannot be.
std::optional<std::size_t> decodedFiles(const VdirSnapshot& snapshot,
                                        const platform::DateRange& all) {
    ZoneTable zones;
    zones.setCurrentZone(QStringLiteral("UTC"));
    StringPool pool;
    const auto files = snapshot.eventFiles(kit::msecsSinceEpoch(all.start) / 1000,
                                           kit::msecsSinceEpoch(all.end) / 1000);
    for (quint32 index : files) {
        const auto file = snapshot.file(index);
        if (!file || file->folder >= snapshot.folders().size() ||
            !decodeParsedFile(file->records, QStringLiteral("check"), zones, pool))
            return std::nullopt;
    }
    return files.size();
}

QStringList described(const std::vector<platform::Event>& events) {
    QStringList result;
    for (const auto& e : events)
        result << e.title() + QLatin1Char(' ') + kit::formatIsoUtc(e.start()) + QLatin1Char('/') +
                      kit::formatIsoUtc(e.end());
    return result;
}

} // namespace

VdirStoreOptions storeOptions(const QString& root, bool withCache) {
    VdirStoreOptions options;
    options.configDirectory = root + QStringLiteral("/config");
    options.defaultDirectory = root + QStringLiteral("/default");
    if (withCache)
        options.cacheFile = root + QStringLiteral("/cache/calendars.sqlite");
    options.timeZoneId = QStringLiteral("UTC");
    return options;
}

kit::Result<std::unique_ptr<VdirSnapshotStore>> openCommandStore(const QString& root) {
    auto options = storeOptions(root, true);
    options.folderTrust = kTrust;
    auto store = std::make_unique<VdirSnapshotStore>(std::move(options));
    if (auto loaded = store->load(); !loaded)
        return kit::fail(loaded.error());
    return store;
}

kit::Result<QString> checkSnapshotOnDisk(const QString& root, const platform::DateRange& all) {
    QString found = QStringLiteral("no snapshot");
    if (QFile::exists(snapshotPath(root))) {
        const auto snapshot = VdirSnapshot::open(snapshotPath(root));
        const auto files = snapshot ? decodedFiles(*snapshot, all) : std::nullopt;
        if (!files)
            return kit::fail(QStringLiteral("the snapshot on disk is not whole"));
        found = QStringLiteral("a snapshot of %1 files").arg(*files);
    }
    // A write cut short leaves its header blank: such a file must never pass as a snapshot.
    const QStringList left = temporaries(root);
    int whole = 0;
    for (const QString& name : left) {
        const auto snapshot =
            VdirSnapshot::open(QFileInfo(snapshotPath(root)).path() + QLatin1Char('/') + name);
        if (snapshot && !decodedFiles(*snapshot, all))
            return kit::fail(name + QStringLiteral(" passes as a snapshot but is not whole"));
        whole += snapshot ? 1 : 0;
    }
    return found +
           QStringLiteral(", %1 temporary files beside it (%2 whole)").arg(left.size()).arg(whole);
}

kit::Result<QString> checkCommandStore(const QString& root, const platform::CalendarStore& files,
                                       const std::vector<platform::DateRange>& ranges) {
    const auto before = temporaries(root).size();
    auto store = openCommandStore(root);
    if (!store)
        return kit::fail(QStringLiteral("a command cannot open the store: ") + store.error());
    if (!(*store)->isFromSnapshot())
        return kit::fail(QStringLiteral("a command does not answer from a snapshot"));
    for (const auto& range : ranges) {
        const QStringList shown = described((*store)->events({range, {}}));
        const QStringList expected = described(files.events({range, {}}));
        if (shown == expected)
            continue;
        const auto differ =
            std::mismatch(shown.begin(), shown.end(), expected.begin(), expected.end());
        return kit::fail(
            QStringLiteral("a command shows %1 events from %2, the files %3; the first "
                           "that differs: %4 where the files have %5")
                .arg(shown.size())
                .arg(kit::formatIsoUtc(range.start))
                .arg(expected.size())
                .arg(differ.first == shown.end() ? QStringLiteral("none") : *differ.first,
                     differ.second == expected.end() ? QStringLiteral("none") : *differ.second));
    }
    if (temporaries(root).size() > before)
        return kit::fail(QStringLiteral("a command's write of the snapshot left a temporary file"));
    const auto& refresh = (*store)->lastRefresh();
    return refresh ? QStringLiteral("rewritten by a command") : QStringLiteral("used as it stood");
}

} // namespace ruvo::soak
