// SPDX-License-Identifier: GPL-3.0-or-later
// The icons the menu-bar item can show beside (or instead of) its text: the picker's labels in
// the picker's order, and what each icon shows of the date (the text then leaves that out).
#pragma once

#include "settings/records/Enums.h"

#include <QString>
#include <span>

namespace ruvo::menubar {

struct MenuBarIconInfo {
    settings::MenuBarIconType type;
    const char* label;    // the picker's label, translated in the context "MenuBarIcons"
    bool isDrawnFromDate; // drawn afresh at each recomposition
};

// Every icon in the picker's order.
std::span<const MenuBarIconInfo> menuBarIcons();

QString pickerLabel(settings::MenuBarIconType type);

// dateAndDayOfWeek shows the weekday.
bool iconShowsWeekday(settings::MenuBarIconType type);
// dateInCalendar, dateWithBorder, dateWithFill and dateAndDayOfWeek show the day number.
bool iconShowsDayNumber(settings::MenuBarIconType type);

} // namespace ruvo::menubar
