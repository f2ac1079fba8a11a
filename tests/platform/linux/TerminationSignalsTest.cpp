// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/TerminationSignals.h"

#include "TestSupport.h"

#include <csignal>
#include <gtest/gtest.h>

using namespace ruvo;

TEST(TerminationSignals, ReachTheEventLoopAndLeaveTheDefaultsBehind) {
    std::vector<int> seen;
    {
        platform::TerminationSignals signals([&seen](int s) { seen.push_back(s); });
        // Both arrive while the process keeps running, in order, on the main thread.
        std::raise(SIGTERM);
        std::raise(SIGINT);
        ASSERT_TRUE(test::processEventsUntil([&] { return seen.size() == 2; }));
        EXPECT_EQ(seen, (std::vector<int>{SIGTERM, SIGINT}));
    }
    struct sigaction current = {};
    sigaction(SIGTERM, nullptr, &current);
    EXPECT_EQ(current.sa_handler, SIG_DFL);
}
