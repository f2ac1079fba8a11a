// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "kit/Debouncer.h"
#include "kit/RealScheduler.h"
#include "kit/VirtualScheduler.h"

#include <gtest/gtest.h>
#include <memory>

using namespace ruvo;
using namespace std::chrono_literals;
using ruvo::test::at;

TEST(VirtualScheduler, RunsDueWorkInOrderWithNowAtEachDueTime) {
    kit::VirtualScheduler s(at("2026-12-04T09:00:00Z"));
    std::vector<std::pair<int, kit::Instant>> ran;
    auto record = [&](int id) { return [&, id] { ran.emplace_back(id, s.now()); }; };
    auto t3 = s.after(3s, record(3));
    auto t1 = s.at(at("2026-12-04T09:00:01Z"), record(1));
    auto t2a = s.after(2s, record(20));
    auto t2b = s.after(2s, record(21)); // same due time: scheduling order
    auto past = s.at(at("2026-12-04T08:00:00Z"), record(0));
    s.advance(10s);
    ASSERT_EQ(ran.size(), 5u);
    EXPECT_EQ(ran[0], std::make_pair(0, at("2026-12-04T09:00:00Z")));
    EXPECT_EQ(ran[1], std::make_pair(1, at("2026-12-04T09:00:01Z")));
    EXPECT_EQ(ran[2].first, 20);
    EXPECT_EQ(ran[3].first, 21);
    EXPECT_EQ(ran[4], std::make_pair(3, at("2026-12-04T09:00:03Z")));
    EXPECT_EQ(s.now(), at("2026-12-04T09:00:10Z"));
    EXPECT_FALSE(t1.isActive());
}

TEST(VirtualScheduler, CancelledAndDroppedTimersNeverRun) {
    kit::VirtualScheduler s(at("2026-12-04T09:00:00Z"));
    int runs = 0;
    auto kept = s.after(1s, [&] { ++runs; });
    auto cancelled = s.after(1s, [&] { runs += 100; });
    cancelled.cancel();
    {
        auto dropped = s.after(1s, [&] { runs += 1000; });
    }
    auto replaced = s.after(1s, [&] { runs += 10000; });
    replaced = s.after(5s, [&] { runs += 10; });
    s.advance(10s);
    EXPECT_EQ(runs, 11);
    EXPECT_EQ(s.pendingCount(), 0u);
}

TEST(VirtualScheduler, RepeatingTimerKeepsItsRateAndCanCancelItselfWhileRunning) {
    kit::VirtualScheduler s(at("2026-12-04T09:00:00Z"));
    std::vector<kit::Instant> ticks;
    kit::Timer timer;
    timer = s.every(60s, [&] {
        ticks.push_back(s.now());
        if (ticks.size() == 3)
            timer.cancel();
    });
    s.advance(10min);
    ASSERT_EQ(ticks.size(), 3u);
    EXPECT_EQ(ticks[2], at("2026-12-04T09:03:00Z"));
}

TEST(VirtualScheduler, WallClockJumpMovesNowButNotPendingTimers) {
    kit::VirtualScheduler s(at("2026-12-04T09:00:00Z"));
    kit::Instant firedAt{};
    auto t = s.at(at("2026-12-04T09:10:00Z"), [&] { firedAt = s.now(); });
    s.jumpWallClock(1h); // the user sets the clock forward
    EXPECT_EQ(s.now(), at("2026-12-04T10:00:00Z"));
    s.runDue();
    EXPECT_EQ(firedAt, kit::Instant{}); // a real timer counts elapsed time, not the wall clock
    s.advance(10min);
    EXPECT_EQ(firedAt, at("2026-12-04T10:10:00Z"));
}

TEST(VirtualScheduler, TaskMayScheduleMoreWorkThatFallsDueInTheSameAdvance) {
    kit::VirtualScheduler s(at("2026-12-04T09:00:00Z"));
    std::vector<int> order;
    kit::Timer second;
    auto first = s.after(1s, [&] {
        order.push_back(1);
        second = s.after(1s, [&] { order.push_back(2); });
    });
    s.advance(3s);
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
}

TEST(VirtualScheduler, HandlesOutliveTheScheduler) {
    kit::Timer t;
    const auto held = std::make_shared<int>(0); // stands for what a task keeps alive
    {
        kit::VirtualScheduler s(at("2026-12-04T09:00:00Z"));
        t = s.after(1s, [held] {});
        EXPECT_EQ(held.use_count(), 2);
    }
    EXPECT_EQ(held.use_count(), 1); // the scheduler's end frees its tasks
    t.cancel();                     // and must not touch the destroyed scheduler (ASan)
    EXPECT_FALSE(t.isActive());
}

TEST(Debouncer, BurstGivesOneCallAfterTheQuietPeriod) {
    kit::VirtualScheduler s(at("2026-12-04T09:00:00Z"));
    std::vector<kit::Instant> calls;
    kit::Debouncer debouncer(s, 100ms, [&] { calls.push_back(s.now()); });
    for (int i = 0; i < 10; ++i) { // ten triggers within 50 ms
        debouncer.trigger();
        s.advance(5ms);
    }
    s.advance(1s);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0], at("2026-12-04T09:00:00.145Z"));
    debouncer.trigger();
    s.advance(99ms);
    EXPECT_EQ(calls.size(), 1u);
    s.advance(1ms);
    EXPECT_EQ(calls.size(), 2u);
}

TEST(RealScheduler, RunsOneShotsInDueOrderAndHonoursCancel) {
    kit::RealScheduler s;
    std::vector<int> order;
    auto late = s.after(30ms, [&] { order.push_back(2); });
    auto early = s.after(1ms, [&] { order.push_back(1); });
    auto never = s.after(5ms, [&] { order.push_back(99); });
    never.cancel();
    ASSERT_TRUE(test::processEventsUntil([&] { return order.size() == 2; }));
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
    EXPECT_FALSE(late.isActive());
}
