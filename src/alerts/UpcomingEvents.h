// SPDX-License-Identifier: GPL-3.0-or-later
// Which event the upcoming event in the panel shows and what it reads, asked afresh of the
// store at an instant: the candidates inside the look-ahead window (without all-day, muted
// and excluded events, duplicates collapsed, optionally video calls only), the choice among
// them, and the item's text. The running program's controller and `ruvo upcoming-text`
// both answer through it.
#pragma once

#include "alerts/UpcomingText.h"
#include "kit/Clock.h"
#include "platform/CalendarStore.h"
#include "settings/Defaults.h"

#include <functional>

namespace ruvo::alerts {

// What the item shows at one instant.
struct UpcomingDisplay {
    std::optional<platform::Event> event;
    QString text;           // "◆" without an event
    QStringList squareText; // for square tray icons: countdown over a short title
    bool isVisible = false; // without an event only when `upcomingEventInMenuBar_hideWhenNoEvent`
};

class UpcomingEvents {
public:
    using VideoCallTest = std::function<bool(const platform::Event&)>;

    // `hasVideoCall` may be empty: no event then counts as a video call.
    UpcomingEvents(platform::CalendarStore& store, const settings::Defaults& defaults,
                   const kit::Clock& filterClock, kit::Environment environment,
                   VideoCallTest hasVideoCall);

    std::vector<platform::Event> candidateEvents(kit::Instant now) const;
    std::optional<platform::Event> upcomingEvent(kit::Instant now) const;
    UpcomingDisplay display(kit::Instant now) const;

    UpcomingTextOptions textOptions() const;
    const UpcomingText& text() const { return m_text; }

private:
    std::optional<std::vector<QString>> calendarIdentifiers() const;
    std::vector<platform::Event> filtered(std::vector<platform::Event> events) const;
    UpcomingTextInput textInput(const platform::Event& event, kit::Instant now) const;

    platform::CalendarStore& m_store;
    const settings::Defaults& m_defaults;
    const kit::Clock& m_filterClock;
    VideoCallTest m_hasVideoCall;
    UpcomingText m_text;
};

} // namespace ruvo::alerts
