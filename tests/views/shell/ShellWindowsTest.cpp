// SPDX-License-Identifier: GPL-3.0-or-later
// The first-run, what's-new and About windows on the offscreen platform (or an X server, for
// the pictures of the README).
#include "TestSupport.h"
#include "kit/BuildInfo.h"
#include "views/shell/AboutWindow.h"
#include "views/shell/FirstRunWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace ruvo;

namespace {

// Saves the picture under the test's folder, for people to look at.
void saveScreenshot(QWidget& widget, const QString& name) {
    widget.adjustSize();
    QCoreApplication::processEvents();
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots");
    QDir().mkpath(folder);
    widget.grab().save(folder + QLatin1Char('/') + name);
}

QPushButton* button(QWidget& window, const QString& text) {
    for (auto* b : window.findChildren<QPushButton*>())
        if (b->text() == text)
            return b;
    return nullptr;
}

// Clicks the button of that text; false when the window has none.
bool click(QWidget& window, const QString& text) {
    QPushButton* b = button(window, text);
    if (b)
        b->click();
    return b != nullptr;
}

bool showsText(QWidget& window, const QString& text) {
    for (auto* label : window.findChildren<QLabel*>())
        if (label->isVisibleTo(&window) && label->text().contains(text))
            return true;
    return false;
}

} // namespace

// Every host's steps are in the window, each snippet once with its own Copy button that puts
// exactly that snippet on the clipboard.
TEST(FirstRunWindow, ShowsEachStepWithACopyableSnippet) {
    using onboarding::PanelHostKind;
    const PanelHostKind kinds[] = {PanelHostKind::gnome,  PanelHostKind::gnomeNoTray,
                                   PanelHostKind::plasma, PanelHostKind::xfce,
                                   PanelHostKind::waybar, PanelHostKind::i3bar,
                                   PanelHostKind::none};
    for (const PanelHostKind kind : kinds) {
        SCOPED_TRACE(qPrintable(onboarding::kindName(kind)));
        const auto guide = onboarding::firstRunGuide({kind, QStringLiteral("X"), true});
        int opened = 0;
        views::FirstRunWindow window(guide, [&opened] { ++opened; });
        window.show();
        EXPECT_TRUE(showsText(window, guide.summary));
        EXPECT_NE(window.calendarsSection(), nullptr);
        QStringList snippets;
        for (const auto& step : guide.steps)
            if (!step.snippet.isEmpty())
                snippets << step.snippet;
        const auto copies = window.findChildren<QToolButton*>();
        ASSERT_EQ(copies.size(), snippets.size());
        for (qsizetype i = 0; i < copies.size(); ++i) {
            copies[i]->click();
            EXPECT_EQ(QApplication::clipboard()->text(), snippets[i]);
        }
        ASSERT_TRUE(click(window, QStringLiteral("Settings…")));
        EXPECT_EQ(opened, 1);
        if (kind == PanelHostKind::xfce)
            saveScreenshot(window, QStringLiteral("first-run.png"));
        if (kind == PanelHostKind::gnomeNoTray)
            saveScreenshot(window, QStringLiteral("first-run-gnome.png"));
    }
}

TEST(InfoWindows, WhatsNewOpensTheSettingsAndAboutCopiesTheDebugInfo) {
    int opened = 0;
    views::InfoWindow whatsNew(views::whatsNewContent(), [&opened] { ++opened; });
    whatsNew.show();
    ASSERT_TRUE(click(whatsNew, QStringLiteral("Settings…")));
    EXPECT_EQ(opened, 1);
    saveScreenshot(whatsNew, QStringLiteral("whats-new.png"));
    views::InfoWindow plain(views::whatsNewContent(), {});
    EXPECT_EQ(button(plain, QStringLiteral("Settings…")), nullptr);

    views::AboutWindow about([] { return QStringLiteral("Ruvo 1.2.3\nQt"); });
    about.show();
    ASSERT_FALSE(kit::programVersion().isEmpty());
    EXPECT_TRUE(showsText(about, QStringLiteral("Version ") + kit::programVersion()));
    EXPECT_TRUE(showsText(about, QStringLiteral("GPL-3.0-or-later")));
    ASSERT_TRUE(click(about, QStringLiteral("Copy Debug Info")));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Ruvo 1.2.3\nQt"));
    saveScreenshot(about, QStringLiteral("about.png"));
}
