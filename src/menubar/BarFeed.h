// SPDX-License-Identifier: GPL-3.0-or-later
// The lines a status bar reads: waybar's JSON objects ({"text", "tooltip", "class"}, one per
// line) and the i3bar protocol (a header, then an endless JSON array of status lines).
#pragma once

#include <QString>

namespace ruvo::menubar {

enum class BarFormat { waybar, i3bar };

struct BarState {
    QString text;
    QString toolTip;
    bool hasSeconds = false;
    QString cssClass; // waybar's "class"; the clock's ("ruvo", "ruvo seconds") when empty
};

// What is written once before the first line (empty for waybar).
QString barHeader(BarFormat format);
// One line for `state`; `isFirst` for the i3bar array's separators.
QString barLine(BarFormat format, const BarState& state, bool isFirst);

} // namespace ruvo::menubar
