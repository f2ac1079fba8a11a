// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/OffsetScheduler.h"

#include "TestSupport.h"
#include "kit/VirtualScheduler.h"

#include <gtest/gtest.h>

using namespace ruvo;
using namespace std::chrono_literals;
using ruvo::test::at;

// The real clock says 15:00; the program was started with --now 09:59:50 the day before.
TEST(OffsetScheduler, ClockStartsAtTheChosenInstantAndTimersRunOnRealElapsedTime) {
    kit::VirtualScheduler real(at("2026-12-05T15:00:00Z"));
    kit::OffsetScheduler s(real, at("2026-12-04T09:59:50Z"));
    EXPECT_EQ(s.now(), at("2026-12-04T09:59:50Z"));

    std::vector<std::pair<int, kit::Instant>> ran;
    auto record = [&](int id) { return [&, id] { ran.emplace_back(id, s.now()); }; };
    auto alert = s.at(at("2026-12-04T10:00:00Z"), record(1));
    auto realTen = s.at(at("2026-12-05T10:00:00Z"), record(2)); // far off on the shifted clock
    auto past = s.at(at("2026-12-04T09:00:00Z"), record(0));
    auto delay = s.after(4s, record(3));
    auto tick = s.every(6s, record(4));

    real.advance(12s);
    const std::vector<std::pair<int, kit::Instant>> expected{
        {0, at("2026-12-04T09:59:50Z")}, {3, at("2026-12-04T09:59:54Z")},
        {4, at("2026-12-04T09:59:56Z")}, {1, at("2026-12-04T10:00:00Z")},
        {4, at("2026-12-04T10:00:02Z")},
    };
    EXPECT_EQ(ran, expected);
    EXPECT_TRUE(realTen.isActive());
    EXPECT_EQ(real.now(), at("2026-12-05T15:00:12Z"));

    // Setting the system clock moves the shifted clock by as much.
    real.jumpWallClock(1h);
    EXPECT_EQ(s.now(), at("2026-12-04T11:00:02Z"));
}
