// SPDX-License-Identifier: GPL-3.0-or-later
// "Mute All Occurrences": an entry equal to the event's external identifier in
// `upcomingEventInMenuBarIgnoredEvents` keeps every occurrence of it out of the upcoming
// event in the menu bar, the full-screen notifications and the video-call notifications.
#pragma once

#include "platform/CalendarTypes.h"
#include "settings/Defaults.h"

#include <QCoreApplication>

namespace ruvo::events::actions {

inline QString muteExplanation() {
    return QCoreApplication::translate(
        "EventMuting", "Make the event not show up in the upcoming event in the menu bar, "
                       "fullscreen notifications, and video call notifications");
}

bool isMuted(const settings::Defaults& defaults, const platform::Event& event);
// Mutes every occurrence or lifts that; entries for single occurrences stay as they are.
void setMuted(const settings::Defaults& defaults, const platform::Event& event, bool muted);

} // namespace ruvo::events::actions
