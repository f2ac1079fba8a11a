// SPDX-License-Identifier: GPL-3.0-or-later
// What the session tells about the panel Ruvo's clock goes into: the desktop's name, which
// tray and bar programs run, and whether a StatusNotifierItem host listens on the session bus.
#pragma once

#include <QString>
#include <QStringList>

namespace ruvo::platform {

// The GNOME Shell extension that shows StatusNotifierItems in the top bar.
enum class AppIndicatorExtension { unknown, notInstalled, disabled, enabled };

struct DesktopFacts {
    QString currentDesktop = {};           // $XDG_CURRENT_DESKTOP, "KDE", "ubuntu:GNOME", "XFCE"
    QString sessionType = {};              // $XDG_SESSION_TYPE, "wayland" or "x11"
    bool hasSwaySocket = false;            // $SWAYSOCK set
    bool hasI3Socket = false;              // $I3SOCK set, or i3 answers on the X root window
    bool hasStatusNotifierWatcher = false; // org.kde.StatusNotifierWatcher has an owner
    bool hasGnomeShell = false;            // org.gnome.Shell has an owner
    AppIndicatorExtension appIndicator = AppIndicatorExtension::unknown;
    QStringList running = {};          // of panelProcessNames(), the ones with a process
    QStringList installedApplets = {}; // "plasma", "xfce": Ruvo's applet is where it loads
    bool isAppletShowing = false;      // one of those applets shows the clock at this moment

    bool operator==(const DesktopFacts&) const = default;
};

// The panel and bar programs whose presence decides where the clock can go.
inline QStringList panelProcessNames() {
    return {QStringLiteral("gnome-shell"), QStringLiteral("plasmashell"),
            QStringLiteral("xfce4-panel"), QStringLiteral("waybar"),
            QStringLiteral("i3bar"),       QStringLiteral("swaybar"),
            QStringLiteral("polybar"),     QStringLiteral("cinnamon"),
            QStringLiteral("mate-panel"),  QStringLiteral("budgie-panel"),
            QStringLiteral("lxqt-panel")};
}

} // namespace ruvo::platform
