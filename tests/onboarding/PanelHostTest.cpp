// SPDX-License-Identifier: GPL-3.0-or-later
#include "onboarding/PanelHost.h"

#include "kit/BuildInfo.h"
#include "onboarding/DebugInfo.h"
#include "onboarding/FirstRunGuide.h"
#include "settings/Defaults.h"
#include "settings/Suite.h"

#include <gtest/gtest.h>

namespace ruvo::onboarding {
namespace {

using platform::AppIndicatorExtension;
using platform::DesktopFacts;

QStringList snippets(const FirstRunGuide& guide) {
    QStringList all;
    for (const auto& step : guide.steps)
        all << step.snippet;
    return all;
}

// Facts written as words: "desktop=KDE", "sway" and "i3" (their sockets), "watcher" (a
// StatusNotifierWatcher), "shell" (GNOME Shell), "indicator=enabled", "run=a,b", "applets=a,b",
// "showing" (an applet of ours shows the clock now).
DesktopFacts facts(const char* words) {
    // In the order of AppIndicatorExtension.
    const QStringList kIndicators{QStringLiteral("unknown"), QStringLiteral("notInstalled"),
                                  QStringLiteral("disabled"), QStringLiteral("enabled")};
    DesktopFacts f;
    for (const QString& word : QString::fromLatin1(words).split(u' ', Qt::SkipEmptyParts)) {
        const QString key = word.section(u'=', 0, 0);
        const QStringList values = word.section(u'=', 1).split(u',');
        if (key == u"desktop")
            f.currentDesktop = values[0];
        else if (key == u"sway" || key == u"i3")
            (key == u"sway" ? f.hasSwaySocket : f.hasI3Socket) = true;
        else if (key == u"watcher" || key == u"shell")
            (key == u"watcher" ? f.hasStatusNotifierWatcher : f.hasGnomeShell) = true;
        else if (key == u"indicator" && kIndicators.contains(values[0]))
            f.appIndicator = AppIndicatorExtension(kIndicators.indexOf(values[0]));
        else if (key == u"showing")
            f.isAppletShowing = true;
        else if (key == u"run" || key == u"applets")
            (key == u"run" ? f.running : f.installedApplets) = values;
        else
            ADD_FAILURE() << "unknown fact " << qPrintable(word);
    }
    return f;
}

// Each row is a session as the bus, the environment and /proc describe it.
TEST(PanelHostTest, SessionsDecideWhereTheClockGoesAndWhatToPaste) {
    struct Row {
        const char* what;
        const char* facts; // as facts() reads them
        PanelHostKind kind;
        const char* desktop;
        bool isVisible;
        const char* snippet; // a step must offer exactly this, or no snippet at all when null
    };
    const Row rows[] = {
        {"GNOME with the extension's watcher",
         "desktop=GNOME watcher shell indicator=enabled run=gnome-shell", PanelHostKind::gnome,
         "GNOME", true, nullptr},
        {"Ubuntu's session name, extension enabled but its watcher not yet up",
         "desktop=ubuntu:GNOME shell indicator=enabled", PanelHostKind::gnome, "GNOME", true,
         nullptr},
        {"GNOME, extension not installed", "desktop=GNOME shell indicator=notInstalled",
         PanelHostKind::gnomeNoTray, "GNOME", false,
         "sudo apt install gnome-shell-extension-appindicator"},
        {"GNOME, extension installed and disabled", "desktop=GNOME shell indicator=disabled",
         PanelHostKind::gnomeNoTray, "GNOME", false,
         "gnome-extensions enable appindicatorsupport@rgcjonas.gmail.com"},
        {"gnome-shell runs but the environment names nothing", "run=gnome-shell",
         PanelHostKind::gnomeNoTray, "", false,
         "gnome-extensions enable appindicatorsupport@rgcjonas.gmail.com"},
        {"Plasma with its tray", "desktop=KDE watcher run=plasmashell", PanelHostKind::plasma,
         "KDE", false, "ruvo install-panel-applet plasma"},
        {"Xfce, named in lower case", "desktop=xfce watcher", PanelHostKind::xfce, "XFCE", false,
         "sudo ruvo install-panel-applet xfce"},
        {"Xfce with the plugin installed: only the step that adds it",
         "desktop=XFCE watcher applets=xfce", PanelHostKind::xfce, "XFCE", false, nullptr},
        {"Xfce whose plugin shows the clock already: nothing to do",
         "desktop=XFCE watcher applets=xfce showing", PanelHostKind::xfce, "XFCE", true, nullptr},
        {"Plasma with only the Xfce plugin installed still needs its applet",
         "desktop=KDE applets=xfce", PanelHostKind::plasma, "KDE", false,
         "ruvo install-panel-applet plasma"},
        {"sway with waybar: the bar the user runs wins", "desktop=sway sway watcher run=waybar",
         PanelHostKind::waybar, "sway", false,
         "\"custom/ruvo\": { \"exec\": \"ruvo bar --waybar\", \"return-type\": \"json\" }"},
        {"sway with its own swaybar", "desktop=sway sway", PanelHostKind::i3bar, "sway", false,
         "bar {\n    status_command ruvo bar --i3bar\n}"},
        {"i3 known only by its socket", "i3 run=i3bar", PanelHostKind::i3bar, "", false,
         "bar {\n    status_command ruvo bar --i3bar\n}"},
        {"Cinnamon's tray", "desktop=X-Cinnamon watcher", PanelHostKind::tray, "X-Cinnamon", true,
         nullptr},
        {"polybar with only an XEmbed tray", "run=polybar", PanelHostKind::xembedTray, "", true,
         nullptr},
        {"nothing at all", "", PanelHostKind::none, "", false, "ruvo bar --waybar"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const DesktopFacts given = facts(row.facts);
        const PanelHost host = detectPanelHost(given);
        EXPECT_EQ(host.kind, row.kind) << qPrintable(kindName(host.kind));
        EXPECT_EQ(host.desktop, QString::fromLatin1(row.desktop));
        EXPECT_EQ(host.isClockVisibleAsIs(), row.isVisible);
        const FirstRunGuide guide = firstRunGuide(host);
        EXPECT_FALSE(guide.summary.isEmpty());
        EXPECT_EQ(guide.steps.empty(), row.isVisible); // steps only while the clock is not shown
        if (row.snippet)
            EXPECT_TRUE(snippets(guide).contains(QString::fromLatin1(row.snippet)))
                << qPrintable(snippets(guide).join(QLatin1Char('|')));
        else
            EXPECT_TRUE(snippets(guide).join(QString()).isEmpty());
        const QJsonObject json = toJson(host, given);
        EXPECT_EQ(json.value(QStringLiteral("host")).toString(), kindName(row.kind));
        EXPECT_EQ(json.value(QStringLiteral("clockVisible")).toBool(), row.isVisible);
    }
}

TEST(PanelHostTest, GuideTextIndentsEveryLineOfASnippet) {
    const QString text = guideText(
        {QStringLiteral("S"),
         {{QStringLiteral("a"), QStringLiteral("x {\n  y\n}")}, {QStringLiteral("b"), {}}}});
    EXPECT_EQ(text, QStringLiteral("S\n\n1. a\n    x {\n      y\n    }\n\n2. b\n"));
}

TEST(PanelHostTest, DebugInfoNamesTheBuildAndThePanel) {
    settings::Suite standard{QStringLiteral("standard")};
    settings::Suite shared{QStringLiteral("shared")};
    const settings::Defaults defaults(standard, shared);
    const PanelHost host = detectPanelHost(
        {.currentDesktop = QStringLiteral("KDE"), .hasStatusNotifierWatcher = true});
    const QStringList lines =
        debugInfo({QStringLiteral("xcb"),
                   host,
                   {QStringLiteral("de_DE"), QStringLiteral("Europe/Berlin")}},
                  defaults)
            .split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0], QStringLiteral("Ruvo ") + kit::programVersion());
    EXPECT_TRUE(lines[1].contains(QStringLiteral("ICU ") + kit::icuRuntimeVersion()));
    EXPECT_EQ(lines[2], QStringLiteral("Desktop: KDE, panel: plasma (tray)"));
    EXPECT_EQ(lines[3], QStringLiteral("Locale: de_DE, time zone: Europe/Berlin"));
}

} // namespace
} // namespace ruvo::onboarding
