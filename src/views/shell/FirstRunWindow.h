// SPDX-License-Identifier: GPL-3.0-or-later
// The window of the first start: what Ruvo is, where its clock shows on this desktop and
// the steps (with their commands to copy) that put it into the panel, and the calendars.
#pragma once

#include "onboarding/FirstRunGuide.h"
#include "views/shell/InfoWindow.h"

class QGroupBox;

namespace ruvo::views {

class FirstRunWindow final : public InfoWindow {
    Q_OBJECT
public:
    FirstRunWindow(const onboarding::FirstRunGuide& guide, std::function<void()> openSettings,
                   QWidget* parent = nullptr);

    // The calendars section: it tells how to add a calendar folder until a list of the
    // calendars found on this machine is put into it (replace its contents).
    QGroupBox* calendarsSection() const { return m_calendars; }

private:
    void addPanelSection(const onboarding::FirstRunGuide& guide);
    void addCalendarsSection();

    QGroupBox* m_calendars = nullptr;
};

} // namespace ruvo::views
