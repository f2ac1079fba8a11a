// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SetupDiscovery.h"

#include "platform/linux/SetupConfigs.h"
#include "platform/linux/UserCalendarStore.h"
#include "platform/linux/VdirSourceList.h"
#include "platform/linux/VdirSources.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <optional>

namespace ruvo::platform {

namespace {

constexpr qint64 kMaxConfigBytes = 1024 * 1024;
constexpr int kMaxCalendarsPerFolder = 500;
const char* kEdsRegistry = "org.gnome.evolution.dataserver.Sources5";

bool isWithin(const QString& path, const QString& folder) {
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

// The calendars of a folder: itself when it is one, else its subfolders that are.
QStringList calendarsIn(const QString& folder, const QString& pattern = QStringLiteral("*")) {
    if (pattern == QLatin1String("*") && vdir::isCollection(folder))
        return {folder};
    QStringList found;
    const QDir dir(folder);
    for (const QString& name :
         dir.entryList({pattern}, QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (found.size() >= kMaxCalendarsPerFolder)
            break;
        if (vdir::isCollection(dir.filePath(name)))
            found << dir.filePath(name);
    }
    return found;
}

std::optional<QString> readConfig(const QString& file, SetupDiscovery& out) {
    QFile f(file);
    if (!f.exists())
        return std::nullopt;
    if (f.size() > kMaxConfigBytes || !f.open(QIODevice::ReadOnly)) {
        out.problems << file + QStringLiteral(": ") + f.errorString();
        return std::nullopt;
    }
    out.configFiles << file;
    return QString::fromUtf8(f.readAll());
}

void take(const QString& file, const QString& origin, const setup::ConfigReading& reading,
          const DiscoveryPlaces& places, SetupDiscovery& out) {
    for (const QString& p : reading.problems)
        out.problems << file + QStringLiteral(": ") + p;
    for (const auto& f : reading.folders) {
        FoundFolder found{origin, f.name, f.path, {}, f.holdsCollections, f.isReadOnly, false};
        if (f.isPattern) {
            // khal's discover calendars: a glob in the last part of the path.
            found.path = QFileInfo(f.path).path();
            found.calendars = calendarsIn(found.path, QFileInfo(f.path).fileName());
            found.holdsCollections = true;
        } else {
            found.calendars = calendarsIn(f.path);
        }
        found.isAdded = std::any_of(places.addedFolders.begin(), places.addedFolders.end(),
                                    [&](const QString& a) { return isWithin(found.path, a); });
        out.folders.push_back(std::move(found));
    }
}

} // namespace

DiscoveryPlaces userDiscoveryPlaces(const QStringList& addedFolders) {
    DiscoveryPlaces places;
    places.home = QDir::homePath();
    places.configHome = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    places.vdirsyncerConfig = qEnvironmentVariable("VDIRSYNCER_CONFIG");
    places.builtInFolder = vdir::defaultStoreDirectory();
    places.addedFolders = addedFolders;
    return places;
}

SetupDiscovery discoverSetup(const DiscoveryPlaces& places, bool hasEdsRegistry) {
    SetupDiscovery out;
    out.hasEdsRegistry = hasEdsRegistry;
    out.builtInFolder = places.builtInFolder;
    // Each program reads the first of its files that exists.
    const QStringList vdirsyncerFiles =
        places.vdirsyncerConfig.isEmpty()
            ? QStringList{places.home + QStringLiteral("/.vdirsyncer/config"),
                          places.configHome + QStringLiteral("/vdirsyncer/config")}
            : QStringList{places.vdirsyncerConfig};
    for (const QString& file : vdirsyncerFiles) {
        if (const auto text = readConfig(file, out)) {
            take(file, QStringLiteral("vdirsyncer"),
                 setup::readVdirsyncerConfig(*text, places.home), places, out);
            break;
        }
    }
    for (const QString& file : {places.configHome + QStringLiteral("/khal/config"),
                                places.home + QStringLiteral("/.khal/khal.conf")}) {
        if (const auto text = readConfig(file, out)) {
            take(file, QStringLiteral("khal"), setup::readKhalConfig(*text, places.home), places,
                 out);
            break;
        }
    }
    return out;
}

bool isEdsRegistryOnBus() {
    QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    if (!bus)
        return false;
    const QString name = QLatin1String(kEdsRegistry);
    return bus->isServiceRegistered(name) || bus->activatableServiceNames().value().contains(name);
}

SetupDiscovery discoverUserSetup(const QString& configDirectory) {
    QStringList added;
    if (const auto sources = vdir::VdirSourceList(configDirectory).sources())
        for (const auto& s : *sources)
            added << s.location;
    return discoverSetup(userDiscoveryPlaces(added), isEdsWanted() && isEdsRegistryOnBus());
}

} // namespace ruvo::platform
