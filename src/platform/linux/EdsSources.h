// SPDX-License-Identifier: GPL-3.0-or-later
// What the EDS store reads from a source of the registry: the calendar it describes (name,
// colour, the account it belongs to) and the user's own addresses for its invitations.
#pragma once

#include "platform/CalendarTypes.h"

#include <QStringList>

namespace ruvo::platform::eds {

// `registry` is an ESourceRegistry, `source` an ESource of it.
Calendar calendarOfSource(void* registry, void* source, EntityType kind);

// The source's own address (CalDAV's calendar-user address), the account's user name when it
// is an address, and every mail identity's address, without duplicates.
QStringList userAddressesOfSource(void* registry, void* source);

// A colour as the calendar views take it ("#rrggbb"), or a neutral grey for none or one that
// is not a colour.
QString calendarColour(const QString& edsColour);

} // namespace ruvo::platform::eds
