// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of "ruvo calendars" that look at what other programs set up:
//   ruvo calendars discover [--json]   what EDS, vdirsyncer and khal hold
//   ruvo calendars add --vdirsyncer    adds vdirsyncer's folders
// and where each listed calendar comes from.
#pragma once

#include "cli/CommandLine.h"

namespace ruvo::cli {

// Enables the calendars of `folder` (and below it): the user asked for them.
void enableCalendarsIn(const settings::Defaults& defaults, const platform::CalendarStore& store,
                       const QString& folder);

// What the machine holds; nullopt in a build without discovery.
std::optional<platform::SetupDiscovery> discoverSetup(CommandContext& context);

// Where a calendar comes from: "eds", "vdirsyncer", "khal", "built-in" or "added".
QString calendarOrigin(const platform::Calendar& calendar,
                       const std::optional<platform::SetupDiscovery>& discovery);
// The same for people: "EDS account", "added by hand", ...
QString originText(const QString& origin);

int runDiscover(CommandContext& context, const Invocation& line);
int addVdirsyncerFolders(CommandContext& context, const Invocation& line);

} // namespace ruvo::cli
