// SPDX-License-Identifier: GPL-3.0-or-later
// The editors of the simple control kinds, each bound to its key: a switch, a choice, a
// number, a line of text, a colour, weekdays, a time range, a font, a list and a sound.
#pragma once

#include "preferences/PaneDescription.h"
#include "views/preferences/KeyBinding.h"
#include "views/preferences/SettingsServices.h"

#include <QWidget>

namespace ruvo::views {

// The editor of `control`, or null for a kind these editors do not cover.
QWidget* makeBasicEditor(const preferences::Control& control, KeyBinding& binding,
                         const SettingsServices& services, QWidget* parent);

// "#rrggbbaa", the stored form of a colour.
QString storedColourText(const QColor& colour);

} // namespace ruvo::views
