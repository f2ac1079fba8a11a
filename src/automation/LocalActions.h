// SPDX-License-Identifier: GPL-3.0-or-later
// The actions as this process answers them: on its own settings, clock and environment. The
// join goes to whoever can find and open the next call (the running program, or a command
// with the calendars open).
#pragma once

#include "automation/Actions.h"
#include "automation/SoundFiles.h"
#include "settings/Defaults.h"

#include <functional>

namespace ruvo::automation {

class LocalActions final : public Actions {
public:
    // `joinNextCall` returns false when there is no call; an error when the calendars cannot
    // be read. `environment` is asked on every call, so a changed locale or zone applies.
    struct Services {
        std::function<ActionResult<bool>()> joinNextCall;
        std::function<kit::Environment()> environment;
    };

    LocalActions(settings::Defaults& defaults, const kit::Clock& clock, SoundFiles sounds,
                 Services services)
        : m_defaults(defaults), m_clock(clock), m_sounds(std::move(sounds)),
          m_services(std::move(services)) {}

    ActionResult<bool> joinVideoCall() override;
    ActionResult<std::vector<TimeZoneEntity>> timeZones() override;
    ActionResult<TimeZoneEntity> timeZone(const QString& id) override;
    ActionResult<bool> isEnabled(Switch which) override;
    ActionStatus setEnabled(Switch which, bool shouldToggle, bool isEnabled) override;
    ActionResult<QString> soundFile(const QString& name) override;

private:
    settings::Defaults& m_defaults;
    const kit::Clock& m_clock;
    SoundFiles m_sounds;
    Services m_services;
};

} // namespace ruvo::automation
