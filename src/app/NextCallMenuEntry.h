// SPDX-License-Identifier: GPL-3.0-or-later
// The panel item menu's "Join <title>" entry: the next video call (running now or starting
// within 15 minutes), looked up again when the events change, every minute, and on the
// system's date events. Choosing it joins that call as the join settings say.
#pragma once

#include "app/AppState.h"
#include "app/Panel.h"
#include "app/VideoCalls.h"

namespace ruvo::app {

class NextCallMenuEntry {
public:
    NextCallMenuEntry(AppState& state, Panel& panel, VideoCalls& videoCalls);
    NextCallMenuEntry(const NextCallMenuEntry&) = delete;
    NextCallMenuEntry& operator=(const NextCallMenuEntry&) = delete;
    ~NextCallMenuEntry();

private:
    void refresh();

    AppState& m_state;
    Panel& m_panel;
    VideoCalls& m_videoCalls;
    std::optional<platform::Event> m_event;
    std::vector<kit::Subscription> m_subscriptions;
    menubar::ClockTimer m_minuteTick;
};

} // namespace ruvo::app
