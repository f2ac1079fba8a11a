// SPDX-License-Identifier: GPL-3.0-or-later
// Video calls as the commands see them: a command opens nothing, so it answers as if no
// meeting application were present and every link opened in the browser.
#pragma once

#include "events/videocalls/VideoCallDetector.h"
#include "platform/CalendarTypes.h"

namespace ruvo::cli {

class NoApplications final : public platform::UrlOpener {
public:
    bool open(const QUrl&) override { return false; }
    bool hasApplicationFor(const QString&) const override { return false; }
};

class CommandCalls {
public:
    CommandCalls() : m_detector(m_apps) {}
    CommandCalls(const CommandCalls&) = delete;
    CommandCalls& operator=(const CommandCalls&) = delete;

    std::optional<videocalls::Service> videoCall(const platform::Event& event);

    // A call at a time of day: what the upcoming item and the full-screen alerts look for.
    bool isTimedCall(const platform::Event& event) {
        return !event.isAllDay() && videoCall(event).has_value();
    }

    videocalls::VideoCallDetector& detector() { return m_detector; }

private:
    NoApplications m_apps;
    videocalls::VideoCallDetector m_detector;
};

} // namespace ruvo::cli
