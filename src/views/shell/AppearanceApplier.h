// SPDX-License-Identifier: GPL-3.0-or-later
// Applies the `appearance` setting to the whole program, now and on every change: light and
// dark set the program's palette; system follows the desktop's colour-scheme preference.
#pragma once

#include "kit/Signal.h"
#include "platform/ColorSchemePreference.h"
#include "settings/Defaults.h"

namespace ruvo::views {

class AppearanceApplier {
public:
    AppearanceApplier(const settings::Defaults& defaults, platform::ColorSchemePreference& desktop);

private:
    void apply();

    const settings::Defaults& m_defaults;
    platform::ColorSchemePreference& m_desktop;
    kit::Subscription m_setting;
    kit::Subscription m_desktopChange;
};

} // namespace ruvo::views
