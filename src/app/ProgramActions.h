// SPDX-License-Identifier: GPL-3.0-or-later
// The running program's automation: the actions on its own settings and calendars, offered
// on the session bus (io.github.ruvo.Actions1) and as the desktop file's actions.
#pragma once

#include "app/ActionsAdaptor.h"
#include "app/AppState.h"
#include "app/Panel.h"
#include "app/VideoCalls.h"
#include "automation/DesktopActions.h"
#include "automation/LocalActions.h"
#include "platform/linux/DBusApplication.h"

namespace ruvo::app {

class ProgramActions {
public:
    ProgramActions(AppState& state, Panel& panel, VideoCalls& videoCalls,
                   platform::DBusApplication& bus, std::function<void()> newEvent,
                   std::function<void(const QString& pane)> openSettings);
    ProgramActions(const ProgramActions&) = delete;
    ProgramActions& operator=(const ProgramActions&) = delete;
    ~ProgramActions();

    // The joinMeeting shortcut's action.
    void joinFromShortcut();

private:
    automation::ActionResult<bool> joinNextCall();

    AppState& m_state;
    Panel& m_panel;
    VideoCalls& m_videoCalls;
    platform::DBusApplication& m_bus;
    automation::LocalActions m_actions;
    automation::DesktopActions m_desktopActions;
    ActionsAdaptor* m_adaptor; // owned by the bus object
};

} // namespace ruvo::app
