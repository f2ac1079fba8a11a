// SPDX-License-Identifier: GPL-3.0-or-later
// Where Ruvo's clock can appear in this session, decided from the desktop's facts: a label
// in GNOME's top bar, an applet of ours in Plasma or Xfce, a text module in waybar or i3bar,
// or a square icon in a tray. What a user has to do for each is in FirstRunGuide.
#pragma once

#include "platform/DesktopFacts.h"

#include <QJsonObject>

namespace ruvo::onboarding {

enum class PanelHostKind {
    gnome,       // GNOME Shell with the AppIndicator extension: the clock text as a label
    gnomeNoTray, // GNOME Shell without it: nothing shows until the extension is enabled
    plasma,      // KDE Plasma: our applet, else a square tray icon
    xfce,        // Xfce: our panel plugin, else a square tray icon
    waybar,      // waybar (sway, Hyprland, ...): the bar feed as a custom module
    i3bar,       // i3bar or swaybar: the bar feed as status_command
    tray,        // another StatusNotifierItem tray (Cinnamon, MATE, Budgie, LXQt)
    xembedTray,  // only an XEmbed tray (polybar, old trays): the text drawn into the icon
    none,        // nothing that shows an item was found
};

struct PanelHost {
    PanelHostKind kind = PanelHostKind::none;
    QString desktop;        // the first name of XDG_CURRENT_DESKTOP that we know, else the first
    bool hasTray = false;   // a StatusNotifierItem host listens: the tray icon shows at least
    bool hasApplet = false; // Ruvo's applet for this panel is installed (it may not be added)
    bool isAppletShowing = false; // and shows the clock in the panel right now
    // Whether the clock shows without the user doing anything.
    bool isClockVisibleAsIs() const;
};

PanelHost detectPanelHost(const platform::DesktopFacts& facts);

// The stable name of a kind, for scripts: "gnome", "gnome-no-tray", "plasma", ...
QString kindName(PanelHostKind kind);

// The detection and the facts it came from:
// {"host","desktop","clockVisible","statusNotifierWatcher","gnomeShell","appIndicator","running",
//  "installedApplets"}
QJsonObject toJson(const PanelHost& host, const platform::DesktopFacts& facts);

} // namespace ruvo::onboarding
