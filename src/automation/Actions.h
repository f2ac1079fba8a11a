// SPDX-License-Identifier: GPL-3.0-or-later
// The automation actions: join the next video call, read the world-clock entries, read and
// set the hourly chime and full-screen notification switches, and fetch one of the program's
// sounds as a file. The running program answers them in-process and offers them on the
// session bus; the command line asks the running program, or acts on the settings itself.
#pragma once

#include "automation/ActionResult.h"
#include "automation/TimeZoneEntity.h"

#include <vector>

namespace ruvo::automation {

// The two switches the actions read and set.
enum class Switch { hourlyChime, fullscreenNotifications };

class Actions {
public:
    virtual ~Actions() = default;

    // Joins the next video call (running now or starting within 15 minutes); false when there
    // is none or it could not be opened.
    virtual ActionResult<bool> joinVideoCall() = 0;
    // Every entry in list order, at the present instant; empty when the list is.
    virtual ActionResult<std::vector<TimeZoneEntity>> timeZones() = 0;
    // The entry with that identifier (any letter case, with or without braces).
    virtual ActionResult<TimeZoneEntity> timeZone(const QString& id) = 0;
    virtual ActionResult<bool> isEnabled(Switch which) = 0;
    // Turns the switch to `isEnabled`, or flips it when `shouldToggle` is set.
    virtual ActionStatus setEnabled(Switch which, bool shouldToggle, bool isEnabled) = 0;
    // The path of a file holding the sound, for the caller to copy.
    virtual ActionResult<QString> soundFile(const QString& name) = 0;
};

} // namespace ruvo::automation
