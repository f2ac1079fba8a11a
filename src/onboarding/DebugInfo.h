// SPDX-License-Identifier: GPL-3.0-or-later
// The text "Copy Debug Info" puts on the clipboard and "Send Feedback" into the mail: the
// build, the libraries, the desktop and panel, the locale and a few display settings. Never
// an event, a calendar's name or anything else read from calendar data.
#pragma once

#include "kit/Environment.h"
#include "onboarding/PanelHost.h"
#include "settings/Defaults.h"

namespace ruvo::onboarding {

struct DebugFacts {
    QString platformName; // Qt's platform plugin, "xcb", "wayland"
    PanelHost panel;
    kit::Environment environment;
};

QString debugInfo(const DebugFacts& facts, const settings::Defaults& defaults);

} // namespace ruvo::onboarding
