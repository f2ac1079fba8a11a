// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar's real parts for the running program: the system's date events, the status
// item (a StatusNotifierItem, or an XEmbed tray icon), the menu window, and their wiring to
// the application state's menu-bar controller.
#pragma once

#include "app/AppState.h"
#include "platform/ColorSchemePreference.h"
#include "platform/StatusItemPair.h"
#include "platform/linux/LinuxSystemDateEvents.h"
#include "platform/linux/PanelApplet.h"
#include "views/MenuBarIconPainter.h"
#include "views/MenuWindow.h"
#include "views/shell/ShellWindows.h"

namespace ruvo::app {

class Panel {
public:
    Panel(AppState& state, std::function<kit::Environment()> environment,
          platform::ColorSchemePreference& colorScheme, views::ShellWindows& windows);
    Panel(const Panel&) = delete;
    Panel& operator=(const Panel&) = delete;
    ~Panel();

    // Where the calendar, the event list, the zones and the join button go.
    views::MainScreen& mainScreen() { return *m_window->mainScreen(); }
    views::MenuWindow& menuWindow() { return *m_window; }
    const views::MenuBarIconPainter& painter() const { return m_painter; }
    const std::function<kit::Environment()>& environment() const { return m_environment; }
    // Adds "Settings…" to the item's menu.
    void setSettingsOpener(std::function<void()> open);
    platform::SystemDateEvents& dateEvents() { return m_dateEvents; }

    // The item menu's first entry, `label`, runs `join`; an empty label takes it away.
    void setJoinEntry(const QString& label, std::function<void()> join);
    // What "New Event" does, in the item's menu and in the menu window.
    void setNewEventAction(std::function<void()> newEvent);
    // Whether an applet of ours shows the clock in the panel now.
    bool isAppletShowing() const { return m_applet.clients().isShown(); }

private:
    void createStatusItem();
    void updateMenu();
    void onMenuEntry(const QString& id);
    void checkStatusItemShown();

    AppState& m_state;
    std::function<kit::Environment()> m_environment;
    views::ShellWindows& m_windows;
    platform::LinuxSystemDateEvents m_dateEvents;
    views::MenuBarIconPainter m_painter;
    std::unique_ptr<views::MenuWindow> m_window;
    std::unique_ptr<platform::StatusItem> m_trayItem;
    platform::PanelApplet m_applet{m_state.scheduler(), &m_painter};
    std::unique_ptr<platform::StatusItemPair> m_item; // the tray's item and the applets'
    QString m_joinLabel;
    std::function<void()> m_join;
    std::function<void()> m_newEvent;
    std::function<void()> m_openSettings;
    kit::Subscription m_locale;
    kit::Subscription m_colorScheme;
    kit::Timer m_visibilityCheck;
};

} // namespace ruvo::app
