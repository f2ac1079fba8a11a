// SPDX-License-Identifier: GPL-3.0-or-later
// Changes to items that already exist in a vdir file. An edit changes only the lines it is
// about (the component it removes, the properties it sets, and DTSTAMP, LAST-MODIFIED and,
// when the change is one an attendee must see, SEQUENCE); every other byte of the file stays
// as it was. libical only reads here (times and zones); it never writes an existing file.
// Each edit goes through editFile, so a version another program wrote meanwhile is edited
// instead of overwritten. A file is removed only when no component but zones is left in it.
#pragma once

#include "kit/Result.h"
#include "platform/CalendarTypes.h"
#include "platform/linux/VdirZones.h"

namespace ruvo::platform::vdir {

// Removes the occurrence of the event `uid` that starts (or, moved, started) at `occurrence`:
// an EXDATE in the form of the series' DTSTART, and the overriding RECURRENCE-ID component
// when there is one. An event without a rule goes as a whole. Fails, changing nothing, when
// the event has no such occurrence. `zones` reads TZIDs; its current zone reads dates and
// floating times.
kit::Result<void> removeEventOccurrence(const QString& file, const QString& uid,
                                        kit::Instant occurrence, ZoneTable& zones,
                                        kit::Instant now);
// Removes every component of the event `uid`.
kit::Result<void> removeEventSeries(const QString& file, const QString& uid);

// Marks the VTODO `uid` completed at `now` (a completed one stays as it is), or removes it.
kit::Result<void> completeTodo(const QString& file, const QString& uid, kit::Instant now);
kit::Result<void> removeTodo(const QString& file, const QString& uid);
// Replaces the DUE of the VTODO `uid` (none: no due date), or its PRIORITY (0: none).
kit::Result<void> setTodoDue(const QString& file, const QString& uid,
                             const std::optional<DueDate>& due, kit::Instant now);
kit::Result<void> setTodoPriority(const QString& file, const QString& uid, int priority,
                                  kit::Instant now);

// The content line of a DUE for `due`: a date, a UTC time, a time with its TZID or a
// floating time.
QByteArray dueLine(const DueDate& due);

} // namespace ruvo::platform::vdir
