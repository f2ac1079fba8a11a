// SPDX-License-Identifier: GPL-3.0-or-later
// What the "New Calendar Item" window works with: the settings, the store it saves into, the
// clock and environment, the time-travel instant, the place list, and the hand-over of
// "More Settings…" to the calendar application.
#pragma once

#include "kit/Clock.h"
#include "kit/Environment.h"
#include "kit/Result.h"
#include "platform/CalendarStore.h"
#include "settings/Defaults.h"
#include "timezones/TimeZoneSearch.h"

#include <functional>

namespace ruvo::views {

struct NewItemDependencies {
    const settings::Defaults& defaults;
    platform::CalendarStore& store;
    const kit::Clock& clock;
    std::function<kit::Environment()> environment;
    // The instant the user travelled to, none while time travel is off.
    std::function<std::optional<kit::Instant>()> travelInstant;
    // The places the location field completes from.
    std::function<const timezones::TimeZoneCandidates&()> places;
    // Continues the composed event in the calendar application (it saves it first): whether
    // it was saved, and what went wrong.
    struct HandOver {
        bool isSaved = false;
        QString error;
    };
    std::function<HandOver(const platform::EventDraft&)> continueElsewhere;
    // Asks "Are you sure you want to discard this?"; true to discard. Empty: a message box.
    std::function<bool(QWidget* parent)> confirmDiscard;
};

} // namespace ruvo::views
