// SPDX-License-Identifier: GPL-3.0-or-later
// The world clock in the running program: the zone rows and the time-travel slider in the
// menu window's time-zones section, the zones' own clocks in the panel, the "Edit Time Zone"
// windows its rows open, the floating clock, and the end of time travel when the menu window
// closes.
#pragma once

#include "app/AppState.h"
#include "app/Panel.h"
#include "menubar/TimeZoneClocks.h"
#include "views/timezones/FloatingClockWindow.h"
#include "views/timezones/TimeZoneEditWindowController.h"

#include <QMetaObject>

namespace ruvo::app {

class WorldClock {
public:
    // The views ask the panel's environment at every refresh, so they follow zone and locale
    // changes as the panel clock does.
    WorldClock(AppState& state, Panel& panel);
    WorldClock(const WorldClock&) = delete;
    WorldClock& operator=(const WorldClock&) = delete;
    ~WorldClock();

private:
    void onPanelClockClicked(const QUuid& id, std::optional<QPoint> clickPoint);

    AppState& m_state;
    Panel& m_panel;
    views::TimeZoneEditWindowController m_editWindows;
    views::FloatingClockController m_floatingClock;
    menubar::TimeZoneClocks m_panelClocks;
    kit::Subscription m_fullRefresh;
    QMetaObject::Connection m_menuClosed;
};

} // namespace ruvo::app
