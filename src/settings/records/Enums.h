// SPDX-License-Identifier: GPL-3.0-or-later
// The enumerations the settings catalogue stores, with their cases in declared order.
#pragma once

#include "settings/Enum.h"

namespace ruvo::settings {

enum class AppAppearance { system, light, dark };
template <> struct EnumInfo<AppAppearance> {
    static constexpr std::array cases{EnumCase<AppAppearance>{AppAppearance::system, "system"},
                                      EnumCase<AppAppearance>{AppAppearance::light, "light"},
                                      EnumCase<AppAppearance>{AppAppearance::dark, "dark"}};
};

enum class MenuBarIconType {
    none,
    dateInCalendar,
    dateWithBorder,
    dateWithFill,
    dateAndDayOfWeek,
    remainingEventsToday,
    calendar,
    staticClock,
    sunrise,
    globe,
    ellipsis,
    star,
    smile,
    heart,
    unicorn,
    bird,
    fish,
    tortoise,
    teddyBear,
    eyes,
    mustache
};
template <> struct EnumInfo<MenuBarIconType> {
    using M = MenuBarIconType;
    static constexpr std::array cases{EnumCase<M>{M::none, "none"},
                                      EnumCase<M>{M::dateInCalendar, "dateInCalendar"},
                                      EnumCase<M>{M::dateWithBorder, "dateWithBorder"},
                                      EnumCase<M>{M::dateWithFill, "dateWithFill"},
                                      EnumCase<M>{M::dateAndDayOfWeek, "dateAndDayOfWeek"},
                                      EnumCase<M>{M::remainingEventsToday, "remainingEventsToday"},
                                      EnumCase<M>{M::calendar, "calendar"},
                                      EnumCase<M>{M::staticClock, "staticClock"},
                                      EnumCase<M>{M::sunrise, "sunrise"},
                                      EnumCase<M>{M::globe, "globe"},
                                      EnumCase<M>{M::ellipsis, "ellipsis"},
                                      EnumCase<M>{M::star, "star"},
                                      EnumCase<M>{M::smile, "smile"},
                                      EnumCase<M>{M::heart, "heart"},
                                      EnumCase<M>{M::unicorn, "unicorn"},
                                      EnumCase<M>{M::bird, "bird"},
                                      EnumCase<M>{M::fish, "fish"},
                                      EnumCase<M>{M::tortoise, "tortoise"},
                                      EnumCase<M>{M::teddyBear, "teddyBear"},
                                      EnumCase<M>{M::eyes, "eyes"},
                                      EnumCase<M>{M::mustache, "mustache"}};
};

enum class NewEventApp { ruvo, calendar, fantastical, googleCalendar };
template <> struct EnumInfo<NewEventApp> {
    static constexpr std::array cases{
        EnumCase<NewEventApp>{NewEventApp::ruvo, "ruvo"},
        EnumCase<NewEventApp>{NewEventApp::calendar, "calendar"},
        EnumCase<NewEventApp>{NewEventApp::fantastical, "fantastical"},
        EnumCase<NewEventApp>{NewEventApp::googleCalendar, "googleCalendar"}};
};

enum class FloatingClockShow { aboveAllWindows, aboveAllWindowsAndFullscreen, onDesktopBackground };
template <> struct EnumInfo<FloatingClockShow> {
    using F = FloatingClockShow;
    static constexpr std::array cases{
        EnumCase<F>{F::aboveAllWindows, "aboveAllWindows"},
        EnumCase<F>{F::aboveAllWindowsAndFullscreen, "aboveAllWindowsAndFullscreen"},
        EnumCase<F>{F::onDesktopBackground, "onDesktopBackground"}};
};

enum class UpcomingEventInMenuBar_MenuItemAction { showWindowWithEventDetails, showWindow };
template <> struct EnumInfo<UpcomingEventInMenuBar_MenuItemAction> {
    using A = UpcomingEventInMenuBar_MenuItemAction;
    static constexpr std::array cases{
        EnumCase<A>{A::showWindowWithEventDetails, "showWindowWithEventDetails"},
        EnumCase<A>{A::showWindow, "showWindow"}};
};

enum class EventIndicatorsInCalendar { none, one, maxThree };
template <> struct EnumInfo<EventIndicatorsInCalendar> {
    using E = EventIndicatorsInCalendar;
    static constexpr std::array cases{EnumCase<E>{E::none, "none"}, EnumCase<E>{E::one, "one"},
                                      EnumCase<E>{E::maxThree, "maxThree"}};
};

enum class FullscreenNotificationOnlyEventStatus {
    accepted,
    acceptedAndTentative,
    acceptedAndTentativeAndPending
};
template <> struct EnumInfo<FullscreenNotificationOnlyEventStatus> {
    using S = FullscreenNotificationOnlyEventStatus;
    static constexpr std::array cases{
        EnumCase<S>{S::accepted, "accepted"},
        EnumCase<S>{S::acceptedAndTentative, "acceptedAndTentative"},
        EnumCase<S>{S::acceptedAndTentativeAndPending, "acceptedAndTentativeAndPending"}};
};

enum class HighlightDaysInCalendarStyle { bold, redColor };
template <> struct EnumInfo<HighlightDaysInCalendarStyle> {
    using H = HighlightDaysInCalendarStyle;
    static constexpr std::array cases{EnumCase<H>{H::bold, "bold"},
                                      EnumCase<H>{H::redColor, "redColor"}};
};

// Stored by integer raw value, Monday 1 to Sunday 7.
enum class DayOfWeek { monday = 1, tuesday, wednesday, thursday, friday, saturday, sunday };
template <> struct EnumInfo<DayOfWeek> {
    using D = DayOfWeek;
    static constexpr bool hasIntRawValues = true;
    static constexpr std::array cases{
        EnumCase<D>{D::monday, "monday"},       EnumCase<D>{D::tuesday, "tuesday"},
        EnumCase<D>{D::wednesday, "wednesday"}, EnumCase<D>{D::thursday, "thursday"},
        EnumCase<D>{D::friday, "friday"},       EnumCase<D>{D::saturday, "saturday"},
        EnumCase<D>{D::sunday, "sunday"}};
};

// The system sounds a chime or alert can name; stored by case name.
enum class MacSystemSound {
    basso,
    blow,
    bottle,
    frog,
    funk,
    glass,
    hero,
    morse,
    ping,
    pop,
    purr,
    sosumi,
    submarine,
    tink
};
template <> struct EnumInfo<MacSystemSound> {
    using S = MacSystemSound;
    static constexpr std::array cases{
        EnumCase<S>{S::basso, "basso"},         EnumCase<S>{S::blow, "blow"},
        EnumCase<S>{S::bottle, "bottle"},       EnumCase<S>{S::frog, "frog"},
        EnumCase<S>{S::funk, "funk"},           EnumCase<S>{S::glass, "glass"},
        EnumCase<S>{S::hero, "hero"},           EnumCase<S>{S::morse, "morse"},
        EnumCase<S>{S::ping, "ping"},           EnumCase<S>{S::pop, "pop"},
        EnumCase<S>{S::purr, "purr"},           EnumCase<S>{S::sosumi, "sosumi"},
        EnumCase<S>{S::submarine, "submarine"}, EnumCase<S>{S::tink, "tink"}};
};

} // namespace ruvo::settings
