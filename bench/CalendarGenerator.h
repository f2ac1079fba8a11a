// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a deterministic vdir collection for the benchmarks: `eventCount` events over three
// years from `firstDay`, one in ten recurring (daily, weekly with BYDAY, fortnightly, monthly
// by weekday, yearly; with COUNT, UNTIL or no end; some with EXDATEs and moved or cancelled
// occurrences), one in fifteen all-day, in several zones and floating. The same count always
// gives the same files.
#pragma once

#include <QDate>
#include <QString>

namespace ruvo::bench {

struct GeneratedCalendar {
    QString folder;
    int files = 0;
};

// Generates into `folder` unless it already holds this generator's output for the count.
GeneratedCalendar generateCalendar(const QString& folder, int eventCount,
                                   QDate firstDay = QDate(2025, 6, 1));

} // namespace ruvo::bench
