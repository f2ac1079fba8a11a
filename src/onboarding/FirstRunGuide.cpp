// SPDX-License-Identifier: GPL-3.0-or-later
#include "onboarding/FirstRunGuide.h"

#include <QCoreApplication>

namespace ruvo::onboarding {

namespace {

const QString kExtensionUuid = QStringLiteral("appindicatorsupport@rgcjonas.gmail.com");

FirstRunGuide gnomeNoTray() {
    return {QCoreApplication::translate(
                "FirstRunGuide",
                "GNOME's top bar shows Ruvo's clock only with the AppIndicator extension, which is "
                "not enabled."),
            {{QCoreApplication::translate("FirstRunGuide",
                                          "Install the extension (once, as administrator):"),
              QStringLiteral("sudo apt install gnome-shell-extension-appindicator")},
             {QCoreApplication::translate("FirstRunGuide", "Log out and back in, then enable it:"),
              QStringLiteral("gnome-extensions enable ") + kExtensionUuid},
             {QCoreApplication::translate(
                  "FirstRunGuide",
                  "The clock then appears in the top bar, beside the system's own. To hide the "
                  "system clock, use an extension that moves or hides it."),
              {}}}};
}

GuideStep addPlasmaApplet() {
    return {QCoreApplication::translate(
                "FirstRunGuide",
                "Right-click the panel, choose \"Add Widgets…\" and drag \"Ruvo\" into the "
                "panel, where the system clock was."),
            {}};
}

GuideStep addXfcePlugin() {
    return {QCoreApplication::translate(
                "FirstRunGuide",
                "Right-click the panel, choose \"Panel\", \"Add New Items…\" and add \"Ruvo\"."),
            {}};
}

// Plasma's and Xfce's: the applet is in the panel already, nothing is left to do.
FirstRunGuide appletShowing() {
    return {QCoreApplication::translate(
                "FirstRunGuide", "Ruvo's clock is in the panel. Click it to open the calendar."),
            {}};
}

FirstRunGuide plasma(const PanelHost& host) {
    if (host.isAppletShowing)
        return appletShowing();
    if (host.hasApplet)
        return {QCoreApplication::translate(
                    "FirstRunGuide",
                    "Ruvo's applet is installed. If the panel does not show the clock yet, add "
                    "it:"),
                {addPlasmaApplet()}};
    const bool hasTray = host.hasTray;
    return {hasTray ? QCoreApplication::translate(
                          "FirstRunGuide",
                          "Ruvo's clock is in the system tray as a small square. Its applet shows "
                          "the whole text in the panel.")
                    : QCoreApplication::translate("FirstRunGuide",
                                                  "Ruvo's applet shows the clock in the panel."),
            {{QCoreApplication::translate("FirstRunGuide", "Install the applet:"),
              QStringLiteral("ruvo install-panel-applet plasma")},
             addPlasmaApplet()}};
}

FirstRunGuide xfce(const PanelHost& host) {
    if (host.isAppletShowing)
        return appletShowing();
    if (host.hasApplet)
        return {QCoreApplication::translate(
                    "FirstRunGuide",
                    "Ruvo's panel plugin is installed. If the panel does not show the clock yet, "
                    "add it:"),
                {addXfcePlugin()}};
    const bool hasTray = host.hasTray;
    return {hasTray ? QCoreApplication::translate(
                          "FirstRunGuide",
                          "Ruvo's clock is in the status tray as a small square. Its panel plugin "
                          "shows the whole text in the panel.")
                    : QCoreApplication::translate(
                          "FirstRunGuide", "Ruvo's panel plugin shows the clock in the panel."),
            {{QCoreApplication::translate(
                  "FirstRunGuide",
                  "Install the plugin (Xfce loads plugins only from its system folders, so this "
                  "needs administrator rights):"),
              QStringLiteral("sudo ruvo install-panel-applet xfce")},
             addXfcePlugin()}};
}

FirstRunGuide waybar() {
    return {QCoreApplication::translate("FirstRunGuide",
                                        "waybar shows Ruvo's clock as a custom module."),
            {{QCoreApplication::translate("FirstRunGuide",
                                          "Add this module to ~/.config/waybar/config:"),
              QStringLiteral("\"custom/ruvo\": { \"exec\": \"ruvo bar --waybar\", "
                             "\"return-type\": \"json\" }")},
             {QCoreApplication::translate(
                  "FirstRunGuide",
                  "Put \"custom/ruvo\" into \"modules-right\" (or another list) and reload "
                  "waybar. Set the module's \"on-click\" to \"ruvo\": starting Ruvo again opens "
                  "and closes its window."),
              {}}}};
}

FirstRunGuide i3bar() {
    return {QCoreApplication::translate(
                "FirstRunGuide", "i3bar and swaybar show Ruvo's clock as their status line."),
            {{QCoreApplication::translate(
                  "FirstRunGuide",
                  "In your i3 or sway configuration, replace the bar's status_command:"),
              QStringLiteral("bar {\n    status_command ruvo bar --i3bar\n}")},
             {QCoreApplication::translate(
                  "FirstRunGuide",
                  "Reload the configuration (i3: $mod+Shift+r; sway: $mod+Shift+c). Bind a key to "
                  "\"exec ruvo\": starting Ruvo again opens and closes its window."),
              {}}}};
}

FirstRunGuide none() {
    return {QCoreApplication::translate(
                "FirstRunGuide", "No panel that shows status icons was found in this session."),
            {{QCoreApplication::translate("FirstRunGuide",
                                          "For a bar that runs commands, feed it the clock text:"),
              QStringLiteral("ruvo bar --waybar")},
             {QCoreApplication::translate(
                  "FirstRunGuide",
                  "Bind a key to \"ruvo\" in your desktop's keyboard settings: starting Ruvo "
                  "again opens and closes its window."),
              {}}}};
}

} // namespace

FirstRunGuide firstRunGuide(const PanelHost& host) {
    switch (host.kind) {
    case PanelHostKind::gnome:
        return {QCoreApplication::translate(
                    "FirstRunGuide",
                    "Ruvo's clock is in the top bar. Click it for the menu; choose \"Open Ruvo\" "
                    "for the calendar."),
                {}};
    case PanelHostKind::gnomeNoTray:
        return gnomeNoTray();
    case PanelHostKind::plasma:
        return plasma(host);
    case PanelHostKind::xfce:
        return xfce(host);
    case PanelHostKind::waybar:
        return waybar();
    case PanelHostKind::i3bar:
        return i3bar();
    case PanelHostKind::tray:
        return {QCoreApplication::translate(
                    "FirstRunGuide",
                    "Ruvo's clock is in the panel's tray as a square with the time. Click it to "
                    "open the calendar."),
                {}};
    case PanelHostKind::xembedTray:
        return {QCoreApplication::translate(
                    "FirstRunGuide", "Ruvo's clock is in the tray. Click it to open the calendar."),
                {}};
    case PanelHostKind::none:
        return none();
    }
    return none();
}

QString guideText(const FirstRunGuide& guide) {
    QString text = guide.summary + QLatin1Char('\n');
    int number = 0;
    for (const GuideStep& step : guide.steps) {
        text += QStringLiteral("\n%1. %2\n").arg(++number).arg(step.text);
        if (!step.snippet.isEmpty())
            text += QStringLiteral("    ") +
                    QString(step.snippet).replace(QLatin1Char('\n'), QStringLiteral("\n    ")) +
                    QLatin1Char('\n');
    }
    return text;
}

} // namespace ruvo::onboarding
