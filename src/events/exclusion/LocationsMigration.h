// SPDX-License-Identifier: GPL-3.0-or-later
// The settings migration "migrate_excludeEventsScreen_locationsEnum".
//
// Earlier versions stored a matcher's "locations" as the raw values of an integer
// enumeration, in this order: 0 event list, 1 upcoming event in the menu bar, 2 full-screen
// notifications, 3 video-call notifications. Such documents do not decode in the current
// form (case names), so they would read as no matcher at all. The migration rewrites every
// stored document of `fullscreenNotifications_excludeMatcher` whose locations are numbers
// into the current form; other documents, and values it cannot read, are left untouched.
#pragma once

#include "settings/Defaults.h"

#include <optional>

namespace ruvo::exclusion {

inline constexpr char kLocationsMigrationName[] = "migrate_excludeEventsScreen_locationsEnum";

// The current JSON text for one stored document in the older form; nothing when the text
// is not in the older form (already current, or not a matcher at all).
std::optional<QString> convertLegacyMatcherText(const QString& storedText);

// Rewrites the stored list in place; returns how many documents it converted.
int convertStoredExcludeMatchers(const settings::Defaults& defaults);

} // namespace ruvo::exclusion
