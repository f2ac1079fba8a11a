// SPDX-License-Identifier: GPL-3.0-or-later
// The headings of the settings window's calendar lists: a calendar goes under the folder the
// user added that holds it (a vdir root of six collections is one heading over six calendars),
// and a calendar of an account under the account's name.
#pragma once

#include "platform/CalendarTypes.h"

#include <vector>

namespace ruvo::preferences {

// A folder calendars were added from, or the built-in store.
struct CalendarFolder {
    QString path; // absolute
    bool isBuiltIn = false;
    friend bool operator==(const CalendarFolder&, const CalendarFolder&) = default;
};

struct CalendarGroup {
    QString source; // the folder, the account's name, or empty (a calendar without one)
    bool isBuiltIn = false;
    std::vector<platform::Calendar> calendars;
};

// The calendars of `kind`, each under the innermost of `folders` that holds its source folder,
// else under its own source. Groups come in the order of their first calendar, calendars in
// the order given.
std::vector<CalendarGroup> groupCalendars(const std::vector<platform::Calendar>& calendars,
                                          platform::EntityType kind,
                                          const std::vector<CalendarFolder>& folders);

// A folder in `home` as the user would write it ("~/.calendars"); anything else as it is.
QString folderTitle(const QString& source, const QString& home);

} // namespace ruvo::preferences
