// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a block once per installation: the marker "Zu_App_runOnce__" + name is a stored Bool;
// when it is false or absent it is set to true and the block runs.
#pragma once

#include "settings/Defaults.h"
#include "settings/Keys.h"

namespace ruvo::settings {

inline Key<bool> runOnceKey(const QString& name) {
    return Key<bool>{runOnceKeyName(name), false};
}

// True when the block ran.
inline bool runOnce(const Defaults& defaults, const QString& name,
                    const std::function<void()>& block) {
    const Key<bool> marker = runOnceKey(name);
    if (defaults.get(marker))
        return false;
    defaults.set(marker, true);
    block();
    return true;
}

} // namespace ruvo::settings
