// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/actions/HiddenEvents.h"

#include "settings/Keys.h"
#include "settings/RunOnce.h"

#include <algorithm>

namespace ruvo::events::actions {

namespace keys = settings::keys;

bool HiddenEvents::isHidden(const platform::Event& event) const {
    const auto list = m_defaults.get(keys::hiddenEvents);
    return std::find(list.begin(), list.end(), event.calendarItemExternalIdentifier()) !=
           list.end();
}

bool HiddenEvents::hide(const platform::Event& event) const {
    auto list = m_defaults.get(keys::hiddenEvents);
    const QString& id = event.calendarItemExternalIdentifier();
    std::erase(list, id);
    list.push_back(id);
    m_defaults.set(keys::hiddenEvents, list);
    return settings::runOnce(m_defaults, kHideEventsTipId, [] {});
}

void HiddenEvents::unhide(const QString& identifier) const {
    auto list = m_defaults.get(keys::hiddenEvents);
    if (std::erase(list, identifier) > 0)
        m_defaults.set(keys::hiddenEvents, list);
}

std::vector<HiddenEvent> HiddenEvents::latest(int count) const {
    const auto list = m_defaults.get(keys::hiddenEvents);
    std::vector<HiddenEvent> result;
    for (auto it = list.rbegin(); it != list.rend() && int(result.size()) < count; ++it)
        result.push_back({*it, titleOf(*it)});
    return result;
}

// The store names events "calendar/UID": try the UID in each event calendar.
QString HiddenEvents::titleOf(const QString& identifier) const {
    for (const auto& calendar : m_store.calendars(platform::EntityType::event))
        if (const auto event =
                m_store.eventWithIdentifier(calendar.identifier + QLatin1Char('/') + identifier))
            return event->title().isEmpty() ? identifier : event->title();
    return identifier;
}

} // namespace ruvo::events::actions
