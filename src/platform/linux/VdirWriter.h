// SPDX-License-Identifier: GPL-3.0-or-later
// Writes new calendar items into vdir folders, one item (one UID) per .ics file, each under
// a name no other file has. A file is written whole to a temporary file and then moved
// into place, so a crash leaves no half of one.
#pragma once

#include "kit/Result.h"
#include "platform/CalendarTypes.h"

namespace ruvo::platform::vdir {

// The file name for a new item: its UID when that is a safe file name, else the UID made
// safe plus a short hash of the exact UID. Each further `attempt` gives another name, for
// when one is taken.
QString itemFileName(const QString& uid, int attempt = 0);
// Writes a new item file for `uid` into `folder` under the first of its names that no file
// has (never replacing one); answers its path.
kit::Result<QString> writeNewItemFile(const QString& folder, const QString& uid,
                                      const QByteArray& bytes);

// A new item as a whole calendar, for a store that is not a folder.
struct NewItem {
    QString uid;
    QByteArray text;
};
kit::Result<NewItem> newEventText(const EventDraft& draft, const QString& zoneId, kit::Instant now);
kit::Result<NewItem> newReminderText(const ReminderDraft& draft, kit::Instant now);

// Each answers the new item's UID.
kit::Result<QString> writeNewEvent(const QString& folder, const EventDraft& draft,
                                   const QString& zoneId, kit::Instant now);
kit::Result<QString> writeNewReminder(const QString& folder, const ReminderDraft& draft,
                                      kit::Instant now);

} // namespace ruvo::platform::vdir
