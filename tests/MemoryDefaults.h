// SPDX-License-Identifier: GPL-3.0-or-later
// Settings kept in memory only. Fixtures derive from it, so `defaults` (and `standard`, for the
// objects as stored) read as their own members and outlive whatever the fixture builds on them.
#pragma once

#include "settings/Defaults.h"
#include "settings/Suite.h"

namespace ruvo::test {

struct MemoryDefaults {
    settings::Suite standard{QStringLiteral("standard")};
    settings::Suite shared{QStringLiteral("shared")};
    settings::Defaults defaults{standard, shared};
};

} // namespace ruvo::test
