// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's own settings page for notifications, where the user allows or silences
// Ruvo's notifications.
#pragma once

#include "kit/Result.h"

namespace ruvo::platform {

class NotificationSettings {
public:
    virtual ~NotificationSettings() = default;
    // Whether this desktop has a page to open at all.
    virtual bool exists() const = 0;
    // Opens the page; an error says, in the user's words, why it could not.
    virtual kit::Result<void> open() = 0;
};

} // namespace ruvo::platform
