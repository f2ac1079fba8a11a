// SPDX-License-Identifier: GPL-3.0-or-later
// Changes to items that already exist in a vdir file. Each edit parses the file with libical,
// changes only the components and properties it is about and writes the file back
// atomically, so properties this program does not know survive the edit.
#pragma once

#include "kit/Result.h"
#include "platform/CalendarTypes.h"
#include "platform/linux/VdirZones.h"

namespace ruvo::platform::vdir {

// Removes the occurrence of the event `uid` that the series' rule gave the start
// `occurrence`: an EXDATE in the form of the series' DTSTART, and the overriding
// RECURRENCE-ID component when there is one. An event without a rule goes as a whole.
// `zones` reads TZIDs; its current zone reads dates and floating times.
kit::Result<void> removeEventOccurrence(const QString& file, const QString& uid,
                                        kit::Instant occurrence, ZoneTable& zones);
// Removes every component of the event `uid`, and the file when nothing else is left in it.
kit::Result<void> removeEventSeries(const QString& file, const QString& uid);

// Replaces the DUE of the VTODO `uid` (none: no due date).
kit::Result<void> setTodoDue(const QString& file, const QString& uid,
                             const std::optional<DueDate>& due, kit::Instant now);
kit::Result<void> setTodoPriority(const QString& file, const QString& uid, int priority,
                                  kit::Instant now);

} // namespace ruvo::platform::vdir
