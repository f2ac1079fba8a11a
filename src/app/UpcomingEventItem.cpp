// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UpcomingEventItem.h"

#include "events/CallEventConversion.h"
#include "platform/linux/XEmbedStatusItem.h"
#include "settings/Keys.h"
#include "timezones/IcuFormat.h"

#include <QGuiApplication>
#include <QPalette>

namespace ruvo::app {

namespace keys = settings::keys;

UpcomingEventItem::UpcomingEventItem(AppState& state, Panel& panel, EventsSection& eventsSection,
                                     VideoCalls& videoCalls)
    : m_state(state), m_panel(panel), m_eventsSection(eventsSection), m_videoCalls(videoCalls) {
    m_state.setUpcomingEventFactory([this] { return make(); });
}

UpcomingEventItem::~UpcomingEventItem() {
    // The controller's item is drawn by the panel's painter, which goes before the state.
    m_state.setUpcomingEventFactory({});
}

std::unique_ptr<alerts::UpcomingEventController> UpcomingEventItem::make() {
    auto item = platform::makeStatusItem(alerts::kUpcomingItemId, m_panel.painter());
    return std::make_unique<alerts::UpcomingEventController>(
        alerts::UpcomingEventController::Dependencies{
            m_state.defaults(),
            m_state.scheduler(),
            m_state.scheduler(),
            m_state.clockTicks(),
            m_state.eventsController(),
            m_state.calendarStore(),
            m_panel.dateEvents(),
            m_panel.environment(),
            {},
            [this](const platform::Event& event) {
                return !event.isAllDay() &&
                       m_videoCalls.detector().videoCall(events::toCallEvent(event)).has_value();
            },
            [this](const std::optional<platform::Event>& event, std::optional<QPoint> point) {
                open(event, point);
            },
            [this](const platform::Event& event) { m_videoCalls.join(event); },
            [] { return QGuiApplication::palette().color(QPalette::Highlight); }},
        std::move(item));
}

void UpcomingEventItem::open(const std::optional<platform::Event>& event,
                             std::optional<QPoint> clickPoint) {
    auto& window = m_panel.menuWindow();
    if (window.isMenuWindowVisible()) {
        window.closeMenuWindow();
        return;
    }
    if (event)
        m_state.selectedDate.set(
            timezones::localDate(m_panel.environment()().timeZoneId, event->start()));
    window.showMenuWindow(clickPoint);
    if (event && m_state.defaults().get(keys::upcomingEventInMenuBar_menuItemAction) ==
                     settings::UpcomingEventInMenuBar_MenuItemAction::showWindowWithEventDetails)
        m_eventsSection.showDetails(*event);
}

} // namespace ruvo::app
