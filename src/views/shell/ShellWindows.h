// SPDX-License-Identifier: GPL-3.0-or-later
// The windows the launch sequence and the menus open: first run (the welcome), what's new,
// About and tips. The status-item check is handed to whoever owns the status item; the
// settings window, the desktop's facts and the debug text come from the program's wiring.
#pragma once

#include "onboarding/CalendarsFound.h"
#include "onboarding/PanelHost.h"
#include "platform/LaunchWindows.h"

#include <QPointer>
#include <QWidget>
#include <functional>

namespace ruvo::views {

class FirstRunWindow;

class ShellWindows final : public platform::LaunchWindows {
public:
    void showWelcome() override;
    void showWhatsNew() override;
    void showTip(const QString& title, const QString& message) override;
    void ensureStatusItemVisible() override;
    void showAbout();

    // The first-run window while it is open, for the calendars found to be listed in it.
    FirstRunWindow* firstRunWindow() const;
    // The panel changed (an applet came or went): the open first-run window says so.
    void onPanelChanged();

    std::function<void()> statusItemCheck; // set by the status item's owner
    std::function<void()> openSettings;    // opens the settings window
    std::function<onboarding::PanelHost()> panelHost;
    std::function<onboarding::CalendarsFound()> calendarsFound;
    std::function<QString()> debugInfo;

private:
    QPointer<QWidget> m_welcome;
    QPointer<QWidget> m_whatsNew;
    QPointer<QWidget> m_about;
};

} // namespace ruvo::views
