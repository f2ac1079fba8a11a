// SPDX-License-Identifier: GPL-3.0-or-later
#include "menubar/MenuBarController.h"

#include "MemoryDefaults.h"
#include "TestSupport.h"
#include "kit/VirtualScheduler.h"
#include "menubar/MenuWindowPresenter.h"
#include "menubar/RemainingEventsCounter.h"
#include "platform/fake/FakeStatusItem.h"
#include "platform/fake/FakeSystemDateEvents.h"
#include "settings/Keys.h"

#include <gtest/gtest.h>

using namespace ruvo;
using namespace std::chrono_literals;
using Precision = menubar::ClockTimer::Precision;
using ruvo::test::at;
namespace keys = settings::keys;

namespace {

struct FakeWindow final : menubar::MenuWindowPresenter {
    bool visible = false;
    std::vector<std::optional<QPoint>> shownAt;
    bool isMenuWindowVisible() const override { return visible; }
    void showMenuWindow(std::optional<QPoint> p) override {
        visible = true;
        shownAt.push_back(p);
    }
    void closeMenuWindow() override { visible = false; }
};

struct FixedCount final : menubar::RemainingEventsCounter {
    std::optional<int> remainingEventsToday(kit::Instant) const override { return 3; }
};

struct Fixture : test::MemoryDefaults {
    kit::VirtualScheduler scheduler{at("2026-12-04T14:41:05Z")};
    platform::FakeSystemDateEvents dateEvents;
    menubar::ClockTicks ticks{scheduler, dateEvents};
    platform::FakeStatusItem item;
    FakeWindow window;
    double measured = 50;
    menubar::MenuBarController controller{{
        defaults,
        scheduler,
        ticks,
        dateEvents,
        [] {
            return kit::Environment{QStringLiteral("en_US"), QStringLiteral("America/New_York")};
        },
        [this](const QString&, const platform::StatusItemTextStyle&) { return measured; },
    }};

    Fixture() {
        controller.attach(item);
        controller.setMenuWindow(&window);
        scheduler.runDue();
    }
    QString title() const { return item.content().title; }
};

} // namespace

TEST(MenuBarController, ClockSubscriptionFollowsTheSwitches) {
    struct Row {
        const char* name;
        std::function<void(Fixture&)> change;
        std::optional<Precision> expected;
    };
    const Row rows[] = {
        {"defaults", [](Fixture&) {}, Precision::minute},
        {"seconds", [](Fixture& f) { f.defaults.set(keys::showSecondsInMenuBar, true); },
         Precision::second},
        {"no time", [](Fixture& f) { f.defaults.set(keys::showTimeInMenuBar, false); },
         std::nullopt},
        {"no time, a zone clock in the menu bar",
         [](Fixture& f) {
             f.defaults.set(keys::showTimeInMenuBar, false);
             auto zone = settings::ChosenTimeZone::make(
                 QUuid::createUuid(), *settings::ZuTimeZone::make(QStringLiteral("Asia/Tokyo")));
             zone.isInMenuBar = true;
             f.defaults.set(keys::timeZonesInMenu, settings::TimeZoneList{zone});
         },
         Precision::minute},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Fixture f;
        row.change(f);
        const auto& clock = f.controller.clockTimer();
        EXPECT_EQ(clock.isActive() ? std::optional(clock.precision()) : std::nullopt, row.expected);
    }
}

TEST(MenuBarController, RecomposesOnMinuteTicksAndDateEvents) {
    Fixture f;
    EXPECT_EQ(f.title(), QStringLiteral("Fri 9:41") + QChar(0x202F) + QStringLiteral("AM"));
    const auto before = f.item.contents.size();
    f.scheduler.advanceTo(at("2026-12-04T14:43:30Z"));
    EXPECT_EQ(f.item.contents.size(), before + 2); // 9:42 and 9:43, nothing in between
    EXPECT_TRUE(f.title().startsWith(QStringLiteral("Fri 9:43")));
    f.dateEvents.send(platform::DateEvent::timeZoneChanged); // the event and the clock's tick
    EXPECT_GE(f.item.contents.size(), before + 3);
}

