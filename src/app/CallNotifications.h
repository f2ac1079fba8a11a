// SPDX-License-Identifier: GPL-3.0-or-later
// The call notifications in the running program: the desktop's notification server, the
// windows standing in for it, and the controller the events controller keeps while
// `notifyWhenVideoCallStarts` is on. "Join" joins through the program's join action.
#pragma once

#include "alerts/VideoCallNotificationController.h"
#include "app/AppState.h"
#include "app/Panel.h"
#include "app/VideoCalls.h"
#include "platform/linux/DBusNotifications.h"
#include "platform/linux/DesktopNotificationSettings.h"
#include "views/CallAlertWindows.h"

namespace ruvo::app {

// The views' windows as the controller sees them.
class StandInWindows final : public alerts::CallAlertWindows {
public:
    StandInWindows();
    void show(const QString& key, const alerts::CallNotificationContent& content) override;
    void close(const QString& key) override;
    void setSettingsOpener(std::function<void()> open) {
        m_windows.setSettingsOpener(std::move(open));
    }

private:
    platform::DesktopNotificationSettings m_settings;
    views::CallAlertWindows m_windows{&m_settings};
    kit::Subscription m_join;
};

class CallNotifications {
public:
    CallNotifications(AppState& state, Panel& panel, VideoCalls& videoCalls);
    CallNotifications(const CallNotifications&) = delete;
    CallNotifications& operator=(const CallNotifications&) = delete;
    ~CallNotifications();
    // The stand-in windows' "Open Ruvo Settings" calls `open`.
    void setSettingsOpener(std::function<void()> open) {
        m_windows.setSettingsOpener(std::move(open));
    }

private:
    std::unique_ptr<events::VideoCallAlerts> make();

    AppState& m_state;
    Panel& m_panel;
    VideoCalls& m_videoCalls;
    platform::DBusNotifications m_notifications;
    StandInWindows m_windows;
};

} // namespace ruvo::app
