// SPDX-License-Identifier: GPL-3.0-or-later
// The hourly chime: at each full hour inside the daily window, the chosen sound at the chosen
// volume. The program keeps one HourlyChime while the chime is switched on; it listens to the
// shared hour tick and reads its settings at each tick, so a new sound, volume or window
// applies from the next hour. Switching on never chimes at once.
#pragma once

#include "kit/Debouncer.h"
#include "kit/Scheduler.h"
#include "kit/Signal.h"
#include "platform/SoundPlayer.h"
#include "settings/Defaults.h"
#include "settings/records/PlainHourMinuteTime.h"

#include <QTimeZone>
#include <functional>
#include <optional>
#include <vector>

namespace ruvo::alerts {

struct ChimeSettings {
    bool isEnabled = false;
    std::optional<QString> sound;
    double volume = 0.5;
    settings::PlainHourMinuteTimeRange range;

    static ChimeSettings read(const settings::Defaults& defaults);
};

// The sound that sounds for an hour tick at `t`; none outside the window or without a sound.
// (Whether the chime is switched on is the caller's question.)
std::optional<QString> chimeSoundAt(kit::Instant t, const ChimeSettings& settings,
                                    const QTimeZone& zone);

struct PlannedChime {
    kit::Instant fireAt;
    QString sound; // as stored ("Glass", "gong")
};

// The chimes among `hourTicks` (instants of full hours): none when the chime is off.
std::vector<PlannedChime> plannedChimes(const std::vector<kit::Instant>& hourTicks,
                                        const ChimeSettings& settings, const QTimeZone& zone);

class HourlyChime {
public:
    // Subscribes a callback to the full-hour tick; the subscription ends the listening.
    using HourTicks = std::function<kit::Subscription(std::function<void()>)>;

    struct Dependencies {
        const settings::Defaults& defaults;
        kit::Scheduler& scheduler;
        platform::SoundPlayer& player;
        std::function<QString()> zoneId; // the zone whose hours strike
        HourTicks hourTicks;
    };

    explicit HourlyChime(Dependencies dependencies);
    HourlyChime(const HourlyChime&) = delete;
    HourlyChime& operator=(const HourlyChime&) = delete;

private:
    void onHour();

    Dependencies m_deps;
    kit::Debouncer m_debounce; // a burst of ticks (a tick and a re-armed timer) chimes once
    kit::Subscription m_ticks;
};

} // namespace ruvo::alerts
