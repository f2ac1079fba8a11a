// SPDX-License-Identifier: GPL-3.0-or-later
// The menu window's content, top to bottom: the join button, the date line, the time zones
// (when placed at the top), the month calendar, the event list and the time zones (when not
// at the top). The calendar, the event list, the zones and the join button are sections that
// their own views fill; a section with nothing in it, or switched off, takes no room.
#pragma once

#include "kit/Environment.h"
#include "menubar/ClockObservable.h"
#include "menubar/MenuDateLine.h"
#include "settings/Defaults.h"

#include <QWidget>

class QLabel;
class QToolButton;
class QVBoxLayout;

namespace ruvo::views {

class MainScreen : public QWidget {
    Q_OBJECT
public:
    enum class Section { joinButton, timeZones, calendar, eventList };

    struct Dependencies {
        const settings::Defaults& defaults;
        menubar::ClockTicks& ticks;
        const kit::Clock& clock;
        std::function<kit::Environment()> environment;
    };

    explicit MainScreen(Dependencies dependencies, QWidget* parent = nullptr);

    // Puts `content` into `section` (the screen takes ownership); nullptr empties it.
    void setSectionWidget(Section section, QWidget* content);
    QWidget* sectionWidget(Section section) const;

    // A section's content showed or hid itself (the join button when a call comes or goes).
    void sectionContentChanged() { relayout(); }

    QString dateLineText() const;
    QToolButton* moreButton() const { return m_moreButton; }
    QToolButton* addEventButton() const { return m_addButton; }

    // The date line ticks only while the window is shown.
    void setActive(bool isActive);

Q_SIGNALS:
    // The add button or "New Event" in the "more" menu was chosen.
    void newEventRequested();

private:
    QWidget* makeSlot();
    void relayout();
    void updateDateLine();

    Dependencies m_deps;
    QVBoxLayout* m_layout;
    QWidget* m_joinSlot;
    QWidget* m_joinDivider;
    QLabel* m_dateLine;
    QToolButton* m_moreButton;
    QToolButton* m_addButton;
    QWidget* m_header;
    QWidget* m_topZonesDivider;
    QWidget* m_calendarSlot;
    QWidget* m_eventListSlot;
    QWidget* m_zonesSlot;
    std::unique_ptr<menubar::ClockObservable> m_clock;
    kit::Subscription m_settings;
    bool m_isActive = false;
};

} // namespace ruvo::views
