// SPDX-License-Identifier: GPL-3.0-or-later
// The join action: opens an event's join link (in the meeting application where one
// handles the link and the user wants it), runs the user's chosen shortcut with the event
// as input, and records the event as joined. Every "Join" of the program ends here.
#pragma once

#include "events/videocalls/JoinedRegistry.h"
#include "events/videocalls/VideoCallDetector.h"
#include "platform/ShortcutRunner.h"
#include "platform/UrlOpener.h"
#include "settings/Defaults.h"

#include <QUuid>

namespace ruvo::videocalls {

struct JoinOptions {
    bool useTeamsApp = true;             // open Teams links in the desktop application
    bool useGoogleAccountChooser = true; // open Meet links through the account chooser
    std::optional<QUuid> shortcut;       // run after opening, when chosen

    static JoinOptions fromSettings(const settings::Defaults& defaults);
};

// The link to open for a detection, with the applications' rewrites applied.
QUrl joinLink(const Detection& detection, const CallEvent& event, const JoinOptions& options,
              const platform::UrlOpener& apps);

// The event as the user's shortcut receives it (JSON).
QByteArray shortcutInput(const CallEvent& event, const Detection& detection);

class VideoCallJoiner {
public:
    VideoCallJoiner(VideoCallDetector& detector, platform::UrlOpener& opener,
                    platform::ShortcutRunner& shortcuts, JoinedRegistry& joined)
        : m_detector(detector), m_opener(opener), m_shortcuts(shortcuts), m_joined(joined) {}

    // False when the event is no video call or its link could not be handed to the desktop.
    bool join(const CallEvent& event, const JoinOptions& options);

private:
    VideoCallDetector& m_detector;
    platform::UrlOpener& m_opener;
    platform::ShortcutRunner& m_shortcuts;
    JoinedRegistry& m_joined;
};

} // namespace ruvo::videocalls
