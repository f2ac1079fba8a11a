// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/actions/EventMuting.h"

#include "settings/Keys.h"

#include <algorithm>

namespace ruvo::events::actions {

namespace keys = settings::keys;

bool isMuted(const settings::Defaults& defaults, const platform::Event& event) {
    const auto entries = defaults.get(keys::upcomingEventInMenuBarIgnoredEvents);
    return std::find(entries.begin(), entries.end(), event.calendarItemExternalIdentifier()) !=
           entries.end();
}

void setMuted(const settings::Defaults& defaults, const platform::Event& event, bool muted) {
    auto entries = defaults.get(keys::upcomingEventInMenuBarIgnoredEvents);
    const QString& id = event.calendarItemExternalIdentifier();
    if (muted == isMuted(defaults, event))
        return;
    if (muted)
        entries.push_back(id);
    else
        std::erase(entries, id);
    defaults.set(keys::upcomingEventInMenuBarIgnoredEvents, entries);
}

} // namespace ruvo::events::actions
