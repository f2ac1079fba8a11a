// SPDX-License-Identifier: GPL-3.0-or-later
// An answer to an invitation written into a vdir file: the PARTSTAT of the user's ATTENDEE
// lines, and DTSTAMP and LAST-MODIFIED of the components answered. SEQUENCE stays: only the
// organiser moves it. Every other line of the file stays as it was.
#pragma once

#include "kit/Result.h"
#include "platform/CalendarTypes.h"
#include "platform/linux/VdirZones.h"

#include <QStringList>

namespace ruvo::platform::vdir {

// Answers the event `uid` in `file` for the attendee whose address is one of `addresses`
// (lower case, without "mailto:"). Without `occurrence`, the whole event (its overrides too);
// with one, only the occurrence that starts (or, moved, started) then: its override, made
// from the series when it has none. Fails, changing nothing, when the user is no attendee.
kit::Result<void> replyToEvent(const QString& file, const QString& uid,
                               std::optional<kit::Instant> occurrence, const QStringList& addresses,
                               ParticipantStatus status, ZoneTable& zones, kit::Instant now);

// The iCalendar PARTSTAT value of an answer: "ACCEPTED", "DECLINED", "TENTATIVE".
QByteArray partstatValue(ParticipantStatus status);

} // namespace ruvo::platform::vdir
