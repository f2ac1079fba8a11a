// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar sources the user added beside the built-in calendars: folders of calendars, each
// with the user's own addresses in its invitations and whether the program may change it.
#pragma once

#include "kit/Result.h"

#include <QStringList>
#include <vector>

namespace ruvo::platform {

struct CalendarSource {
    QString location; // an absolute folder
    QStringList emails;
    bool isReadOnly = false; // a subscription the program must not change
    friend bool operator==(const CalendarSource&, const CalendarSource&) = default;
};

class CalendarSources {
public:
    virtual ~CalendarSources() = default;
    // A missing list is empty; one that cannot be read is an error (and is never overwritten).
    virtual kit::Result<std::vector<CalendarSource>> sources() const = 0;
    // Adds the source, or replaces the one at the same location. Fails when the location holds
    // no calendar.
    virtual kit::Result<void> add(const CalendarSource& source) = 0;
    // Removes the source at `location`, or the one holding it as a collection; false when
    // neither is listed.
    virtual kit::Result<bool> remove(const QString& location) = 0;
};

} // namespace ruvo::platform
