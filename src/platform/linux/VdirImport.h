// SPDX-License-Identifier: GPL-3.0-or-later
// Copies the items of an iCalendar file into vdir folders. Each UID is one file: a new item
// gets a new file under a name no other file has; an item the calendar already holds is
// replaced in the file that holds it, and only by a newer version (a higher SEQUENCE, or the
// same SEQUENCE with a later DTSTAMP). The items' lines are copied as they stand, with the
// VTIMEZONEs they refer to; other components of an existing file stay as they are.
#pragma once

#include "kit/Result.h"
#include "kit/Time.h"
#include "platform/CalendarTypes.h"

#include <QString>
#include <map>
#include <vector>

namespace ruvo::platform::vdir {

struct ImportTarget {
    QString folder;
    QString title;
    bool isReadOnly = false;
    std::map<QString, QString> fileByUid; // the items in the folder: UID to file name
};

// VEVENTs go into `events`, VTODOs into `reminders`. Fails, writing nothing, when the text
// is no iCalendar or a target that would receive items is read-only.
kit::Result<ImportReport> importCalendar(const QByteArray& text, ImportTarget& events,
                                         ImportTarget& reminders, kit::Instant now);

} // namespace ruvo::platform::vdir
