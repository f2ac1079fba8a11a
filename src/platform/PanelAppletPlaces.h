// SPDX-License-Identifier: GPL-3.0-or-later
// Where the panels load Ruvo's applets from: Plasma per user (or system-wide) by the package's
// id, Xfce 4.18 only from its own system folders (the build names the library folder of the
// panel it finds).
#pragma once

#include <QString>

#ifndef RUVO_XFCE_PLUGIN_LIBDIR
#define RUVO_XFCE_PLUGIN_LIBDIR "/usr/lib/x86_64-linux-gnu/xfce4/panel/plugins"
#endif

namespace ruvo::platform {

inline QString plasmaAppletId() {
    return QStringLiteral("io.github.ruvo.panel");
}
inline QString xfcePluginLibraryFolder() {
    return QStringLiteral(RUVO_XFCE_PLUGIN_LIBDIR);
}
inline QString xfcePluginDesktopFolder() {
    return QStringLiteral("/usr/share/xfce4/panel/plugins");
}

} // namespace ruvo::platform
