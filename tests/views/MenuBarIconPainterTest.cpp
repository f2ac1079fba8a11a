// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/MenuBarIconPainter.h"

#include "menubar/MenuBarIcons.h"
#include "views/DesktopSettings.h"
#include "views/TitleText.h"

#include <gtest/gtest.h>

using namespace ruvo;
using settings::MenuBarIconType;
using views::MenuBarIconPainter;

namespace {

platform::StatusItemIcon iconOf(MenuBarIconType type, int day = 4) {
    return {settings::caseName(type), day, QStringLiteral("Fri"), 3};
}

// Every pixel has the one colour; only alpha varies (the icon follows the panel's colour).
bool isMonochrome(const QImage& image, QColor colour, int* covered) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    *covered = 0;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) {
            const QColor c = argb.pixelColor(x, y);
            if (c.alpha() < 128)
                continue;
            ++*covered;
            if ((std::abs(c.red() - colour.red()) > 2 || std::abs(c.green() - colour.green()) > 2 ||
                 std::abs(c.blue() - colour.blue()) > 2))
                return false;
        }
    return true;
}

} // namespace

TEST(MenuBarIconPainter, EveryIconIsOneColourWithAlphaInLightAndDark) {
    for (const auto& info : menubar::menuBarIcons()) {
        if (info.type == MenuBarIconType::none)
            continue;
        for (const QColor& colour : {QColor(Qt::black), QColor(Qt::white)}) {
            const QImage image = MenuBarIconPainter::icon(iconOf(info.type), colour, 2);
            int covered = 0;
            EXPECT_TRUE(isMonochrome(image, colour, &covered)) << info.label;
            const double share = double(covered) / (image.width() * image.height());
            EXPECT_GT(share, 0.1) << info.label << " draws almost nothing";
            EXPECT_LT(share, 0.95) << info.label << " has no shape";
        }
    }
}

TEST(MenuBarIconPainter, DateIconSizesFollowTheDayNumber) {
    struct Row {
        MenuBarIconType type;
        int day;
        QSize size;
    };
    const Row rows[] = {
        {MenuBarIconType::dateWithBorder, 9, {18, 16}},
        {MenuBarIconType::dateWithBorder, 10, {21, 16}},
        {MenuBarIconType::dateInCalendar, 31, {18, 15}},
        {MenuBarIconType::dateAndDayOfWeek, 31, {18, 20}},
        {MenuBarIconType::unicorn, 1, {22, 22}},
    };
    for (const Row& row : rows) {
        const QImage image = MenuBarIconPainter::icon(iconOf(row.type, row.day), Qt::black, 1);
        EXPECT_EQ(image.size(), row.size) << settings::caseName(row.type).toStdString() << row.day;
        EXPECT_EQ(MenuBarIconPainter::icon(iconOf(row.type, row.day), Qt::black, 2).size(),
                  row.size * 2);
    }
}

TEST(MenuBarIconPainter, TextIsDrawnIntoTheIconOnlyWhenAsked) {
    MenuBarIconPainter painter;
    platform::StatusItemContent content;
    content.title = QStringLiteral("Fri 9:41");
    content.icon = iconOf(MenuBarIconType::star);
    content.imageMargin = 4;
    const QImage iconOnly = painter.paint(content, false, false, 1);
    const QImage withText = painter.paint(content, true, false, 1);
    EXPECT_EQ(iconOnly.size(), QSize(16, 22));
    EXPECT_EQ(withText.width(),
              int(std::ceil(16 + 4 + views::titleWidth(content.title, content.style))));
    content.fixedTextWidth = 200; // a custom pattern's kept width
    EXPECT_EQ(painter.paint(content, true, false, 1).width(), 16 + 4 + 192);
    content.icon.reset();
    content.title.clear();
    EXPECT_EQ(painter.paint(content, true, false, 1).width(), 1); // nothing to show
}

TEST(TitleText, TabularDigitsKeepTheWidthAsSecondsChange) {
    platform::StatusItemTextStyle style;
    style.monospacedDigits = true;
    const double a = views::titleWidth(QStringLiteral("9:41:11"), style);
    const double b = views::titleWidth(QStringLiteral("9:41:00"), style);
    EXPECT_DOUBLE_EQ(a, b);
    style.semibold = true;
    style.pointSize = 20;
    EXPECT_GT(views::titleWidth(QStringLiteral("9:41:00"), style), b * 1.5);
}

TEST(DesktopSettings, CommandsPerDesktop) {
    using views::SettingsPage;
    struct Row {
        const char* desktop;
        SettingsPage page;
        const char* expected; // program and arguments, or "" for none
    };
    const Row rows[] = {
        {"ubuntu:GNOME", SettingsPage::languageAndRegion, "gnome-control-center region"},
        {"KDE", SettingsPage::dateAndTime, "systemsettings kcm_clock"},
        {"MATE", SettingsPage::dateAndTime, "mate-time-admin"},
        {"MATE", SettingsPage::languageAndRegion, ""},
        {"sway", SettingsPage::dateAndTime, ""},
    };
    for (const Row& row : rows) {
        const auto command = views::settingsCommand(QString::fromLatin1(row.desktop), row.page);
        const QString text =
            command ? (QStringList{command->program} + command->arguments).join(QLatin1Char(' '))
                    : QString();
        EXPECT_EQ(text, QString::fromLatin1(row.expected)) << row.desktop;
    }
}
