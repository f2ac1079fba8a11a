// SPDX-License-Identifier: GPL-3.0-or-later
// The menu window's "more" menu: New Event, the desktop's date and language settings, Pin Window,
// the date calculators, Copy Debug Info, Send Feedback and About.
#pragma once

#include "kit/Environment.h"
#include "onboarding/PanelHost.h"
#include "settings/Defaults.h"

#include <QMenu>
#include <QPointer>

namespace ruvo::views {

class MoreMenu : public QMenu {
    Q_OBJECT
public:
    MoreMenu(const settings::Defaults& defaults, std::function<kit::Environment()> environment,
             QWidget* parent = nullptr);

    // Adds a submenu after "Pin Window" ("Hidden Events"), before the debugging entries.
    void addWindowSubmenu(QMenu* submenu);

    // Opens the date calculators, or brings their window forward.
    void showCalculators();

    // Adds "About Ruvo" at the end of the menu.
    void addAbout(std::function<void()> showAbout);
    // Lets the debug information name the panel the clock is in.
    void setPanelHost(std::function<onboarding::PanelHost()> panelHost);

    // What "Copy Debug Info" puts on the clipboard: versions, desktop, panel host, locale and
    // the clock's look.
    QString debugInfo() const;

    // Adds "Settings…", which calls `open`.
    void setSettingsOpener(std::function<void()> open);
Q_SIGNALS:
    void newEventRequested();

private:
    void addSystemSettings();
    void addPinWindow();

    const settings::Defaults& m_defaults;
    std::function<kit::Environment()> m_environment;
    std::function<onboarding::PanelHost()> m_panelHost;
    kit::Subscription m_pinned;
    QAction* m_endOfWindowEntries = nullptr;
    QPointer<QWidget>
        m_calculators; // a top-level window of its own, closed and deleted by the user
};

} // namespace ruvo::views
