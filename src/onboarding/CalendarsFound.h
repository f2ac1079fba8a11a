// SPDX-License-Identifier: GPL-3.0-or-later
// What the first-run window says about the calendars already on this machine: the online
// accounts' calendars (read with no set-up) and the folders vdirsyncer and khal keep, with the
// command that adds those Ruvo does not read yet.
#pragma once

#include "platform/SetupDiscovery.h"

#include <QStringList>

namespace ruvo::onboarding {

struct CalendarsFound {
    QStringList lines;    // one per source found, plain text
    QStringList commands; // to copy into a terminal, each adding what is not read yet
};

CalendarsFound describeCalendarsFound(const platform::SetupDiscovery& setup);

} // namespace ruvo::onboarding
