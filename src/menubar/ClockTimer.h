// SPDX-License-Identifier: GPL-3.0-or-later
// Clock ticks on whole seconds and whole minutes, shared by everything that shows a clock.
//
//   ClockTicks ticks(scheduler);                  // one per program
//   ClockTimer t = ticks.subscribe(ClockTimer::Precision::minute, [] { redraw(); });
//
// Each precision has one timer, armed only while it has subscribers, so an idle program with
// minute precision wakes once a minute. Second ticks come from a repeating one-second timer
// whose first run is on the next whole second; minute ticks from a chain of one-shot timers,
// each armed for the start of the next minute. Timers count elapsed time (and stand still
// while the machine sleeps), so the timers are armed again when the clock is set or the
// machine wakes, and every subscriber gets one tick at once.
#pragma once

#include "kit/Scheduler.h"
#include "kit/Signal.h"
#include "platform/SystemDateEvents.h"

namespace ruvo::menubar {

// A subscription to the clock: the callback runs at each tick until it is cancelled or dropped.
class ClockTimer {
public:
    enum class Precision { second, minute };

    ClockTimer() = default;
    ClockTimer(Precision precision, kit::Subscription subscription)
        : m_precision(precision), m_subscription(std::move(subscription)) {}

    bool isActive() const { return m_subscription.isActive(); }
    Precision precision() const { return m_precision; }
    void cancel() { m_subscription.cancel(); }

private:
    Precision m_precision = Precision::minute;
    kit::Subscription m_subscription;
};

class ClockTicks {
public:
    ClockTicks(kit::Scheduler& scheduler, platform::SystemDateEvents& dateEvents);
    ClockTicks(const ClockTicks&) = delete;
    ClockTicks& operator=(const ClockTicks&) = delete;

    [[nodiscard]] ClockTimer subscribe(ClockTimer::Precision precision,
                                       std::function<void()> callback);

    // Re-arms the running timers from the current wall clock (after the clock was set).
    void realign();
    // One tick for every subscriber now: what they show is stale (the clock was set, or the
    // machine slept through some ticks).
    void tickNow();

    bool isRunning(ClockTimer::Precision precision) const;

    // The first boundary of `precision` strictly after `now`.
    static kit::Instant nextBoundary(kit::Instant now, ClockTimer::Precision precision);

private:
    struct Channel {
        kit::Signal<> ticks;
        kit::Timer timer;
        int subscribers = 0;
    };

    Channel& channel(ClockTimer::Precision precision) {
        return precision == ClockTimer::Precision::second ? m_second : m_minute;
    }
    void arm(ClockTimer::Precision precision);
    void armSecond();
    void armMinute(kit::Instant boundary);
    void onMinute();
    void release(ClockTimer::Precision precision);

    kit::Scheduler& m_scheduler;
    Channel m_second;
    Channel m_minute;
    kit::Subscription m_dateEvents;
    std::shared_ptr<int> m_alive = std::make_shared<int>(0);
};

} // namespace ruvo::menubar
