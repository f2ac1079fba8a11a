// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WorldClock.h"

#include "views/MainScreen.h"
#include "views/timezones/WorldClockListView.h"

namespace ruvo::app {

WorldClock::WorldClock(AppState& state, Panel& panel, const kit::Environment& environment)
    : m_panel(panel), m_editWindows(state.defaults()),
      m_floatingClock(state.defaults(), state.scheduler(), environment) {
    auto* list = new views::WorldClockListView(views::WorldClockContext{
        state.defaults(), state.scheduler(), environment, state.timeZoneOffset(),
        state.selectedDate, std::nullopt, [this](QUuid id) { m_editWindows.open(id); }});
    // The screen shows or hides the section, at the top or the bottom, as the settings say.
    panel.mainScreen().setSectionWidget(views::MainScreen::Section::timeZones, list);
    m_menuClosed = QObject::connect(&panel.menuWindow(), &views::MenuWindow::closed, [&state] {
        state.timeTravelResets().onMenuWindowClosed(views::isOnlyOptionHeld());
    });
}

WorldClock::~WorldClock() {
    QObject::disconnect(m_menuClosed);
    // The rows call back into the edit windows, which go with this object.
    m_panel.mainScreen().setSectionWidget(views::MainScreen::Section::timeZones, nullptr);
}

} // namespace ruvo::app
