// SPDX-License-Identifier: GPL-3.0-or-later
// The actions the desktop file offers (a launcher's menu, org.freedesktop.Application's
// ActivateAction): their names and what each does. An action whose window does not exist
// yet answers with an error that says so instead of doing nothing.
#pragma once

#include "automation/Actions.h"

#include <QStringList>
#include <functional>

namespace ruvo::automation {

namespace desktopActions {
inline const QString kToggleWindow = QStringLiteral("toggle-window");
inline const QString kNewEvent = QStringLiteral("new-event");
inline const QString kJoinVideoCall = QStringLiteral("join-video-call");
inline const QString kSettings = QStringLiteral("settings");
} // namespace desktopActions

class DesktopActions {
public:
    // Without `newEvent` the "new-event" action, without `openSettings` the "settings" action
    // answers that it is unavailable.
    DesktopActions(Actions& actions, std::function<void()> toggleWindow,
                   std::function<void()> newEvent = {},
                   std::function<void(const QString& pane)> openSettings = {})
        : m_actions(actions), m_toggleWindow(std::move(toggleWindow)),
          m_newEvent(std::move(newEvent)), m_openSettings(std::move(openSettings)) {}

    // In the order the desktop file lists them.
    static QStringList names();

    // `argument` is the action's parameter where it takes one (the pane of "settings").
    ActionStatus activate(const QString& name, const QString& argument = {});

private:
    Actions& m_actions;
    std::function<void()> m_toggleWindow;
    std::function<void()> m_newEvent;
    std::function<void(const QString& pane)> m_openSettings;
};

} // namespace ruvo::automation
