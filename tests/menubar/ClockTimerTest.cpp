// SPDX-License-Identifier: GPL-3.0-or-later
#include "menubar/ClockTimer.h"

#include "TestSupport.h"
#include "kit/VirtualScheduler.h"
#include "menubar/ClockObservable.h"
#include "platform/fake/FakeSystemDateEvents.h"

#include <gtest/gtest.h>

using namespace ruvo;
using namespace std::chrono_literals;
using menubar::ClockTicks;
using Precision = menubar::ClockTimer::Precision;
using ruvo::test::at;

namespace {

struct Ticking {
    kit::VirtualScheduler scheduler{at("2026-12-04T09:41:05.250Z")};
    platform::FakeSystemDateEvents dateEvents;
    ClockTicks ticks{scheduler, dateEvents};
    std::vector<kit::Instant> seen;

    menubar::ClockTimer record(Precision p) {
        return ticks.subscribe(p, [this] { seen.push_back(scheduler.now()); });
    }
};

bool onBoundary(kit::Instant t, kit::Milliseconds unit) {
    return t.time_since_epoch() % unit == kit::Milliseconds{0};
}

} // namespace

TEST(ClockTicks, TicksFallOnBoundariesAlsoAcrossClockChangesAndSleep) {
    struct Row {
        const char* name;
        Precision precision;
        kit::Milliseconds unit;
        kit::Milliseconds jump; // wall clock set by this much after 3 ticks
        bool viaWake;
    };
    const Row rows[] = {
        {"seconds, clock set forward", Precision::second, 1s, 2500ms, false},
        {"minutes, clock set back", Precision::minute, 1min, -37s, false},
        {"minutes, machine slept (timers stood still)", Precision::minute, 1min, 3h + 17s, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Ticking t;
        auto timer = t.record(row.precision);
        t.scheduler.advance(row.unit * 3);
        ASSERT_EQ(t.seen.size(), 3u);
        EXPECT_EQ(t.seen.front(),
                  ClockTicks::nextBoundary(at("2026-12-04T09:41:05.250Z"), row.precision));
        t.scheduler.jumpWallClock(row.jump);
        t.dateEvents.send(row.viaWake ? platform::DateEvent::wake
                                      : platform::DateEvent::clockChanged);
        // One tick at once for the new time, then ticks on the boundaries again.
        ASSERT_EQ(t.seen.size(), 4u);
        EXPECT_EQ(t.seen.back(), t.scheduler.now());
        t.seen.clear();
        t.scheduler.advance(row.unit * 5);
        ASSERT_GE(t.seen.size(), 4u);
        for (kit::Instant tick : t.seen)
            EXPECT_TRUE(onBoundary(tick, row.unit)) << kit::formatIsoUtc(tick).toStdString();
    }
}

TEST(ClockTicks, LateAndEarlyMinuteTimersStillTickOncePerMinute) {
    Ticking t;
    auto timer = t.record(Precision::minute);
    t.scheduler.advanceTo(at("2026-12-04T09:41:59Z"));
    // The wall clock slips 2 ms behind the timer: the tick arrives at 09:41:59.998 and must
    // stand for 09:42, not arm a second tick for 09:42:00.
    t.scheduler.jumpWallClock(-2ms);
    t.scheduler.advance(10min);
    ASSERT_EQ(t.seen.size(), 10u);
    for (kit::Instant tick : t.seen) {
        const auto offBy = (tick.time_since_epoch() + 30s) % kit::Milliseconds{1min} - 30s;
        EXPECT_LE(std::chrono::abs(offBy), 2ms);
    }
}

TEST(ClockTicks, TimersRunOnlyWhileSomeoneListensAndAreShared) {
    Ticking t;
    EXPECT_EQ(t.scheduler.pendingCount(), 0u);
    int a = 0, b = 0;
    auto first = t.ticks.subscribe(Precision::minute, [&] { ++a; });
    auto second = t.ticks.subscribe(Precision::minute, [&] { ++b; });
    EXPECT_EQ(t.scheduler.pendingCount(), 1u); // one shared timer
    t.scheduler.advance(2min);
    first.cancel();
    t.scheduler.advance(2min);
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, 4);
    second = {};
    EXPECT_FALSE(t.ticks.isRunning(Precision::minute));
    EXPECT_EQ(t.scheduler.pendingCount(), 0u);
}

TEST(ClockTicks, SubscriberMayCancelItselfDuringATick) {
    Ticking t;
    menubar::ClockTimer self;
    int runs = 0;
    self = t.ticks.subscribe(Precision::second, [&] {
        if (++runs == 2)
            self.cancel();
    });
    t.scheduler.advance(10s);
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(t.scheduler.pendingCount(), 0u);
}

TEST(ClockObservable, DateFollowsTicksAtTheChosenPrecision) {
    Ticking t;
    menubar::ClockObservable clock(t.ticks, t.scheduler, Precision::second);
    int changes = 0;
    QObject::connect(&clock, &menubar::ClockObservable::dateChanged, [&] { ++changes; });
    t.scheduler.advance(3s);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(clock.date(), at("2026-12-04T09:41:08Z"));
    clock.setPrecision(Precision::minute);
    t.scheduler.advance(2min);
    EXPECT_EQ(changes, 5);
    clock.setPrecision(std::nullopt);
    t.scheduler.advance(5min);
    EXPECT_EQ(changes, 5);
    EXPECT_EQ(
        menubar::EverySecondTimelineSchedule::entries(at("2026-12-04T09:41:00Z"), 3, true).back(),
        at("2026-12-04T09:42:00Z"));
}
