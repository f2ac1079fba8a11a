// SPDX-License-Identifier: GPL-3.0-or-later
// Date events that a test sends by hand.
#pragma once

#include "platform/SystemDateEvents.h"

namespace ruvo::platform {

class FakeSystemDateEvents final : public SystemDateEvents {
public:
    kit::Subscription subscribe(std::function<void(DateEvent)> handler) override {
        return m_events.connect(std::move(handler));
    }
    void send(DateEvent event) { m_events.emit(event); }

private:
    kit::Signal<DateEvent> m_events;
};

} // namespace ruvo::platform
