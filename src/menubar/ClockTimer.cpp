// SPDX-License-Identifier: GPL-3.0-or-later
#include "menubar/ClockTimer.h"

#include "kit/SystemTimeZones.h"

namespace ruvo::menubar {

using namespace std::chrono_literals;
using Precision = ClockTimer::Precision;

namespace {

kit::Milliseconds length(Precision precision) {
    switch (precision) {
    case Precision::second:
        return 1s;
    case Precision::minute:
        return 1min;
    case Precision::hour:
        break;
    }
    return 1h;
}

kit::Instant floorTo(kit::Instant t, kit::Milliseconds unit) {
    const auto ms = t.time_since_epoch();
    auto q = ms / unit;
    if (ms % unit < kit::Milliseconds{0})
        --q;
    return kit::Instant{q * unit};
}

} // namespace

ClockTicks::ClockTicks(kit::Scheduler& scheduler, platform::SystemDateEvents& dateEvents,
                       std::function<QString()> zoneId)
    : m_scheduler(scheduler), m_zoneId(std::move(zoneId)),
      m_dateEvents(dateEvents.subscribe([this](platform::DateEvent e) {
          if (e == platform::DateEvent::clockChanged || e == platform::DateEvent::wake) {
              realign();
              tickNow();
          } else if (e == platform::DateEvent::timeZoneChanged) {
              // Local hours moved; every time on show is in the old zone.
              if (m_hour.subscribers > 0)
                  arm(Precision::hour);
              tickNow();
          } else if (e == platform::DateEvent::localeChanged) {
              tickNow();
          }
      })) {}

QTimeZone ClockTicks::zone() const {
    const QString id = m_zoneId ? m_zoneId() : kit::SystemTimeZones::currentZoneId();
    const QTimeZone zone(id.toUtf8());
    return zone.isValid() ? zone : QTimeZone::utc();
}

kit::Instant ClockTicks::nextBoundary(kit::Instant now, Precision precision) {
    return floorTo(now, length(precision)) + length(precision);
}

kit::Instant ClockTicks::nextHour(kit::Instant now, const QTimeZone& zone) {
    // Offsets in use are whole quarter hours: a full local hour is one of the next eight
    // quarter hours of UTC (two, where a change of daylight saving time falls between).
    kit::Instant candidate = floorTo(now, 15min);
    for (int i = 0; i < 8; ++i) {
        candidate += 15min;
        const auto offset = kit::Seconds{zone.offsetFromUtc(kit::toQDateTime(candidate))};
        if ((candidate.time_since_epoch() + offset) % kit::Milliseconds{1h} == kit::Milliseconds{0})
            return candidate;
    }
    return nextBoundary(now, Precision::hour);
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
    for (Precision p : {Precision::second, Precision::minute, Precision::hour})
        if (channel(p).subscribers > 0)
            arm(p);
}

void ClockTicks::tickNow() {
    for (Precision p : {Precision::second, Precision::minute})
        if (channel(p).subscribers > 0)
            channel(p).ticks.emit();
}

bool ClockTicks::isRunning(Precision precision) const {
    return channelOf(*this, precision).timer.isActive();
}

void ClockTicks::arm(Precision precision) {
    switch (precision) {
    case Precision::second:
        armSecond();
        return;
    case Precision::minute:
        armMinute(nextBoundary(m_scheduler.now(), Precision::minute));
        return;
    case Precision::hour:
        armHour(m_scheduler.now());
        return;
    }
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

void ClockTicks::armHour(kit::Instant from) {
    m_hour.timer = m_scheduler.at(nextHour(from, zone()), [this] { onHour(); });
}

void ClockTicks::onHour() {
    const kit::Instant now = m_scheduler.now();
    // The wall clock moved under the timer with no word of it: an hour tick now would strike
    // at the wrong time, so wait for the next full hour instead.
    const kit::Instant nearest = nextHour(now - 30min, zone());
    if (now < nearest - 1min || now > nearest + 1min) {
        armHour(now);
        return;
    }
    // As with minutes: a timer a little early must not arm a second tick for the same hour.
    armHour(now + 30min);
    m_hour.ticks.emit();
}

} // namespace ruvo::menubar
