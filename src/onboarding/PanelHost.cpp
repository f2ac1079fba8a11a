// SPDX-License-Identifier: GPL-3.0-or-later
#include "onboarding/PanelHost.h"

#include <QJsonArray>

namespace ruvo::onboarding {

namespace {

using platform::AppIndicatorExtension;

bool names(const QStringList& desktops, const char* name) {
    return desktops.contains(QLatin1String(name), Qt::CaseInsensitive);
}

QString desktopName(const QStringList& desktops) {
    for (const char* known : {"GNOME", "KDE", "XFCE", "sway", "i3", "Hyprland", "X-Cinnamon",
                              "MATE", "Budgie", "LXQt", "Unity"}) {
        if (names(desktops, known))
            return QString::fromLatin1(known);
    }
    return desktops.value(0);
}

PanelHostKind kindFor(const platform::DesktopFacts& f, const QStringList& desktops) {
    const auto runs = [&f](const char* name) { return f.running.contains(QLatin1String(name)); };
    // A bar the user started says more than the desktop's name: sway with waybar is waybar.
    if (runs("waybar"))
        return PanelHostKind::waybar;
    if (runs("plasmashell") || names(desktops, "KDE"))
        return PanelHostKind::plasma;
    if (runs("xfce4-panel") || names(desktops, "XFCE"))
        return PanelHostKind::xfce;
    if (f.hasGnomeShell || runs("gnome-shell") || names(desktops, "GNOME") ||
        names(desktops, "Unity")) {
        const bool shows =
            f.hasStatusNotifierWatcher || f.appIndicator == AppIndicatorExtension::enabled;
        return shows ? PanelHostKind::gnome : PanelHostKind::gnomeNoTray;
    }
    if (runs("i3bar") || runs("swaybar") || f.hasI3Socket || f.hasSwaySocket ||
        names(desktops, "i3") || names(desktops, "sway"))
        return PanelHostKind::i3bar;
    if (f.hasStatusNotifierWatcher)
        return PanelHostKind::tray;
    if (runs("polybar"))
        return PanelHostKind::xembedTray;
    return PanelHostKind::none;
}

QString extensionName(AppIndicatorExtension state) {
    switch (state) {
    case AppIndicatorExtension::unknown:
        return QStringLiteral("unknown");
    case AppIndicatorExtension::notInstalled:
        return QStringLiteral("not-installed");
    case AppIndicatorExtension::disabled:
        return QStringLiteral("disabled");
    case AppIndicatorExtension::enabled:
        return QStringLiteral("enabled");
    }
    return {};
}

} // namespace

bool PanelHost::isClockVisibleAsIs() const {
    return kind == PanelHostKind::gnome || kind == PanelHostKind::tray ||
           kind == PanelHostKind::xembedTray || isAppletShowing;
}

PanelHost detectPanelHost(const platform::DesktopFacts& facts) {
    const QStringList desktops = facts.currentDesktop.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    PanelHost host;
    host.kind = kindFor(facts, desktops);
    host.desktop = desktopName(desktops);
    host.hasTray = facts.hasStatusNotifierWatcher;
    host.hasApplet = (host.kind == PanelHostKind::plasma &&
                      facts.installedApplets.contains(QStringLiteral("plasma"))) ||
                     (host.kind == PanelHostKind::xfce &&
                      facts.installedApplets.contains(QStringLiteral("xfce")));
    host.isAppletShowing = host.hasApplet && facts.isAppletShowing;
    return host;
}

QString kindName(PanelHostKind kind) {
    switch (kind) {
    case PanelHostKind::gnome:
        return QStringLiteral("gnome");
    case PanelHostKind::gnomeNoTray:
        return QStringLiteral("gnome-no-tray");
    case PanelHostKind::plasma:
        return QStringLiteral("plasma");
    case PanelHostKind::xfce:
        return QStringLiteral("xfce");
    case PanelHostKind::waybar:
        return QStringLiteral("waybar");
    case PanelHostKind::i3bar:
        return QStringLiteral("i3bar");
    case PanelHostKind::tray:
        return QStringLiteral("tray");
    case PanelHostKind::xembedTray:
        return QStringLiteral("xembed-tray");
    case PanelHostKind::none:
        return QStringLiteral("none");
    }
    return {};
}

QJsonObject toJson(const PanelHost& host, const platform::DesktopFacts& facts) {
    return {
        {QStringLiteral("host"), kindName(host.kind)},
        {QStringLiteral("desktop"), host.desktop},
        {QStringLiteral("clockVisible"), host.isClockVisibleAsIs()},
        {QStringLiteral("statusNotifierWatcher"), facts.hasStatusNotifierWatcher},
        {QStringLiteral("gnomeShell"), facts.hasGnomeShell},
        {QStringLiteral("appIndicator"), extensionName(facts.appIndicator)},
        {QStringLiteral("running"), QJsonArray::fromStringList(facts.running)},
        {QStringLiteral("installedApplets"), QJsonArray::fromStringList(facts.installedApplets)}};
}

} // namespace ruvo::onboarding
