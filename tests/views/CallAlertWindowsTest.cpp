// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/CallAlertWindows.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace ruvo;

namespace {

QPushButton* button(QWidget* window, const QString& text) {
    if (!window)
        return nullptr;
    for (auto* b : window->findChildren<QPushButton*>())
        if (b->text() == text)
            return b;
    return nullptr;
}

} // namespace

TEST(CallAlertWindows, ShowsPlainTextStacksAndJoins) {
    views::CallAlertWindows windows;
    std::vector<QString> joined;
    auto subscription =
        windows.joinChosen.connect([&](const QString& key) { joined.push_back(key); });
    windows.show(QStringLiteral("a"), QStringLiteral("<b>R&D</b>"), QStringLiteral("10:00 AM"));
    windows.show(QStringLiteral("b"), QStringLiteral("Sync"), QStringLiteral("10:05 AM"));
    QWidget* first = windows.window(QStringLiteral("a"));
    QWidget* second = windows.window(QStringLiteral("b"));
    ASSERT_TRUE(first && second);
    EXPECT_TRUE(first->isVisible());
    const auto labels = first->findChildren<QLabel*>();
    ASSERT_FALSE(labels.isEmpty());
    EXPECT_EQ(labels.front()->text(), QStringLiteral("<b>R&D</b>"));
    EXPECT_EQ(labels.front()->textFormat(), Qt::PlainText);
    EXPECT_GT(second->geometry().top(), first->geometry().bottom()) << "stacked, not on top";

    ASSERT_TRUE(button(second, QStringLiteral("Join")));
    button(second, QStringLiteral("Join"))->click();
    EXPECT_EQ(joined, std::vector<QString>{QStringLiteral("b")});
    // The event ends: its window goes; closing again or an unknown key is harmless.
    windows.close(QStringLiteral("a"));
    windows.close(QStringLiteral("a"));
    windows.close(QStringLiteral("unknown"));
    EXPECT_EQ(windows.window(QStringLiteral("a")), nullptr);
}

// "Open Ruvo Settings" where the program gave an opener, the desktop's page only where the
// desktop has one; both keep the window, and a failure to open the desktop's page says why in it.
TEST(CallAlertWindows, SettingsButtonsOpenTheirPagesAndKeepTheWindow) {
    struct Settings final : platform::NotificationSettings {
        bool hasPage = true;
        int opened = 0;
        QString failure;
        bool exists() const override { return hasPage; }
        kit::Result<void> open() override {
            ++opened;
            return failure.isEmpty() ? kit::Result<void>() : kit::Error{failure};
        }
    };
    const QString kOwn = QStringLiteral("Open Ruvo Settings");
    const QString kDesktop = QStringLiteral("Open Notification Settings");
    struct Row {
        const char* name;
        bool hasSettings, hasPage, hasOpener;
        bool showsOwn, showsDesktop;
    };
    const Row rows[] = {
        {"nothing wired", false, false, false, false, false},
        {"desktop page only", true, true, false, false, true},
        {"both", true, true, true, true, true},
        {"a desktop without a page", true, false, true, true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Settings settings;
        settings.hasPage = row.hasPage;
        views::CallAlertWindows windows(row.hasSettings ? &settings : nullptr);
        int ownOpened = 0;
        if (row.hasOpener)
            windows.setSettingsOpener([&ownOpened] { ++ownOpened; });
        windows.show(QStringLiteral("a"), QStringLiteral("Sync"), QStringLiteral("10:00 AM"));
        QWidget* window = windows.window(QStringLiteral("a"));
        ASSERT_TRUE(window);
        EXPECT_EQ(bool(button(window, kOwn)), row.showsOwn);
        EXPECT_EQ(bool(button(window, kDesktop)), row.showsDesktop);
        if (row.showsOwn) {
            button(window, kOwn)->click();
            EXPECT_EQ(ownOpened, 1);
        }
        if (row.showsDesktop) {
            settings.failure = QStringLiteral("No settings here.");
            button(window, kDesktop)->click();
            EXPECT_EQ(settings.opened, 1);
            bool shown = false;
            for (auto* label : window->findChildren<QLabel*>())
                shown = shown || (label->text() == settings.failure && label->isEnabled());
            EXPECT_TRUE(shown);
        }
        EXPECT_EQ(windows.window(QStringLiteral("a")), window) << "the call still needs it";
    }
}
