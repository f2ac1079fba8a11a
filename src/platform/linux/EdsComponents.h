// SPDX-License-Identifier: GPL-3.0-or-later
// iCalendar text the EDS store hands to a source's client: changed tasks, the RECURRENCE-ID of
// an occurrence, and the items of a file to import. Read and written with libical; every
// property an edit is not about stays as it was.
#pragma once

#include "kit/Time.h"
#include "platform/CalendarTypes.h"

#include <QByteArray>
#include <optional>
#include <vector>

namespace ruvo::platform::eds {

// Each takes and answers one VTODO (nullopt when the text holds none); each sets DTSTAMP and
// LAST-MODIFIED to `now`.
std::optional<QByteArray> completedTodo(const QByteArray& todo, kit::Instant now);
std::optional<QByteArray> todoDue(const QByteArray& todo, const std::optional<DueDate>& due,
                                  kit::Instant now);
std::optional<QByteArray> todoPriority(const QByteArray& todo, int priority, kit::Instant now);

// The RECURRENCE-ID value that names an occurrence starting (before any move) at `occurrence`:
// a date in `zoneId` for an all-day event, else a UTC time.
QByteArray recurrenceIdValue(kit::Instant occurrence, bool isAllDay, const QString& zoneId);

// The VEVENT and VTODO components of an iCalendar file, each as its own text with the
// file's VTIMEZONEs in front of it when it uses one; at most `limit` of them.
struct FileItem {
    QString uid;
    bool isTodo = false;
    bool isOverride = false; // has a RECURRENCE-ID
    QByteArray text;
};
std::vector<FileItem> itemsOfFile(const QByteArray& text, std::size_t limit);

} // namespace ruvo::platform::eds
