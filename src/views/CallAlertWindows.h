// SPDX-License-Identifier: GPL-3.0-or-later
// The small windows that stand in for call notifications when no notification server shows
// them: the event's title, its time and service, and the buttons "Open Ruvo Settings" (the
// alerts pane, where call notifications are turned off), "Open Notification Settings" (where
// the user can set up the desktop's notifications, on desktops that have such a page), "Join"
// and "Close". They stay on top in the upper right corner of the screen, stacked downwards,
// until the user closes them or the event ends.
#pragma once

#include "kit/Signal.h"
#include "platform/NotificationSettings.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>

class QLabel;
class QLayout;

namespace ruvo::views {

class CallAlertWindows final {
public:
    // Without `settings`, or when the desktop has no such page, the windows have no button
    // for the desktop's notification settings.
    explicit CallAlertWindows(platform::NotificationSettings* settings = nullptr)
        : m_settings(settings) {}
    CallAlertWindows(const CallAlertWindows&) = delete;
    CallAlertWindows& operator=(const CallAlertWindows&) = delete;
    ~CallAlertWindows();

    // Shows the window of a key (replacing one it has) and closes it.
    void show(const QString& key, const QString& title, const QString& body);
    void close(const QString& key);
    // "Join" was chosen in the window of a key (which then closes).
    kit::Signal<QString> joinChosen;
    // Gives the windows shown from now on "Open Ruvo Settings", which calls `open`.
    void setSettingsOpener(std::function<void()> open) { m_openSettings = std::move(open); }

    // The open window of a key (for tests); null when none is open.
    QWidget* window(const QString& key) const;

private:
    QWidget* make(const QString& key, const QString& title, const QString& body);
    QLayout* settingsButtons(QWidget* window, QLabel* note);
    void place(QWidget* window) const;

    platform::NotificationSettings* m_settings;
    std::function<void()> m_openSettings;
    std::map<QString, QPointer<QWidget>> m_windows;
};

} // namespace ruvo::views
