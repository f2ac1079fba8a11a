// SPDX-License-Identifier: GPL-3.0-or-later
// The settings migrations: each runs once per installation under its own marker, in a fixed
// order, with propagation suppressed so no observer reacts to a half-migrated state.
#pragma once

#include "settings/Defaults.h"

#include <functional>

namespace ruvo::app {

struct MigrationConverters {
    // Rewrites stored exclusion matchers from their older form; empty while the exclusion
    // library is not part of the program, in which case that migration waits (its marker
    // stays unconsumed) rather than being lost.
    std::function<void(const settings::Defaults&)> excludeMatchersLocations;
};

// The markers, in the order they run.
const QStringList& migrationMarkers();

void runMigrations(const settings::Defaults& defaults, bool isFirstLaunch,
                   const MigrationConverters& converters);

// The hourly-chime sound in the older stored form, the JSON text of a tagged sound
// ({"system":{"_0":"glass"}} or {"app":{"_0":"gong"}}), to the sound's name ("Glass", "gong").
// Nothing for anything else.
std::optional<QString> soundNameFromLegacyForm(const QVariant& stored);

} // namespace ruvo::app
