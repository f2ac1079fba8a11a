// SPDX-License-Identifier: GPL-3.0-or-later
#include "menubar/MenuBarIcons.h"

#include <array>

namespace ruvo::menubar {

using settings::MenuBarIconType;

namespace {

constexpr std::array kIcons{
    MenuBarIconInfo{MenuBarIconType::none, "None", false},
    MenuBarIconInfo{MenuBarIconType::dateInCalendar, "Date in calendar", true},
    MenuBarIconInfo{MenuBarIconType::dateWithBorder, "Date with border", true},
    MenuBarIconInfo{MenuBarIconType::dateWithFill, "Date with fill", true},
    MenuBarIconInfo{MenuBarIconType::dateAndDayOfWeek, "Date & day of week", true},
    MenuBarIconInfo{MenuBarIconType::remainingEventsToday, "Remaining events today", true},
    MenuBarIconInfo{MenuBarIconType::calendar, "Calendar", false},
    MenuBarIconInfo{MenuBarIconType::staticClock, "Clock (static)", false},
    MenuBarIconInfo{MenuBarIconType::sunrise, "Sunrise", false},
    MenuBarIconInfo{MenuBarIconType::globe, "Globe", false},
    MenuBarIconInfo{MenuBarIconType::ellipsis, "Ellipsis", false},
    MenuBarIconInfo{MenuBarIconType::star, "Star", false},
    MenuBarIconInfo{MenuBarIconType::smile, "Smile", false},
    MenuBarIconInfo{MenuBarIconType::heart, "Heart", false},
    MenuBarIconInfo{MenuBarIconType::unicorn, "Unicorn", false},
    MenuBarIconInfo{MenuBarIconType::bird, "Bird", false},
    MenuBarIconInfo{MenuBarIconType::fish, "Fish", false},
    MenuBarIconInfo{MenuBarIconType::tortoise, "Tortoise", false},
    MenuBarIconInfo{MenuBarIconType::teddyBear, "Teddy Bear", false},
    MenuBarIconInfo{MenuBarIconType::eyes, "Eyes", false},
    MenuBarIconInfo{MenuBarIconType::mustache, "Mustache", false},
};

} // namespace

std::span<const MenuBarIconInfo> menuBarIcons() {
    return kIcons;
}

QString pickerLabel(MenuBarIconType type) {
    for (const auto& icon : kIcons)
        if (icon.type == type)
            return QString::fromUtf8(icon.label);
    return {};
}

bool iconShowsWeekday(MenuBarIconType type) {
    return type == MenuBarIconType::dateAndDayOfWeek;
}

bool iconShowsDayNumber(MenuBarIconType type) {
    switch (type) {
    case MenuBarIconType::dateInCalendar:
    case MenuBarIconType::dateWithBorder:
    case MenuBarIconType::dateWithFill:
    case MenuBarIconType::dateAndDayOfWeek:
        return true;
    default:
        return false;
    }
}

} // namespace ruvo::menubar
