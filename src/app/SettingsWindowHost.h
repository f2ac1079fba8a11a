// SPDX-License-Identifier: GPL-3.0-or-later
// The settings window in the running program: made on first use with the program's store,
// sounds, time zone search and desktop, and shown on the pane asked for from the panel menu,
// the "more" menu, the desktop action or `ruvo settings PANE`.
#pragma once

#include "app/AppState.h"
#include "app/Panel.h"
#include "preferences/LaunchAtLogin.h"
#include "views/preferences/SettingsWindow.h"

#include <QPointer>

namespace ruvo::app {

class SettingsWindowHost {
public:
    // `conflicts` may be null: the recorder then knows only Ruvo's own shortcuts.
    SettingsWindowHost(AppState& state, Panel& panel, const platform::ShortcutConflicts* conflicts);
    SettingsWindowHost(const SettingsWindowHost&) = delete;
    SettingsWindowHost& operator=(const SettingsWindowHost&) = delete;
    ~SettingsWindowHost();

    void show(const QString& pane);
    // What "Copy Debug Info" copies: the same text as the "more" menu's, panel host included.
    void setDebugInfo(std::function<QString()> debugInfo) { m_debugInfo = std::move(debugInfo); }

private:
    views::SettingsServices services();
    std::optional<QString> runAction(const QString& action);
    std::optional<QString> addCalendarFolder();
    void showPlaceholder(bool shouldShow);

    AppState& m_state;
    Panel& m_panel;
    const platform::ShortcutConflicts* m_conflicts;
    preferences::LaunchAtLogin m_launchAtLogin;
    std::function<QString()> m_debugInfo;
    QPointer<views::SettingsWindow> m_window;
};

} // namespace ruvo::app
