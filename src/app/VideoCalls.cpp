// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/VideoCalls.h"

#include "app/AppLog.h"
#include "events/CallEventConversion.h"

namespace ruvo::app {

VideoCalls::VideoCalls(const settings::Defaults& defaults, const QString& configDirectory)
    : m_defaults(defaults), m_detector(m_opener, &m_detectedServices),
      m_shortcuts(platform::FolderShortcutRunner::folderIn(configDirectory)),
      m_joiner(m_detector, m_opener, m_shortcuts, m_joined) {}

bool VideoCalls::join(const platform::Event& event) {
    const bool isJoined = m_joiner.join(events::toCallEvent(event),
                                        videocalls::JoinOptions::fromSettings(m_defaults));
    if (!isJoined)
        qCWarning(lcApp) << "Could not join the call of the event" << event.eventIdentifier();
    return isJoined;
}

} // namespace ruvo::app
