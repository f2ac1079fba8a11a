// SPDX-License-Identifier: GPL-3.0-or-later
#include "timezones/TimeTravelResets.h"

#include "settings/Keys.h"
#include "timezones/TimeTravel.h"

namespace ruvo::timezones {

TimeTravelResets::TimeTravelResets(const settings::Defaults& defaults, TimeZoneOffset& offset)
    : m_defaults(defaults), m_offset(offset) {
    m_sliderSetting = defaults.observe(settings::keys::showTimeZoneTimeTravelSliderInMenu,
                                       [this](const settings::KeyChange<bool>& c) {
                                           if (!c.isPrior && !c.newValue)
                                               resetTimeTravel(m_offset, false);
                                       });
}

void TimeTravelResets::onMenuWindowClosed(bool onlyOptionHeld) {
    if (m_defaults.get(settings::keys::timeTravelResetOnMenuClose))
        resetTimeTravel(m_offset, onlyOptionHeld);
}

bool TimeTravelResets::onGoToToday(bool onlyOptionHeld) {
    if (!m_offset.isTravelling())
        return false;
    resetTimeTravel(m_offset, onlyOptionHeld);
    return true;
}

} // namespace ruvo::timezones
