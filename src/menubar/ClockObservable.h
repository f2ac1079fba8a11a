// SPDX-License-Identifier: GPL-3.0-or-later
// A clock for views: `date` is the instant of the last tick at the chosen precision.
#pragma once

#include "menubar/ClockTimer.h"

#include <QObject>
#include <optional>

namespace ruvo::menubar {

class ClockObservable : public QObject {
    Q_OBJECT
public:
    ClockObservable(ClockTicks& ticks, const kit::Clock& clock, ClockTimer::Precision precision,
                    QObject* parent = nullptr);

    kit::Instant date() const { return m_date; }
    std::optional<ClockTimer::Precision> precision() const { return m_precision; }

    // Changes the precision; nothing stops the ticks.
    void setPrecision(std::optional<ClockTimer::Precision> precision);

Q_SIGNALS:
    void dateChanged();

private:
    void onTick();

    ClockTicks& m_ticks;
    const kit::Clock& m_clock;
    kit::Instant m_date;
    std::optional<ClockTimer::Precision> m_precision;
    ClockTimer m_timer;
};

// The schedule of views that show a running clock: every second, or every 30 seconds while
// the window asks for low-frequency updates (hidden or inactive content).
struct EverySecondTimelineSchedule {
    static kit::Milliseconds interval(bool isLowFrequency) {
        return isLowFrequency ? kit::Milliseconds{30000} : kit::Milliseconds{1000};
    }
    // The first `count` entries from `start`.
    static std::vector<kit::Instant> entries(kit::Instant start, int count, bool isLowFrequency);
};

} // namespace ruvo::menubar
