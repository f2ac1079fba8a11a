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

// The settings button opens the desktop's page and keeps the window; a desktop without a page
// gets the reason in the window itself.
TEST(CallAlertWindows, NotificationSettingsButtonReportsFailure) {
    struct Settings final : platform::NotificationSettings {
        int opened = 0;
        QString failure;
        kit::Result<void> open() override {
            ++opened;
            return failure.isEmpty() ? kit::Result<void>() : kit::Error{failure};
        }
    } settings;
    const QString kLabel = QStringLiteral("Open Notification Settings");
    EXPECT_FALSE(button(views::CallAlertWindows().window(QStringLiteral("a")), kLabel));
    views::CallAlertWindows windows(&settings);
    windows.show(QStringLiteral("a"), QStringLiteral("Sync"), QStringLiteral("10:00 AM"));
    QWidget* window = windows.window(QStringLiteral("a"));
    ASSERT_TRUE(window && button(window, kLabel));
    button(window, kLabel)->click();
    EXPECT_EQ(settings.opened, 1);
    settings.failure = QStringLiteral("No settings here.");
    button(window, kLabel)->click();
    EXPECT_EQ(settings.opened, 2);
    EXPECT_EQ(windows.window(QStringLiteral("a")), window) << "the call still needs the window";
    bool shown = false;
    for (auto* label : window->findChildren<QLabel*>())
        shown = shown || (label->text() == settings.failure && label->isEnabled());
    EXPECT_TRUE(shown);
}
