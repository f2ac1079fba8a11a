// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the time-travel slider's welcome note is still to show. The first question marks the
// installation, so the note belongs to the first run only; within that run it stays pending
// for every slider until the user closes it or resets the slider. One per run, owned by
// whoever owns the run's state and handed to the sliders.
#pragma once

#include "settings/RunOnce.h"

#include <optional>

namespace ruvo::timezones {

class TimeTravelWelcome {
public:
    explicit TimeTravelWelcome(const settings::Defaults& defaults) : m_defaults(defaults) {}

    bool isPending() {
        if (!m_isPending)
            m_isPending = settings::runOnce(
                m_defaults, QStringLiteral("timeZoneTimeTravelSliderWelcomeMessage"), [] {});
        return *m_isPending;
    }
    void dismiss() {
        isPending(); // the installation is marked even when the note never showed
        m_isPending = false;
    }

private:
    const settings::Defaults& m_defaults;
    std::optional<bool> m_isPending;
};

} // namespace ruvo::timezones
