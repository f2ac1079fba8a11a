// SPDX-License-Identifier: GPL-3.0-or-later
// The time-travel offset shared by every view that shows a zone: none while time travel is
// off. Writers pass whether Option alone was held, which picks the quarter-hour rounding.
#pragma once

#include "kit/Signal.h"

#include <optional>

namespace ruvo::timezones {

class TimeZoneOffset {
public:
    const std::optional<qint64>& value() const { return m_value; }
    bool isTravelling() const { return m_value.has_value(); }
    bool optionKeyPressedDuringLastInteraction() const { return m_optionOnly; }

    void set(std::optional<qint64> seconds, bool onlyOptionHeld) {
        const bool changed = seconds != m_value || onlyOptionHeld != m_optionOnly;
        m_value = seconds;
        m_optionOnly = onlyOptionHeld;
        if (changed)
            m_changed.emit();
    }

    [[nodiscard]] kit::Subscription observe(std::function<void()> handler) {
        return m_changed.connect([handler = std::move(handler)] { handler(); });
    }

private:
    std::optional<qint64> m_value;
    bool m_optionOnly = false;
    kit::Signal<> m_changed;
};

} // namespace ruvo::timezones
