// SPDX-License-Identifier: GPL-3.0-or-later
// Writes calendar items into vdir folders, one item (one UID) per .ics file. Every write goes
// to a new file that is synced and then renamed over the target, so a crash leaves either
// the old file or the new one, never half of one.
#pragma once

#include "kit/Result.h"
#include "platform/CalendarTypes.h"

namespace ruvo::platform::vdir {

kit::Result<void> writeFileAtomically(const QString& path, const QByteArray& bytes);

// Each answers the new item's UID.
kit::Result<QString> writeNewEvent(const QString& folder, const EventDraft& draft,
                                   const QString& zoneId, kit::Instant now);
kit::Result<QString> writeNewReminder(const QString& folder, const ReminderDraft& draft,
                                      kit::Instant now);

// Marks the VTODO `uid` in `file` completed at `now`, or removes it (and the file with it
// when nothing else is in it).
kit::Result<void> completeTodo(const QString& file, const QString& uid, kit::Instant now);
kit::Result<void> removeTodo(const QString& file, const QString& uid);

// Copies the items of an iCalendar text: VEVENTs into `eventsFolder`, VTODOs into
// `remindersFolder`, each UID into its own file with the zones it refers to.
kit::Result<ImportCounts> importCalendar(const QByteArray& text, const QString& eventsFolder,
                                         const QString& remindersFolder, kit::Instant now);

} // namespace ruvo::platform::vdir
