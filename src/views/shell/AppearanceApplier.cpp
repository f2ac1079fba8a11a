// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/shell/AppearanceApplier.h"

#include "settings/Keys.h"
#include "views/shell/Palettes.h"
#include "views/shell/ProgramStyle.h"

#include <QApplication>

namespace ruvo::views {

AppearanceApplier::AppearanceApplier(const settings::Defaults& defaults,
                                     platform::ColorSchemePreference& desktop)
    : m_defaults(defaults), m_desktop(desktop) {
    QApplication::setStyle(new ProgramStyle); // one style honours both palettes
    m_setting = m_defaults.observe(settings::keys::appearance, [this](const auto&) { apply(); },
                                   {.initial = true});
    m_desktopChange = m_desktop.changed.connect([this] { apply(); });
}

void AppearanceApplier::apply() {
    using settings::AppAppearance;
    bool dark = false;
    switch (m_defaults.get(settings::keys::appearance)) {
    case AppAppearance::light:
        dark = false;
        break;
    case AppAppearance::dark:
        dark = true;
        break;
    case AppAppearance::system:
        dark = m_desktop.prefersDark();
        break;
    }
    QApplication::setPalette(dark ? darkPalette() : lightPalette());
}

} // namespace ruvo::views
