// SPDX-License-Identifier: GPL-3.0-or-later
// The menu window's "more" menu: New Event, the desktop's date and language settings, Pin Window,
// the date calculators, Copy Debug Info and Send Feedback.
#pragma once

#include "kit/Environment.h"
#include "settings/Defaults.h"

#include <QMenu>
#include <QPointer>

namespace ruvo::views {

// What "Copy Debug Info" puts on the clipboard: versions, desktop, locale and the clock's look.
QString debugInfo(const settings::Defaults& defaults, const kit::Environment& environment);

class MoreMenu : public QMenu {
    Q_OBJECT
public:
    MoreMenu(const settings::Defaults& defaults, std::function<kit::Environment()> environment,
             QWidget* parent = nullptr);

    // Adds a submenu after "Pin Window" ("Hidden Events"), before the debugging entries.
    void addWindowSubmenu(QMenu* submenu);

    // Opens the date calculators, or brings their window forward.
    void showCalculators();

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
    kit::Subscription m_pinned;
    QAction* m_endOfWindowEntries = nullptr;
    QPointer<QWidget>
        m_calculators; // a top-level window of its own, closed and deleted by the user
};

} // namespace ruvo::views
