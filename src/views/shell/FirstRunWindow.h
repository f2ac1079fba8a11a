// SPDX-License-Identifier: GPL-3.0-or-later
// The window of the first start: what Ruvo is, where its clock shows on this desktop and
// the steps (with their commands to copy) that put it into the panel, and the calendars.
#pragma once

#include "onboarding/CalendarsFound.h"
#include "onboarding/FirstRunGuide.h"
#include "views/shell/InfoWindow.h"

class QGroupBox;

namespace ruvo::views {

class FirstRunWindow final : public InfoWindow {
    Q_OBJECT
public:
    FirstRunWindow(const onboarding::FirstRunGuide& guide, std::function<void()> openSettings,
                   QWidget* parent = nullptr);

    // The calendars section: how to add a calendar folder, then what was found on this
    // machine once showCalendarsFound() has run.
    QGroupBox* calendarsSection() const { return m_calendars; }
    void showCalendarsFound(const onboarding::CalendarsFound& found);
    // The panel section says `guide` instead, as when an applet starts showing the clock.
    void showPanelGuide(const onboarding::FirstRunGuide& guide);
    QGroupBox* panelSection() const { return m_panel; }

private:
    void addPanelSection(const onboarding::FirstRunGuide& guide);
    void addCalendarsSection();

    QGroupBox* m_panel = nullptr;
    QGroupBox* m_calendars = nullptr;
};

} // namespace ruvo::views
