// SPDX-License-Identifier: GPL-3.0-or-later
// How the command line writes one calendar item, as JSON or as a line of text. `ruvo events`
// and `ruvo agenda` share it so both print the same fields.
//
//   {"kind": "event"|"reminder", "title", "start", "end", "allDay", "calendar",
//    "calendarIdentifier", "uid", "occurrenceDate", "location"?, "url"?}
// A reminder without a due date has no "start", "end" or "occurrenceDate".
#pragma once

#include "events/EventQueries.h"

#include <QJsonObject>
#include <QTimeZone>

namespace ruvo::cli {

QJsonObject calendarItemJson(const events::CalendarItem& item, const events::EventQueries& queries,
                             const QTimeZone& zone);

// "2026-12-08 09:30-10:00  Standup  [Team]"
QString calendarItemText(const events::CalendarItem& item, const events::EventQueries& queries,
                         const QTimeZone& zone);

} // namespace ruvo::cli
