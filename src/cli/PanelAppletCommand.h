// SPDX-License-Identifier: GPL-3.0-or-later
// "ruvo install-panel-applet plasma|xfce": copies the panel applet that shows Ruvo's clock
// where the panel loads it from. Plasma takes applets per user
// (~/.local/share/plasma/plasmoids/io.github.ruvo.panel); Xfce 4.18 loads plugins only from
// its system folders, so that one needs root.
#pragma once

#include "cli/CommandLine.h"
#include "kit/Result.h"

namespace ruvo::cli {

struct AppletFile {
    QString from;
    QString to;
    bool operator==(const AppletFile&) const = default;
};

struct AppletFolders {
    QString source;   // holds plasma/io.github.ruvo.panel/... and xfce/{libruvo.so,ruvo.desktop}
    QString userData; // $XDG_DATA_HOME
    QString xfceLibraries; // the panel's plugin library folder
    QString xfceDesktop;   // the panel's plugin desktop-file folder
};

// The files to copy for `kind`, or why there are none. The Plasma package is read to at most
// kMaxPackageFiles files.
inline constexpr int kMaxPackageFiles = 64;
kit::Result<std::vector<AppletFile>> appletFiles(const QString& kind, const AppletFolders& folders);

cli::Command installPanelAppletCommand();

} // namespace ruvo::cli
