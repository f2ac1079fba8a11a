// SPDX-License-Identifier: GPL-3.0-or-later
#include "alerts/HourlyChime.h"

#include "alerts/ChimeLog.h"
#include "alerts/HourlyChimeWindow.h"
#include "alerts/SoundCatalogue.h"
#include "settings/Keys.h"

namespace ruvo::alerts {

using namespace std::chrono_literals;
namespace keys = settings::keys;

namespace {

QTimeZone zoneNamed(const QString& id) {
    const QTimeZone zone(id.toUtf8());
    return zone.isValid() ? zone : QTimeZone::utc();
}

} // namespace

ChimeSettings ChimeSettings::read(const settings::Defaults& d) {
    return {d.get(keys::hourlyChime_isEnabled), d.get(keys::hourlyChimeSound),
            d.get(keys::hourlyChime_soundVolume), d.get(keys::hourlyChimeTimeRange)};
}

std::optional<QString> chimeSoundAt(kit::Instant t, const ChimeSettings& settings,
                                    const QTimeZone& zone) {
    if (!settings.sound || !isInsideChimeWindow(t, settings.range, zone))
        return std::nullopt;
    return settings.sound;
}

std::vector<PlannedChime> plannedChimes(const std::vector<kit::Instant>& hourTicks,
                                        const ChimeSettings& settings, const QTimeZone& zone) {
    std::vector<PlannedChime> chimes;
    if (!settings.isEnabled)
        return chimes;
    for (kit::Instant t : hourTicks)
        if (auto sound = chimeSoundAt(t, settings, zone))
            chimes.push_back({t, *sound});
    return chimes;
}

HourlyChime::HourlyChime(Dependencies dependencies)
    : m_deps(std::move(dependencies)), m_debounce(m_deps.scheduler, 100ms, [this] { onHour(); }),
      m_ticks(m_deps.hourTicks([this] { m_debounce.trigger(); })) {}

void HourlyChime::onHour() {
    const ChimeSettings settings = ChimeSettings::read(m_deps.defaults);
    const auto sound = chimeSoundAt(m_deps.scheduler.now(), settings, zoneNamed(m_deps.zoneId()));
    if (sound && playSound(m_deps.player, sound, settings.volume))
        qCInfo(lcChime) << "Hourly Chime played";
}

} // namespace ruvo::alerts