TEST(MenuBarController, CustomPatternWidthMovesOnlyPastTheTolerance) {
    Fixture f;
    f.defaults.set(keys::dateTimeFormat, QStringLiteral("HH:mm:ss"));
    EXPECT_EQ(f.item.content().fixedTextWidth, 58); // 50 + 8
    struct Step {
        double measured;
        double width;
    };
    const Step steps[] = {{53, 58}, {55.9, 58}, {56.2, 65}, {50.5, 65}, {58.7, 65}, {49, 57}};
    for (const Step& step : steps) {
        f.measured = step.measured;
        f.controller.composeTitle();
        EXPECT_EQ(f.item.content().fixedTextWidth, step.width) << step.measured;
    }
    f.defaults.set(keys::dateTimeFormat, QString());
    EXPECT_EQ(f.item.content().fixedTextWidth, 0);
}

TEST(MenuBarController, AppearanceIsDebouncedAndThrottled) {
    Fixture f;
    f.defaults.set(keys::menuBarTextColor, settings::OptionalColor(settings::Rgba{0, 0, 0, 255}));
    f.defaults.set(keys::menuBarTextColorDark,
                   settings::OptionalColor(settings::Rgba{255, 255, 255, 255}));
    const auto isWhite = [&] { return f.item.content().style.color->red() == 255; };
    EXPECT_FALSE(isWhite());
    auto count = f.item.contents.size();
    f.controller.onAppearanceChanged(true);
    f.scheduler.advance(300ms);
    f.controller.onAppearanceChanged(false);
    f.controller.onAppearanceChanged(true); // a burst: one redraw 0.5 s after its end
    f.scheduler.advance(499ms);
    EXPECT_EQ(f.item.contents.size(), count);
    f.scheduler.advance(1ms);
    EXPECT_EQ(f.item.contents.size(), count + 1);
    EXPECT_TRUE(isWhite());
    // Back to light 10 ms after that redraw: delivered within 0.7 s of it, so no redraw of
    // its own; the next redraw is light.
    f.scheduler.advance(10ms);
    f.controller.onAppearanceChanged(false);
    f.scheduler.advance(500ms);
    EXPECT_EQ(f.item.contents.size(), count + 1);
    f.controller.composeTitle();
    EXPECT_FALSE(isWhite());
    count = f.item.contents.size();
    f.controller.onAppearanceChanged(false); // the same value again: dropped
    f.scheduler.advance(600ms);
    EXPECT_EQ(f.item.contents.size(), count);
    f.controller.onAppearanceChanged(true); // past the 0.7 s: redrawn
    f.scheduler.advance(500ms);
    EXPECT_EQ(f.item.contents.size(), count + 1);
    EXPECT_TRUE(isWhite());
}

TEST(MenuBarController, FullRefreshSharesZonesAndIconsCarryTheDate) {
    Fixture f;
    FixedCount three;
    f.controller.setRemainingEventsCounter(&three);
    auto zone = settings::ChosenTimeZone::make(
        QUuid::createUuid(), *settings::ZuTimeZone::make(QStringLiteral("Europe/Berlin")));
    f.defaults.set(keys::timeZonesInMenu, settings::TimeZoneList{zone});
    EXPECT_EQ(f.defaults.get(keys::sharedTimeZones), settings::TimeZoneList{zone});

    f.defaults.set(keys::iconInMenuBar, settings::MenuBarIconType::dateAndDayOfWeek);
    const auto& icon = *f.item.content().icon;
    EXPECT_EQ(icon.dayOfMonth, 4);
    EXPECT_EQ(icon.weekday, QStringLiteral("Fri"));
    EXPECT_EQ(f.item.content().imagePosition, platform::ImagePosition::imageLeft);

    f.defaults.set(keys::iconInMenuBar, settings::MenuBarIconType::remainingEventsToday);
    f.defaults.set(keys::showTimeInMenuBar, false);
    f.defaults.set(keys::showWeekDayInMenuBar, false);
    EXPECT_EQ(f.item.content().icon->count, 3);
    EXPECT_EQ(f.title(), QString());
    EXPECT_EQ(f.item.content().imagePosition, platform::ImagePosition::imageOnly);
}

TEST(MenuBarController, ClickTogglesTheWindowAndTheSwitchHidesTheItem) {
    Fixture f;
    f.item.click(QPoint(700, 12));
    EXPECT_TRUE(f.window.visible);
    EXPECT_EQ(f.window.shownAt.back(), QPoint(700, 12));
    f.item.click(QPoint(700, 12));
    EXPECT_FALSE(f.window.visible);
    f.controller.toggleMenuWindow();
    EXPECT_TRUE(f.window.visible);
    EXPECT_EQ(f.window.shownAt.back(), std::nullopt);
    f.defaults.set(keys::showMenubarItem, false);
    EXPECT_FALSE(f.item.visible);
}
