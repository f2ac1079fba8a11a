// SPDX-License-Identifier: GPL-3.0-or-later
// Which events cover the screen, and when: asked afresh of the store at an instant. The
// events of the chosen calendars starting within two hours (and not before the lead time),
// without all-day, muted, joined and excluded events, narrowed by the user's participation,
// video calls and alarms as the settings say, duplicates collapsed. The running program's
// controller and `ruvo alerts` both plan through it.
#pragma once

#include "kit/Clock.h"
#include "platform/CalendarStore.h"
#include "settings/Defaults.h"
#include "settings/records/Enums.h"

#include <functional>

namespace ruvo::alerts {

// How far ahead the events are looked for.
inline constexpr kit::Milliseconds kFullscreenLookAhead{2 * 60 * 60 * 1000};

// The user's answer to an invitation: an event without attendees is the user's own (accepted),
// so is one the user organises; otherwise the user's attendee entry says, and an event
// without one is unknown.
platform::ParticipantStatus currentUserStatus(const platform::Event& event);

// Whether `status` is among those the setting shows; declined and unknown never are.
bool isShownStatus(platform::ParticipantStatus status,
                   settings::FullscreenNotificationOnlyEventStatus shown);

struct FullscreenAlert {
    platform::Event event;
    kit::Instant fireAt;
};

class FullscreenPlan {
public:
    using EventTest = std::function<bool(const platform::Event&)>;

    // `hasVideoCall` and `hasJoined` may be empty: no event has a call then, none was joined.
    FullscreenPlan(platform::CalendarStore& store, const settings::Defaults& defaults,
                   const kit::Clock& filterClock, EventTest hasVideoCall, EventTest hasJoined);

    // Switched on with at least one calendar chosen.
    bool isEnabled() const;

    // The alerts to show from `now`, by fire instant; none has a fire instant before `now`.
    // `lookAhead` bounds the starts; `ruvo alerts` asks further than the program does.
    std::vector<FullscreenAlert> plan(kit::Instant now,
                                      kit::Milliseconds lookAhead = kFullscreenLookAhead) const;

    kit::Milliseconds leadTime() const;

private:
    std::vector<platform::Event> candidates(kit::Instant from, kit::Instant until) const;
    bool isWanted(const platform::Event& event, kit::Instant from) const;

    platform::CalendarStore& m_store;
    const settings::Defaults& m_defaults;
    const kit::Clock& m_filterClock;
    EventTest m_hasVideoCall;
    EventTest m_hasJoined;
};

} // namespace ruvo::alerts
