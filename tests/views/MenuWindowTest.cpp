// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/MenuWindow.h"

#include "MemoryDefaults.h"
#include "TestSupport.h"
#include "kit/VirtualScheduler.h"
#include "platform/fake/FakeSystemDateEvents.h"
#include "settings/Keys.h"
#include "views/MainScreen.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace ruvo;
using Section = views::MainScreen::Section;
using ruvo::test::at;
namespace keys = settings::keys;

namespace {

struct Fixture : test::MemoryDefaults {
    kit::VirtualScheduler scheduler{at("2026-12-04T14:41:05Z")};
    platform::FakeSystemDateEvents dateEvents;
    menubar::ClockTicks ticks{scheduler, dateEvents};
    views::MainScreen* screen = new views::MainScreen(
        {defaults, ticks, scheduler, [] {
             return kit::Environment{QStringLiteral("en_US"), QStringLiteral("America/New_York")};
         }});
    views::MenuWindow window{defaults, screen};

    QLabel* fill(Section section, const char* name) {
        auto* label = new QLabel(QString::fromLatin1(name));
        label->setObjectName(QString::fromLatin1(name));
        label->setMinimumSize(280, 40);
        screen->setSectionWidget(section, label);
        return label;
    }
    // The names of the shown sections, top to bottom.
    QStringList order() {
        window.showMenuWindow(QPoint(400, 0));
        QApplication::processEvents();
        std::vector<std::pair<int, QString>> shown;
        for (QLabel* label : screen->findChildren<QLabel*>())
            if (label->isVisibleTo(&window) && !label->objectName().isEmpty())
                shown.emplace_back(label->mapTo(&window, QPoint(0, 0)).y(), label->objectName());
        std::sort(shown.begin(), shown.end());
        QStringList names;
        for (const auto& [y, name] : shown)
            names << name;
        return names;
    }
};

} // namespace

TEST(MainScreen, SectionsInOrderAndOnlyWhenSwitchedOn) {
    const struct {
        bool zonesAtTop;
        bool othersShown; // zones, calendar and the join button
        bool hasZones;    // a zone is chosen
        const char* expected;
    } rows[] = {
        {false, true, true, "join dateLine calendar events zones"},
        {true, true, true, "join dateLine zones calendar events"},
        {false, false, true, "dateLine events"},
        {true, true, false, "join dateLine calendar events"}, // no empty slider, no tip
    };
    for (const auto& row : rows) {
        Fixture f;
        f.defaults.set(keys::menuDateTimeFormat, QStringLiteral("EEEE"));
        for (auto [section, name] : {std::pair{Section::joinButton, "join"},
                                     {Section::timeZones, "zones"},
                                     {Section::calendar, "calendar"},
                                     {Section::eventList, "events"}})
            f.fill(section, name);
        if (row.zonesAtTop)
            f.defaults.set(keys::showTimeZonesAtTopOfMenu, true);
        if (row.hasZones)
            f.defaults.set(
                keys::timeZonesInMenu,
                {settings::ChosenTimeZone::make(
                    QUuid::createUuid(),
                    *settings::ZuTimeZone::make(QStringLiteral("Asia/Kolkata")), std::nullopt)});
        if (!row.othersShown) // otherwise left at their defaults
            for (const auto& key : {keys::showTimeZonesInMenu, keys::showCalendarInMenu,
                                    keys::menuShowJoinVideoCallButton})
                f.defaults.set(key, false);
        EXPECT_EQ(f.order(), QString::fromLatin1(row.expected).split(QLatin1Char(' ')))
            << row.expected;
    }
}

TEST(MainScreen, EmptySectionsTakeNoRoomAndTheDateLineTicksWhileShown) {
    Fixture f;
    f.fill(Section::calendar, "calendar");
    f.window.showMenuWindow(std::nullopt);
    QApplication::processEvents();
    // No date line: "+" still sits beside "…" at the right edge.
    EXPECT_LE(f.screen->moreButton()->x() - f.screen->addEventButton()->geometry().right(), 10);
    f.screen->setSectionWidget(Section::calendar, nullptr);
    f.defaults.set(keys::showDayOfWeekInMenu, true);
    f.defaults.set(keys::showDateInMenu, true);
    f.defaults.set(keys::showTimeInMenu, true);
    f.window.showMenuWindow(std::nullopt);
    QApplication::processEvents();
    const int emptyHeight = f.window.height();
    EXPECT_TRUE(f.screen->moreButton()->isVisible());
    EXPECT_EQ(f.screen->dateLineText(), QStringLiteral("Friday, December 4, 2026  9:41\u202FAM"));
    f.scheduler.advance(std::chrono::minutes(1));
    EXPECT_TRUE(f.screen->dateLineText().endsWith(QStringLiteral("9:42\u202FAM")));
    f.fill(Section::calendar, "calendar");
    QApplication::processEvents();
    EXPECT_GE(f.window.height(), emptyHeight + 40);
    f.window.closeMenuWindow();
    EXPECT_FALSE(f.ticks.isRunning(menubar::ClockTimer::Precision::minute));
}

TEST(MenuWindow, OpensUnderTheClickAndClosesOnFocusLossUnlessPinned) {
    Fixture f;
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    f.window.showMenuWindow(QPoint(available.center().x(), available.top()));
    EXPECT_TRUE(f.window.isVisible());
    EXPECT_EQ(f.window.pos().y(), available.top());
    EXPECT_NEAR(f.window.pos().x() + f.window.sizeHint().width() / 2.0, available.center().x(), 1);

    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(&f.window, &deactivate);
    EXPECT_FALSE(f.window.isVisible());
    // The click on the item that took the focus counts as a close: it must not reopen.
    EXPECT_TRUE(f.window.isMenuWindowVisible());

    f.defaults.set(keys::pinWindow, true);
    f.window.showMenuWindow(std::nullopt);
    QApplication::sendEvent(&f.window, &deactivate);
    EXPECT_TRUE(f.window.isVisible());
    f.window.closeMenuWindow();
    EXPECT_FALSE(f.window.isMenuWindowVisible());
}
