// SPDX-License-Identifier: GPL-3.0-or-later
// The main thread's stall measure: virtual time runs the timer, a hand-moved clock says how
// long each turn of the event loop really took.
#include "app/StallMonitor.h"

#include "TestSupport.h"
#include "kit/VirtualScheduler.h"

#include <gtest/gtest.h>

using namespace ruvo;
using namespace std::chrono_literals;

namespace {

struct HandClock final : kit::Clock {
    kit::Instant at;
    kit::Instant now() const override { return at; }
};

} // namespace

TEST(StallMonitor, ReportsEachStallOverTheLimitAndAWindowSummary) {
    struct Case {
        const char* what;
        std::vector<int> turns; // the time each tick really took, in ms (10: on time)
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"on time", std::vector<int>(5, 10), {}},
        {"late, but not over the limit", {10, 60, 10}, {}},
        {"over the limit", {10, 61, 10}, {"stall 71 51"}},
        {"early ticks are not negative lateness", {2, 2, 70}, {"stall 74 60"}},
        {"a window closes after 100 ms, and the next starts afresh",
         {10, 80, 10, 10, 10, 10, 10, 10, 10, 10, 10, 20},
         {"stall 90 70", "window 100 3 70 1", "window 200 9 10 0"}},
    };
    for (const Case& c : cases) {
        kit::VirtualScheduler scheduler(test::at("2026-12-06T09:00:00Z"));
        HandClock steady;
        std::vector<std::string> lines;
        app::StallMonitor monitor(scheduler, steady,
                                  [&](const QString& line) { lines.push_back(line.toStdString()); },
                                  {.interval = 10ms, .stallOver = 50ms, .reportEvery = 100ms});
        for (int turn : c.turns) {
            steady.at += kit::Milliseconds(turn);
            scheduler.advance(10ms);
        }
        EXPECT_EQ(lines, c.lines) << c.what;
    }
}
