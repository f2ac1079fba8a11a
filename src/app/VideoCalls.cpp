// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/VideoCalls.h"

#include "app/AppLog.h"
#include "events/CallEventConversion.h"

namespace ruvo::app {

void UnavailableShortcutRunner::runInBackground(const QUuid& shortcut, const QByteArray&) {
    if (m_isLogged)
        return;
    m_isLogged = true;
    qCWarning(lcApp) << "The shortcut" << shortcut.toString(QUuid::WithoutBraces)
                     << "chosen to run after joining a call was not run: this system has no "
                        "shortcut runner";
}

VideoCalls::VideoCalls(const settings::Defaults& defaults)
    : m_defaults(defaults), m_detector(m_opener, &m_detectedServices),
      m_joiner(m_detector, m_opener, m_shortcuts, m_joined) {}

bool VideoCalls::join(const platform::Event& event) {
    const bool isJoined = m_joiner.join(events::toCallEvent(event),
                                        videocalls::JoinOptions::fromSettings(m_defaults));
    if (!isJoined)
        qCWarning(lcApp) << "Could not join the call of the event" << event.eventIdentifier();
    return isJoined;
}

} // namespace ruvo::app
