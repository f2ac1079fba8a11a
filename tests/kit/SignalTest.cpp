// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/Signal.h"

#include <QObject>
#include <gtest/gtest.h>

using namespace ruvo;

TEST(Signal, HandlerThatDisconnectsAnotherDuringEmitDoesNotCallIt) {
    kit::Signal<int> signal;
    std::vector<int> calls;
    kit::Subscription second;
    auto first = signal.connect([&](int v) {
        calls.push_back(v);
        second.cancel();
    });
    second = signal.connect([&](int v) { calls.push_back(v * 10); });
    signal.emit(1);
    signal.emit(2);
    EXPECT_EQ(calls, (std::vector<int>{1, 2}));
}

TEST(Signal, SubscriptionTiedToAnObjectEndsWithIt) {
    kit::Signal<> signal;
    int calls = 0;
    auto* owner = new QObject;
    signal.connect([&] { ++calls; }).tieTo(owner);
    signal.emit();
    delete owner;
    signal.emit();
    EXPECT_EQ(calls, 1);
}

TEST(ObservableValue, ReportsOnlyRealChanges) {
    kit::ObservableValue<int> value(1);
    std::vector<int> seen;
    auto sub = value.observe([&](int v) { seen.push_back(v); });
    value.set(1);
    value.set(2);
    value.set(2);
    value.set(3);
    EXPECT_EQ(seen, (std::vector<int>{2, 3}));
}
