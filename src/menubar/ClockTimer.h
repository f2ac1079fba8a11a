// SPDX-License-Identifier: GPL-3.0-or-later
// Clock ticks on whole seconds, minutes and hours, shared by everything that shows a clock.
//
//   ClockTicks ticks(scheduler);                  // one per program
//   ClockTimer t = ticks.subscribe(ClockTimer::Precision::minute, [] { redraw(); });
//
// Each precision has one timer, armed only while it has subscribers, so an idle program with
// minute precision wakes once a minute. Second ticks come from a repeating one-second timer
// whose first run is on the next whole second; minute ticks from a chain of one-shot timers,
// each armed for the start of the next minute. Timers count elapsed time (and stand still
// while the machine sleeps), so the timers are armed again when the clock is set or the
// machine wakes, and every subscriber gets one tick at once (also when the zone or locale
// changes: the times on show are stale). Hour ticks are different: they
// mark the full hours of the local clock (the zone's, so also half-hour zones) and mean that
// an hour has struck, which the hourly chime sounds for. Their timer is re-armed after a
// clock or zone change and after sleep, without a tick at once.
#pragma once

#include "kit/Scheduler.h"
#include "kit/Signal.h"
#include "platform/SystemDateEvents.h"

#include <QTimeZone>

namespace ruvo::menubar {

// A subscription to the clock: the callback runs at each tick until it is cancelled or dropped.
class ClockTimer {
public:
    enum class Precision { second, minute, hour };

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
    // `zoneId` names the zone whose full hours the hour ticks mark (the system's when empty).
    ClockTicks(kit::Scheduler& scheduler, platform::SystemDateEvents& dateEvents,
               std::function<QString()> zoneId = {});
    ClockTicks(const ClockTicks&) = delete;
    ClockTicks& operator=(const ClockTicks&) = delete;

    [[nodiscard]] ClockTimer subscribe(ClockTimer::Precision precision,
                                       std::function<void()> callback);

    // Re-arms the running timers from the current wall clock (after the clock was set).
    void realign();
    // One tick for every second and minute subscriber now: what they show is stale (the clock
    // was set, the zone or locale changed, or the machine slept through some ticks).
    void tickNow();

    bool isRunning(ClockTimer::Precision precision) const;

    // The first boundary of `precision` strictly after `now` (hours of UTC).
    static kit::Instant nextBoundary(kit::Instant now, ClockTimer::Precision precision);
    // The first full hour of the wall clock of `zone` strictly after `now`.
    static kit::Instant nextHour(kit::Instant now, const QTimeZone& zone);

private:
    struct Channel {
        kit::Signal<> ticks;
        kit::Timer timer;
        int subscribers = 0;
    };

    template <typename Self> static auto& channelOf(Self& self, ClockTimer::Precision precision) {
        switch (precision) {
        case ClockTimer::Precision::second:
            return self.m_second;
        case ClockTimer::Precision::minute:
            return self.m_minute;
        case ClockTimer::Precision::hour:
            break;
        }
        return self.m_hour;
    }
    Channel& channel(ClockTimer::Precision precision) { return channelOf(*this, precision); }
    void arm(ClockTimer::Precision precision);
    void armSecond();
    void armMinute(kit::Instant boundary);
    void onMinute();
    void armHour(kit::Instant from);
    void onHour();
    QTimeZone zone() const;
    void release(ClockTimer::Precision precision);

    kit::Scheduler& m_scheduler;
    Channel m_second;
    Channel m_minute;
    Channel m_hour;
    std::function<QString()> m_zoneId;
    kit::Subscription m_dateEvents;
    std::shared_ptr<int> m_alive = std::make_shared<int>(0);
};

} // namespace ruvo::menubar
