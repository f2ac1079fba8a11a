// SPDX-License-Identifier: GPL-3.0-or-later
// Asking for access to the user's events and reminders. The calendar store implements it;
// on Linux access to local folders is always granted, other back ends may ask.
#pragma once

#include <functional>

namespace ruvo::platform {

class CalendarAccess {
public:
    virtual ~CalendarAccess() = default;
    virtual void requestEventsAccess(std::function<void(bool granted)> done) = 0;
    virtual void requestRemindersAccess(std::function<void(bool granted)> done) = 0;
};

} // namespace ruvo::platform
