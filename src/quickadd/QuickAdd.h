// SPDX-License-Identifier: GPL-3.0-or-later
// Quick add: an event from a sentence in plain English or German, read against a fixed
// "now", zone and locale ("Lunch with Ana Friday 1pm at Café Central", "Zahnarzt morgen um
// 9 für 30 Minuten"). A sentence without a time of day is an all-day event; one with a start
// and no end lasts the default event duration. What it cannot read unambiguously (two days,
// a bare "at 7" where clocks have am and pm, a 2:30 that the clocks skip or repeat on a
// daylight-saving day) is refused with the reason, never guessed.
#pragma once

#include "kit/Environment.h"
#include "kit/Result.h"
#include "kit/Time.h"

#include <QDate>
#include <QString>

namespace ruvo::quickadd {

// Longer sentences are refused before any reading, which keeps the work small.
constexpr qsizetype kMaxSentenceLength = 300;

struct QuickAddContext {
    kit::Instant now;
    kit::Environment environment; // the zone the times are in, the locale's 12/24-hour clock
    kit::Seconds defaultDuration{3600};
};

struct QuickAddEvent {
    QString title;
    QString location;
    bool isAllDay = false;
    // Timed: the instants. All-day: the start of the first day and of the day after the last.
    kit::Instant start;
    kit::Instant end;
    friend bool operator==(const QuickAddEvent&, const QuickAddEvent&) = default;
};

kit::Result<QuickAddEvent> readQuickAdd(const QString& sentence, const QuickAddContext& context);

// What was understood, for the user to see before it is saved:
// "Lunch with Ana — Fri, Dec 11, 1:00 PM – 2:00 PM at Café Central, calendar Work".
QString describe(const QuickAddEvent& event, const QString& calendarTitle,
                 const kit::Environment& environment, kit::Instant now);

} // namespace ruvo::quickadd
