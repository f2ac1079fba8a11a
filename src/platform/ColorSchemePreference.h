// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the desktop prefers dark windows, and when that changes.
#pragma once

#include "kit/Signal.h"

namespace ruvo::platform {

class ColorSchemePreference {
public:
    virtual ~ColorSchemePreference() = default;
    virtual bool prefersDark() const = 0;
    kit::Signal<> changed;
};

} // namespace ruvo::platform
