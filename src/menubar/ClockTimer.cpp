// SPDX-License-Identifier: GPL-3.0-or-later
#include "menubar/ClockTimer.h"

namespace ruvo::menubar {

using namespace std::chrono_literals;
using Precision = ClockTimer::Precision;

namespace {

kit::Milliseconds length(Precision precision) {
    return precision == Precision::second ? kit::Milliseconds{1s} : kit::Milliseconds{1min};
}

kit::Instant floorTo(kit::Instant t, kit::Milliseconds unit) {
    const auto ms = t.time_since_epoch();
    auto q = ms / unit;
    if (ms % unit < kit::Milliseconds{0})
        --q;
    return kit::Instant{q * unit};
}

} // namespace

ClockTicks::ClockTicks(kit::Scheduler& scheduler, platform::SystemDateEvents& dateEvents)
    : m_scheduler(scheduler), m_dateEvents(dateEvents.subscribe([this](platform::DateEvent e) {
          if (e == platform::DateEvent::clockChanged || e == platform::DateEvent::wake) {
              realign();
              tickNow();
          }
      })) {}

kit::Instant ClockTicks::nextBoundary(kit::Instant now, Precision precision) {
    return floorTo(now, length(precision)) + length(precision);
}

ClockTimer ClockTicks::subscribe(Precision precision, std::function<void()> callback) {
    Channel& c = channel(precision);
    auto subscription = c.ticks.connect([callback = std::move(callback)] { callback(); });
    if (c.subscribers++ == 0)
        arm(precision);
    std::weak_ptr<int> alive = m_alive;
    auto inner = std::make_shared<kit::Subscription>(std::move(subscription));
    return ClockTimer(precision, kit::Subscription([this, alive, inner, precision] {
                          inner->cancel();
                          if (alive.lock())
                              release(precision);
                      }));
}

void ClockTicks::release(Precision precision) {
    Channel& c = channel(precision);
    if (--c.subscribers == 0)
        c.timer.cancel();
}

void ClockTicks::realign() {
    for (Precision p : {Precision::second, Precision::minute})
        if (channel(p).subscribers > 0)
            arm(p);
}

void ClockTicks::tickNow() {
    for (Precision p : {Precision::second, Precision::minute})
        if (channel(p).subscribers > 0)
            channel(p).ticks.emit();
}

bool ClockTicks::isRunning(Precision precision) const {
    const Channel& c = precision == Precision::second ? m_second : m_minute;
    return c.timer.isActive();
}

void ClockTicks::arm(Precision precision) {
    if (precision == Precision::second)
        armSecond();
    else
        armMinute(nextBoundary(m_scheduler.now(), Precision::minute));
}

void ClockTicks::armSecond() {
    const kit::Instant first = nextBoundary(m_scheduler.now(), Precision::second);
    m_second.timer = m_scheduler.at(first, [this] {
        // From here a repeating timer keeps the phase of the first whole second.
        m_second.timer = m_scheduler.every(1s, [this] { m_second.ticks.emit(); });
        m_second.ticks.emit();
    });
}

void ClockTicks::armMinute(kit::Instant boundary) {
    m_minute.timer = m_scheduler.at(boundary, [this] { onMinute(); });
}

void ClockTicks::onMinute() {
    // A timer may run a little early or late; the boundary it stands for is the nearest one.
    const kit::Instant reached = floorTo(m_scheduler.now() + 30s, length(Precision::minute));
    armMinute(reached + 1min);
    m_minute.ticks.emit();
}

} // namespace ruvo::menubar
