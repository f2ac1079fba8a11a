// SPDX-License-Identifier: GPL-3.0-or-later
// What the settings window works with: the settings, the clock and environment, and the parts
// of the program that only the wiring knows (the calendars, the sounds, the keyless actions).
// Every service may be empty; the control that needs it then says it is not available.
#pragma once

#include "kit/Clock.h"
#include "kit/Environment.h"
#include "platform/CalendarTypes.h"
#include "platform/ShortcutConflicts.h"
#include "preferences/CalendarGroups.h"
#include "settings/Defaults.h"

#include <functional>
#include <optional>

namespace ruvo::timezones {
class PlaceList;
}
namespace ruvo::preferences {
class LaunchAtLogin;
}

namespace ruvo::views {

struct SettingsServices {
    const settings::Defaults& defaults;
    const kit::Clock& clock;
    std::function<kit::Environment()> environment;
    timezones::PlaceList* places = nullptr; // the time zone search
    // The calendars and reminder lists of the user's store.
    std::function<std::vector<platform::Calendar>()> calendars{};
    // The folders the user added and the built-in store: the lists' headings.
    std::function<std::vector<preferences::CalendarFolder>()> calendarFolders{};
    const platform::ShortcutConflicts* shortcutConflicts = nullptr;
    preferences::LaunchAtLogin* launchAtLogin = nullptr;
    // Plays a sound by its stored name (none: the default sound) at a volume from 0 to 1.
    std::function<void(const std::optional<QString>& sound, double volume)> playSound{};
    // The sounds to offer, by stored name and shown name.
    std::function<std::vector<std::pair<QString, QString>>()> sounds{};
    // The keyless actions the wiring provides ("addCalendarFolder", "previewNotification",
    // "copyDebugInfo", "openCrashReports"); an error text when one failed.
    std::function<std::optional<QString>(const QString& action)> runAction{};
};

} // namespace ruvo::views
