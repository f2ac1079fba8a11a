// SPDX-License-Identifier: GPL-3.0-or-later
// Where the vdir store finds its calendars. The sources file (JSON under the config folder)
// lists folders the user added, each with the user's own addresses in it; a folder is a
// collection (it holds .ics files, or `displayname`/`color`/`kind` files) or a folder of
// collections. The embedded default store is always a source.
#pragma once

#include "kit/Result.h"
#include "platform/CalendarTypes.h"

#include <QStringList>
#include <vector>

namespace ruvo::platform::vdir {

struct VdirSource {
    QString path;
    QStringList emails;
    bool isReadOnly = false; // a subscription the program must not change
    friend bool operator==(const VdirSource&, const VdirSource&) = default;
};

struct CollectionInfo {
    QString identifier; // stable: derived from the folder's absolute path
    QString folder;
    QString title;
    QString colour;
    std::optional<EntityType> declaredKind; // from the `kind` file
    QStringList emails;                     // lower case
    bool isDefault = false;                 // part of the embedded default store
    bool isReadOnly = false; // listed read-only in the sources, or a folder we cannot write
};

QString sourcesFilePath(const QString& configDirectory);
QString defaultStoreDirectory(); // $XDG_DATA_HOME/ruvo/calendars
QString defaultCacheFile();      // $XDG_CACHE_HOME/ruvo/calendars.sqlite

// A missing file is an empty list; a broken one is an error (and is not overwritten).
kit::Result<std::vector<VdirSource>> readSources(const QString& file);
kit::Result<void> writeSources(const QString& file, const std::vector<VdirSource>& sources);

// Creates the default store (one calendar, one reminder list) when it does not exist.
kit::Result<void> ensureDefaultStore(const QString& directory);

QString collectionIdentifier(const QString& absoluteFolder);
bool isCollection(const QString& folder);
// The collections of the default store and of every source, in a stable order.
std::vector<CollectionInfo> discoverCollections(const QString& defaultDirectory,
                                                const std::vector<VdirSource>& sources);

// What every load starts from: the default store (made when missing), the sources of
// `configDirectory` and the collections they hold. The sources also name the folders to watch.
struct SourceFolders {
    std::vector<VdirSource> sources;
    std::vector<CollectionInfo> collections;
};
kit::Result<SourceFolders> findSourceFolders(const QString& defaultDirectory,
                                             const QString& configDirectory);

} // namespace ruvo::platform::vdir
