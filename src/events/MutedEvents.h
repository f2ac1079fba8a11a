// SPDX-License-Identifier: GPL-3.0-or-later
// The muted events that the upcoming event in the panel and the alerts skip
// (`upcomingEventInMenuBarIgnoredEvents`), and the collapsing of one event that sits in
// several calendars. Plain functions of values, shared by every alert and the event list.
//
// An entry mutes:
//   "calendar/UID"            that event when it does not repeat (its identifier);
//   "UID"                     every occurrence of the event (its external identifier);
//   "calendar/UID⏰786614400" the one occurrence starting at that many seconds (a decimal
//                             number, fractions allowed) after 2001-01-01 00:00:00 UTC.
#pragma once

#include "platform/CalendarTypes.h"

#include <vector>

namespace ruvo::events {

// The facts of an event occurrence that muting reads.
struct MuteFacts {
    QString calendarItemIdentifier;
    QString externalIdentifier;
    bool hasRecurrenceRules = false;
    kit::Instant start;
};

MuteFacts muteFacts(const platform::Event& event);

bool isMutedBy(const QString& entry, const MuteFacts& event);
bool isMuted(const std::vector<QString>& entries, const MuteFacts& event);

// The entry that mutes this occurrence only: the identifier of an event that does not
// repeat, identifier + "⏰" + start for an occurrence of a repeating one.
QString occurrenceMuteEntry(const MuteFacts& event);

// What duplicate collapsing compares.
struct DuplicateFacts {
    QString title;
    QString externalIdentifier;
    kit::Instant start;
    QString calendarIdentifier;
};

// Indexes of the events to keep, in their order: of events with the same title (or, without
// one, the same external identifier) and the same start, the one in `defaultCalendarId`,
// else the first. Events with neither title nor external identifier are all kept.
std::vector<std::size_t> keptAfterCollapsing(const std::vector<DuplicateFacts>& events,
                                             const QString& defaultCalendarId);

std::vector<platform::Event> collapseDuplicates(std::vector<platform::Event> events,
                                                const QString& defaultCalendarId);

} // namespace ruvo::events
