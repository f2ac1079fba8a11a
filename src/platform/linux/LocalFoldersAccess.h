// SPDX-License-Identifier: GPL-3.0-or-later
// Calendars kept in the user's own folders need no permission: access is always granted.
#pragma once

#include "platform/CalendarAccess.h"

namespace ruvo::platform {

class LocalFoldersAccess final : public CalendarAccess {
public:
    void requestEventsAccess(std::function<void(bool)> done) override { done(true); }
    void requestRemindersAccess(std::function<void(bool)> done) override { done(true); }
};

} // namespace ruvo::platform
