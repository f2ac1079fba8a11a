// SPDX-License-Identifier: GPL-3.0-or-later
// What the first-run window says about the panel: whether the clock shows already, and the
// steps (each with the exact command or snippet to copy) that put it where the user looks.
#pragma once

#include "onboarding/PanelHost.h"

#include <QString>
#include <vector>

namespace ruvo::onboarding {

struct GuideStep {
    QString text;    // plain text, translated
    QString snippet; // a command or configuration to copy as it stands; may be empty
    bool operator==(const GuideStep&) const = default;
};

struct FirstRunGuide {
    QString summary; // one sentence: where the clock is, or why it is not yet
    std::vector<GuideStep> steps;
};

FirstRunGuide firstRunGuide(const PanelHost& host);

// The guide as text for a terminal: the summary, then numbered steps with indented snippets.
QString guideText(const FirstRunGuide& guide);

} // namespace ruvo::onboarding
