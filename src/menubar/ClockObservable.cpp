// SPDX-License-Identifier: GPL-3.0-or-later
#include "menubar/ClockObservable.h"

namespace ruvo::menubar {

ClockObservable::ClockObservable(ClockTicks& ticks, const kit::Clock& clock,
                                 ClockTimer::Precision precision, QObject* parent)
    : QObject(parent), m_ticks(ticks), m_clock(clock), m_date(clock.now()) {
    setPrecision(precision);
}

void ClockObservable::setPrecision(std::optional<ClockTimer::Precision> precision) {
    if (precision == m_precision && m_timer.isActive() == precision.has_value())
        return;
    m_precision = precision;
    m_timer = precision ? m_ticks.subscribe(*precision, [this] { onTick(); }) : ClockTimer{};
}

void ClockObservable::onTick() {
    m_date = m_clock.now();
    Q_EMIT dateChanged();
}

std::vector<kit::Instant> EverySecondTimelineSchedule::entries(kit::Instant start, int count,
                                                               bool isLowFrequency) {
    std::vector<kit::Instant> result;
    for (int i = 0; i < count; ++i)
        result.push_back(start + i * interval(isLowFrequency));
    return result;
}

} // namespace ruvo::menubar
