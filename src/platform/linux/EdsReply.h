// SPDX-License-Identifier: GPL-3.0-or-later
// Answers to invitations on an Evolution Data Server object: the user's attendee gets the
// new PARTSTAT, and the answer goes to the organiser the way the source sends messages.
#pragma once

#include "kit/Time.h"
#include "platform/CalendarTypes.h"

#include <QStringList>

typedef struct _ECalClient ECalClient;
typedef struct _ICalComponent ICalComponent;

namespace ruvo::platform::eds {

// Sets PARTSTAT on the ATTENDEEs of `component` whose address is one of `addresses` (lower
// case, without "mailto:") and DTSTAMP to `now`; false, changing nothing, when there is none.
bool answerInvitation(ICalComponent* component, const QStringList& addresses,
                      ParticipantStatus status, kit::Instant now);

// Hands the answered `component` to the source as an iTIP REPLY when the source makes such
// messages itself (a server that schedules); a local calendar keeps the answer only. True
// when it was handed over.
bool sendReply(ECalClient* client, ICalComponent* component, const QString& calendarTitle);

} // namespace ruvo::platform::eds
