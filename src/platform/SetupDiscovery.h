// SPDX-License-Identifier: GPL-3.0-or-later
// What a new user's machine already holds for calendars: whether Evolution Data Server's
// registry answers (GNOME Online Accounts and Evolution keep their accounts there), and the
// local folders vdirsyncer and khal were set up with. The first-run window and
// `ruvo calendars discover` show it; `ruvo calendars add --vdirsyncer` adds from it.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace ruvo::platform {

struct FoundFolder {
    QString origin;        // "vdirsyncer" or "khal"
    QString name;          // the storage or calendar name in that program's configuration
    QString path;          // absolute
    QStringList calendars; // the calendar folders in it now (the folder itself, or below it)
    bool holdsCollections = false; // one calendar per subfolder
    bool isReadOnly = false;
    bool isAdded = false; // Ruvo reads it already (a source holds it)
};

struct SetupDiscovery {
    bool hasEdsRegistry = false;
    std::vector<FoundFolder> folders;
    QStringList configFiles; // the configuration files read
    QStringList problems;    // "FILE: line 3: ..." for what could not be read
    QString builtInFolder;   // Ruvo's own calendars

    // The program a calendar folder comes from ("vdirsyncer", "khal"), empty when none.
    QString originOf(const QString& calendarFolder) const {
        for (const auto& f : folders)
            if (calendarFolder == f.path || calendarFolder.startsWith(f.path + QLatin1Char('/')) ||
                f.calendars.contains(calendarFolder))
                return f.origin;
        return {};
    }
};

// Where to look: the user's home and configuration folder ($HOME, $XDG_CONFIG_HOME); the
// vdirsyncer configuration named by $VDIRSYNCER_CONFIG, if any.
struct DiscoveryPlaces {
    QString home;
    QString configHome;
    QString vdirsyncerConfig;
    QString builtInFolder;
    QStringList addedFolders; // the calendar folders the user added to Ruvo
};

DiscoveryPlaces userDiscoveryPlaces(const QStringList& addedFolders);

// Reads the configurations and looks at the folders they name; `hasEdsRegistry` is asked
// separately (it needs the session bus).
SetupDiscovery discoverSetup(const DiscoveryPlaces& places, bool hasEdsRegistry);

// Whether Evolution Data Server's source registry runs or can be started on the session bus.
bool isEdsRegistryOnBus();

// All of it for the user whose Ruvo settings are in `configDirectory`: the folders added there,
// the user's home and configuration, EDS unless RUVO_CALENDAR_BACKENDS leaves it out.
SetupDiscovery discoverUserSetup(const QString& configDirectory);

} // namespace ruvo::platform
