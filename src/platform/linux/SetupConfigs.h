// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar folders other programs were set up with: vdirsyncer's local "filesystem"
// storages and khal's calendars. Only reads their configuration text; nothing here looks at
// the folders themselves.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace ruvo::platform::setup {

// A folder named in a configuration.
struct ConfiguredFolder {
    QString name; // the storage or calendar name in that configuration
    QString path; // absolute, "~" expanded; a glob pattern for khal's "discover" calendars
    bool holdsCollections = false; // one calendar per subfolder (vdirsyncer's collections)
    bool isPattern = false;        // khal's type = discover: `path` is a glob
    bool isReadOnly = false;       // khal's readonly = True
    friend bool operator==(const ConfiguredFolder&, const ConfiguredFolder&) = default;
};

struct ConfigReading {
    std::vector<ConfiguredFolder> folders;
    QStringList problems; // "line 12: ..." for what could not be read; the rest is still used
};

// vdirsyncer's INI file: every [storage NAME] with type = "filesystem" and its path. A storage
// that a [pair] syncs with collections (a list, not null) holds one calendar per subfolder.
ConfigReading readVdirsyncerConfig(const QString& text, const QString& home);

// khal's file: every [[NAME]] below [calendars] with its path (type = discover: a glob).
ConfigReading readKhalConfig(const QString& text, const QString& home);

// "~" and "~/x" as `home`; a relative path stays relative.
QString expandHome(const QString& path, const QString& home);

} // namespace ruvo::platform::setup
