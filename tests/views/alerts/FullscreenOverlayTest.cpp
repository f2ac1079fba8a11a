// SPDX-License-Identifier: GPL-3.0-or-later
// The overlay on the offscreen platform with two screens (two-screens.json).
#include "views/alerts/FullscreenOverlay.h"

#include "MemoryDefaults.h"
#include "TestEvents.h"
#include "TestSupport.h"
#include "kit/VirtualScheduler.h"
#include "platform/fake/FakeCalendarStore.h"
#include "platform/fake/FakeSoundPlayer.h"
#include "platform/fake/FakeSystemDateEvents.h"
#include "settings/Keys.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace ruvo::views {
namespace {

using namespace std::chrono_literals;
namespace keys = settings::keys;

const kit::Instant kNow = test::at("2026-12-07T14:00:00Z");

struct Fixture : test::MemoryDefaults {
    kit::VirtualScheduler scheduler{kNow};
    platform::FakeSystemDateEvents dateEvents;
    platform::FakeCalendarStore store;
    events::EventsController events{store, defaults, scheduler};
    platform::FakeSoundPlayer player;
    bool canOpenCalls = true;
    alerts::FullscreenAlertController controller{
        {defaults,
         scheduler,
         scheduler,
         events,
         store,
         dateEvents,
         player,
         [](const platform::Event& e) { return !e.url().isEmpty(); },
         {},
         [this](const platform::Event&) { return canOpenCalls; },
         {}}};
    FullscreenOverlay overlay{
        controller, [] {
            return kit::Environment{QStringLiteral("en_US"), QStringLiteral("America/New_York")};
        }};

    // Shows "<b>Sync</b>" at 09:10 New York time, with a call link when asked.
    Fixture(bool hasCall = true) {
        store.calendarList.push_back(platform::Calendar{});
        store.calendarList.back().identifier = QStringLiteral("A");
        auto data = test::eventData("<b>Sync</b>", "sync");
        if (hasCall)
            data->extra().url = QStringLiteral("https://meet.google.com/abc-defg-hij");
        store.addEvent(data, kNow + 10min, kNow + 40min);
        defaults.set(keys::fullscreenNotifications_isEnabled, true);
        defaults.set(keys::fullscreenNotifications_calendars, {QStringLiteral("A")});
        scheduler.advance(10min);
    }
};

QStringList labelTexts(QWidget* window) {
    QStringList texts;
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->isVisibleTo(window))
            texts << label->text();
    return texts;
}

TEST(FullscreenOverlay, CoversEveryScreenWithPlainText) {
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    for (bool hasCall : {true, false}) {
        SCOPED_TRACE(hasCall);
        Fixture f(hasCall);
        const auto windows = f.overlay.windows();
        ASSERT_EQ(windows.size(), 2u);
        for (std::size_t i = 0; i < windows.size(); ++i) {
            EXPECT_TRUE(windows[i]->isVisible());
            EXPECT_EQ(windows[i]->geometry(), QGuiApplication::screens()[int(i)]->geometry());
            EXPECT_TRUE(windows[i]->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            EXPECT_EQ(labelTexts(windows[i]), (QStringList{QStringLiteral("9:10 AM – 9:40 AM"),
                                                           QStringLiteral("<b>Sync</b>")}));
            EXPECT_EQ(windows[i]->joinButton()->isVisibleTo(windows[i]), hasCall);
        }
    }
}

TEST(FullscreenOverlay, EveryWayOutClosesEveryScreen) {
    struct Row {
        const char* name;
        std::function<void(FullscreenAlertWindow*)> choose;
        std::optional<kit::Instant> snoozedUntil;
    };
    const Row rows[] = {
        {"Escape", [](FullscreenAlertWindow* w) { QTest::keyClick(w, Qt::Key_Escape); }, {}},
        {"Dismiss", [](FullscreenAlertWindow* w) { w->dismissButton()->click(); }, {}},
        {"Join", [](FullscreenAlertWindow* w) { w->joinButton()->click(); }, {}},
        {"Snooze 5 minutes",
         [](FullscreenAlertWindow* w) { w->snoozeButton()->menu()->actions()[1]->trigger(); },
         kNow + 15min},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Fixture f;
        ASSERT_EQ(f.overlay.windows().size(), 2u);
        row.choose(f.overlay.windows()[1]); // the screen without the keyboard
        QCoreApplication::processEvents();
        EXPECT_TRUE(f.overlay.windows().empty());
        EXPECT_EQ(f.controller.snoozedUntil(), row.snoozedUntil);
    }
}

TEST(FullscreenOverlay, AFailedJoinShowsItsErrorAndStays) {
    Fixture f;
    f.canOpenCalls = false;
    f.overlay.windows()[0]->joinButton()->click();
    QCoreApplication::processEvents();
    ASSERT_EQ(f.overlay.windows().size(), 2u);
    for (FullscreenAlertWindow* window : f.overlay.windows())
        EXPECT_TRUE(
            labelTexts(window).contains(QStringLiteral("The video call could not be opened.")));
}

} // namespace
} // namespace ruvo::views
