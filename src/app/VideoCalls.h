// SPDX-License-Identifier: GPL-3.0-or-later
// The running program's video-call services: the detector every view asks, the join action
// every "Join" ends in, and the desktop's link opener they share.
#pragma once

#include "events/videocalls/VideoCallJoiner.h"
#include "platform/CalendarTypes.h"
#include "platform/linux/FolderShortcutRunner.h"
#include "platform/linux/XdgUrlOpener.h"

namespace ruvo::app {

class VideoCalls {
public:
    // `configDirectory`: the settings folder, which holds the user's shortcuts folder.
    VideoCalls(const settings::Defaults& defaults, const QString& configDirectory);
    VideoCalls(const VideoCalls&) = delete;
    VideoCalls& operator=(const VideoCalls&) = delete;

    platform::UrlOpener& urlOpener() { return m_opener; }
    videocalls::VideoCallDetector& detector() { return m_detector; }
    const videocalls::JoinedRegistry& joined() const { return m_joined; }

    // Opens the event's call as the user's join settings say; false when it has none or the
    // link could not be handed to the desktop.
    bool join(const platform::Event& event);

private:
    const settings::Defaults& m_defaults;
    platform::XdgUrlOpener m_opener;
    videocalls::DetectedServiceStore m_detectedServices;
    videocalls::VideoCallDetector m_detector;
    videocalls::JoinedRegistry m_joined;
    platform::FolderShortcutRunner m_shortcuts; // the user's shortcuts folder
    videocalls::VideoCallJoiner m_joiner;
};

} // namespace ruvo::app
