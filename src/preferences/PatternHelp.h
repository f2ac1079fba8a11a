// SPDX-License-Identifier: GPL-3.0-or-later
// What the settings window tells a user typing a date-time pattern: the help beside the
// field and the warnings about letters that look right and are not.
#pragma once

#include <QStringList>

namespace ruvo::preferences {

QString patternHelpText();

// A warning for each of "D", "Y" and "W" used as a pattern letter (outside quoted text), in
// that order, each once.
QStringList patternWarnings(const QString& pattern);

} // namespace ruvo::preferences
