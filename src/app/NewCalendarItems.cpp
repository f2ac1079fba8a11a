// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/NewCalendarItems.h"

#include "app/AppLog.h"
#include "creation/NewEventHandOver.h"
#include "creation/SaveNewItem.h"
#include "kit/LocalTime.h"
#include "settings/Keys.h"
#include "timezones/TimeTravel.h"

#include <QCoreApplication>

namespace ruvo::app {

namespace keys = settings::keys;

NewCalendarItems::NewCalendarItems(AppState& state, Panel& panel, platform::UrlOpener& urlOpener)
    : m_state(state), m_panel(panel), m_urlOpener(urlOpener),
      m_calendarApplication(platform::XdgDirectories::fromEnvironment()) {}

NewCalendarItems::~NewCalendarItems() {
    delete m_window.data();
}

void NewCalendarItems::start() {
    const auto app = m_state.defaults().get(keys::createNewEventsWith);
    if (app == settings::NewEventApp::ruvo) {
        showWindow();
        return;
    }
    const QString zoneId = m_panel.environment()().timeZoneId;
    const auto times = creation::defaultEventTimes(
        m_state.scheduler().now(), travelInstant(),
        qint64(m_state.defaults().get(keys::defaultEventDuration).toSeconds()));
    platform::EventDraft draft;
    draft.start = times.start;
    draft.end = times.end;
    auto handed =
        creation::handOverNewEvent(app, draft, zoneId, {m_urlOpener, m_calendarApplication});
    if (!handed) {
        qCWarning(lcApp) << "New event:" << handed.error();
        showWindow(); // the user still gets somewhere to create it
    }
}

void NewCalendarItems::showWindow() {
    if (!m_window) {
        m_window = new views::NewCalendarItemWindow(dependencies());
        m_window->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

std::optional<kit::Instant> NewCalendarItems::travelInstant() const {
    const auto& offset = m_state.timeZoneOffset();
    if (!offset.isTravelling())
        return std::nullopt;
    const timezones::TimeTravel travel(m_panel.environment()());
    const timezones::TimeTravelInput input{m_state.selectedDate.value(), m_state.scheduler().now(),
                                           m_state.defaults().get(keys::timeTravelUse30MinuteSteps),
                                           offset.optionKeyPressedDuringLastInteraction()};
    return travel.travelDate(input, offset);
}

views::NewItemDependencies::HandOver
NewCalendarItems::continueInCalendarApplication(const platform::EventDraft& draft) {
    auto saved = creation::saveNewEvent(m_state.calendarStore(), draft);
    if (!saved)
        return {false, saved.error()};
    const QDate day = kit::localDate(draft.start, m_panel.environment()().timeZoneId);
    if (auto opened = creation::openCalendarApplication(m_calendarApplication, day); !opened)
        return {true, QCoreApplication::translate("NewCalendarItems", "The event was saved. %1")
                          .arg(opened.error())};
    return {true, QString()};
}

views::NewItemDependencies NewCalendarItems::dependencies() {
    return {
        m_state.defaults(),
        m_state.calendarStore(),
        m_state.scheduler(),
        m_panel.environment(),
        [this] { return travelInstant(); },
        [this]() -> const timezones::TimeZoneCandidates& {
            return m_state.places().candidates(m_state.scheduler().now());
        },
        [this](const platform::EventDraft& draft) { return continueInCalendarApplication(draft); },
        {}};
}

} // namespace ruvo::app
