// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramActions.h"

#include "app/AppLog.h"
#include "events/NextCallEvent.h"

namespace ruvo::app {

ProgramActions::ProgramActions(AppState& state, Panel& panel, VideoCalls& videoCalls,
                               platform::DBusApplication& bus, std::function<void()> newEvent,
                               std::function<void(const QString& pane)> openSettings)
    : m_state(state), m_panel(panel), m_videoCalls(videoCalls), m_bus(bus),
      m_actions(state.settingsFiles().defaults(), state.scheduler(),
                automation::SoundFiles(automation::defaultSoundFolder()),
                {[this] { return joinNextCall(); }, panel.environment()}),
      m_desktopActions(
          m_actions, [&state] { state.toggleMenuWindow(); }, std::move(newEvent),
          std::move(openSettings)),
      m_adaptor(new ActionsAdaptor(&bus, m_actions)) {
    m_bus.onAction = [this](const QString& name, const QVariantList& parameter)
        -> std::optional<platform::DBusApplication::ActionFailure> {
        qCInfo(lcApp) << "Desktop action" << name;
        if (auto error = m_desktopActions.activate(name, parameter.value(0).toString()))
            return platform::DBusApplication::ActionFailure{error->name, error->message};
        return std::nullopt;
    };
}

ProgramActions::~ProgramActions() {
    m_bus.onAction = nullptr;
    delete m_adaptor;
}

void ProgramActions::joinFromShortcut() {
    const auto joined = m_actions.joinVideoCall();
    if (!joined || !*joined)
        qCInfo(lcApp) << "No video call to join now";
}

automation::ActionResult<bool> ProgramActions::joinNextCall() {
    const events::EventQueries queries(m_state.calendarStore(), m_state.defaults(),
                                       m_panel.environment()().timeZoneId);
    const auto event =
        events::nextVideoCallEvent(queries, m_state.scheduler().now(), m_videoCalls.detector());
    if (!event)
        return false;
    return m_videoCalls.join(*event);
}

} // namespace ruvo::app
