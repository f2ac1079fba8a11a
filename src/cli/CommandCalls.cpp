// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandCalls.h"

#include "events/CallEventConversion.h"

namespace ruvo::cli {

std::optional<videocalls::Service> CommandCalls::videoCall(const platform::Event& event) {
    return m_detector.videoCall(events::toCallEvent(event));
}

} // namespace ruvo::cli
