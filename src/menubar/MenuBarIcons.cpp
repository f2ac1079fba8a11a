// SPDX-License-Identifier: GPL-3.0-or-later
#include "menubar/MenuBarIcons.h"

#include <QCoreApplication>
#include <array>

namespace ruvo::menubar {

using settings::MenuBarIconType;

namespace {

constexpr std::array kIcons{
    MenuBarIconInfo{MenuBarIconType::none, QT_TRANSLATE_NOOP("MenuBarIcons", "None"), false},
    MenuBarIconInfo{MenuBarIconType::dateInCalendar,
                    QT_TRANSLATE_NOOP("MenuBarIcons", "Date in calendar"), true},
    MenuBarIconInfo{MenuBarIconType::dateWithBorder,
                    QT_TRANSLATE_NOOP("MenuBarIcons", "Date with border"), true},
    MenuBarIconInfo{MenuBarIconType::dateWithFill,
                    QT_TRANSLATE_NOOP("MenuBarIcons", "Date with fill"), true},
    MenuBarIconInfo{MenuBarIconType::dateAndDayOfWeek,
                    QT_TRANSLATE_NOOP("MenuBarIcons", "Date & day of week"), true},
    MenuBarIconInfo{MenuBarIconType::remainingEventsToday,
                    QT_TRANSLATE_NOOP("MenuBarIcons", "Remaining events today"), true},
    MenuBarIconInfo{MenuBarIconType::calendar, QT_TRANSLATE_NOOP("MenuBarIcons", "Calendar"),
                    false},
    MenuBarIconInfo{MenuBarIconType::staticClock,
                    QT_TRANSLATE_NOOP("MenuBarIcons", "Clock (static)"), false},
    MenuBarIconInfo{MenuBarIconType::sunrise, QT_TRANSLATE_NOOP("MenuBarIcons", "Sunrise"), false},
    MenuBarIconInfo{MenuBarIconType::globe, QT_TRANSLATE_NOOP("MenuBarIcons", "Globe"), false},
    MenuBarIconInfo{MenuBarIconType::ellipsis, QT_TRANSLATE_NOOP("MenuBarIcons", "Ellipsis"),
                    false},
    MenuBarIconInfo{MenuBarIconType::star, QT_TRANSLATE_NOOP("MenuBarIcons", "Star"), false},
    MenuBarIconInfo{MenuBarIconType::smile, QT_TRANSLATE_NOOP("MenuBarIcons", "Smile"), false},
    MenuBarIconInfo{MenuBarIconType::heart, QT_TRANSLATE_NOOP("MenuBarIcons", "Heart"), false},
    MenuBarIconInfo{MenuBarIconType::unicorn, QT_TRANSLATE_NOOP("MenuBarIcons", "Unicorn"), false},
    MenuBarIconInfo{MenuBarIconType::bird, QT_TRANSLATE_NOOP("MenuBarIcons", "Bird"), false},
    MenuBarIconInfo{MenuBarIconType::fish, QT_TRANSLATE_NOOP("MenuBarIcons", "Fish"), false},
    MenuBarIconInfo{MenuBarIconType::tortoise, QT_TRANSLATE_NOOP("MenuBarIcons", "Tortoise"),
                    false},
    MenuBarIconInfo{MenuBarIconType::teddyBear, QT_TRANSLATE_NOOP("MenuBarIcons", "Teddy Bear"),
                    false},
    MenuBarIconInfo{MenuBarIconType::eyes, QT_TRANSLATE_NOOP("MenuBarIcons", "Eyes"), false},
    MenuBarIconInfo{MenuBarIconType::mustache, QT_TRANSLATE_NOOP("MenuBarIcons", "Mustache"),
                    false},
};

} // namespace

std::span<const MenuBarIconInfo> menuBarIcons() {
    return kIcons;
}

QString pickerLabel(MenuBarIconType type) {
    for (const auto& icon : kIcons)
        if (icon.type == type)
            return QCoreApplication::translate("MenuBarIcons", icon.label);
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
