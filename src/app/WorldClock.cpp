// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WorldClock.h"

#include "platform/linux/XEmbedStatusItem.h"
#include "views/MainScreen.h"
#include "views/TitleText.h"
#include "views/timezones/WorldClockListView.h"

namespace ruvo::app {

WorldClock::WorldClock(AppState& state, Panel& panel)
    : m_state(state), m_panel(panel), m_editWindows(state.defaults()),
      m_floatingClock(state.defaults(), state.scheduler(), state.clockTicks(), panel.environment()),
      m_panelClocks(
          {state.defaults(), state.scheduler(), state.clockTicks(), panel.environment(),
           views::titleWidth,
           [&panel](const QString& id) { return platform::makeStatusItem(id, panel.painter()); },
           [this](const QUuid& id, std::optional<QPoint> clickPoint) {
               onPanelClockClicked(id, clickPoint);
           }}) {
    auto* list = new views::WorldClockListView(views::WorldClockContext{
        state.defaults(), state.scheduler(), state.clockTicks(), panel.environment(),
        state.timeZoneOffset(), state.selectedDate, state.timeTravelWelcome(),
        &state.openedFromTimeZoneEntry, [this](QUuid id) { m_editWindows.open(id); }});
    // The screen shows or hides the section, at the top or the bottom, as the settings say.
    panel.mainScreen().setSectionWidget(views::MainScreen::Section::timeZones, list);
    m_menuClosed = QObject::connect(&panel.menuWindow(), &views::MenuWindow::closed, [&state] {
        state.openedFromTimeZoneEntry.set(std::nullopt);
        state.timeTravelResets().onMenuWindowClosed(views::isOnlyOptionHeld());
    });
    m_fullRefresh =
        state.menuBarController().fullRefreshed().connect([this] { m_panelClocks.rebuild(); });
    m_panelClocks.rebuild();
}

WorldClock::~WorldClock() {
    QObject::disconnect(m_menuClosed);
    // The rows call back into the edit windows, which go with this object.
    m_panel.mainScreen().setSectionWidget(views::MainScreen::Section::timeZones, nullptr);
}

void WorldClock::onPanelClockClicked(const QUuid& id, std::optional<QPoint> clickPoint) {
    auto& window = m_panel.menuWindow();
    if (window.isMenuWindowVisible() && m_state.openedFromTimeZoneEntry.value() == id) {
        window.closeMenuWindow();
        return;
    }
    m_state.openedFromTimeZoneEntry.set(id);
    window.showMenuWindow(clickPoint);
}

} // namespace ruvo::app
