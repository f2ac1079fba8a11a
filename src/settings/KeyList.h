// SPDX-License-Identifier: GPL-3.0-or-later
// Every setting of the program, once: type, name, default. Keys.h turns each line into a
// typed key constant; Catalogue.cpp into a catalogue entry, in this order.
//
//   RUVO_KEY(Type, name, default...)             stored under "name" in the standard suite
//   RUVO_SHARED_KEY(Type, name, default...)      stored under "name" in the shared group suite
//   RUVO_NAMED_KEY(Type, ident, "stored name", default...)  for names that are not identifiers
//   RUVO_RANGED_KEY(Type, name, default, lowest, highest)  a number kept within a range
// This header is included with the macros defined; it has no include guard on purpose.

// The menu-bar text and item
RUVO_KEY(bool, showMenubarItem, true)
RUVO_KEY(MenuBarIconType, iconInMenuBar, MenuBarIconType::none)
RUVO_KEY(bool, showDateInMenuBar, false)
RUVO_KEY(bool, showTimeInMenuBar, true)
RUVO_KEY(bool, showSecondsInMenuBar, false)
RUVO_KEY(bool, showWeekDayInMenuBar, true)
RUVO_KEY(bool, showMonthInMenuBar, true)
RUVO_KEY(bool, showWeekNumberInMenuBar, false)
RUVO_KEY(bool, showAmPm, true)
RUVO_KEY(QString, dateTimeFormat, QString())
RUVO_KEY(bool, menuBar_boldText, false)
RUVO_RANGED_KEY(OptionalDouble, menuBarTextSize, std::nullopt, 4, 200)
RUVO_RANGED_KEY(OptionalDouble, menuBarTextVerticalAlignmentOffset, std::nullopt, -50, 50)
RUVO_KEY(OptionalColor, menuBarTextColor, std::nullopt)
RUVO_KEY(OptionalColor, menuBarTextColorDark, std::nullopt)
RUVO_KEY(bool, menu_positionedBelowMenuBarItem, true)
RUVO_KEY(bool, resizableWindowHeight, false)
RUVO_KEY(bool, pinWindow, false)

// The menu window's content
RUVO_KEY(bool, showDateInMenu, false)
RUVO_KEY(bool, showTimeInMenu, false)
RUVO_KEY(bool, showTimeWithSecondsInMenu, false)
RUVO_KEY(bool, showDayOfWeekInMenu, false)
RUVO_KEY(bool, showWeekNumberInMenu, false)
RUVO_KEY(bool, showCalendarInMenu, true)
RUVO_KEY(bool, showTimeZonesInMenu, true)
RUVO_KEY(bool, showTimeZonesAtTopOfMenu, false)
RUVO_KEY(bool, showTimeZoneTimeTravelSliderInMenu, true)
RUVO_KEY(bool, showAddEventButtonInMenu, true)
RUVO_KEY(bool, menuShowJoinVideoCallButton, true)
RUVO_KEY(bool, showMoreMenu, true)
RUVO_KEY(bool, largeText, false)
RUVO_KEY(bool, vibrancy, true)
RUVO_KEY(AppAppearance, appearance, AppAppearance::system)
RUVO_KEY(OptionalString, locale, std::nullopt)
RUVO_KEY(QString, menuDateTimeFormat, QString())

// Time zones
RUVO_KEY(TimeZoneList, timeZonesInMenu, TimeZoneList{})
RUVO_SHARED_KEY(TimeZoneList, sharedTimeZones, TimeZoneList{})
RUVO_KEY(bool, timeZonesInMenu_showDayAndNightIcons, false)
RUVO_KEY(bool, timeTravelUse30MinuteSteps, false)
RUVO_KEY(bool, timeTravelResetOnMenuClose, false)
RUVO_KEY(bool, menu_eventDetails_showTimeZones, false)
RUVO_KEY(bool, floatingClockIsEnabled, false)
RUVO_KEY(FloatingClockShow, floatingClock_show, FloatingClockShow::aboveAllWindowsAndFullscreen)
RUVO_KEY(bool, floatingClockShowBackground, true)
RUVO_KEY(OptionalFont, floatingClockFont, std::nullopt)
RUVO_KEY(OptionalColor, floatingClockColor, std::nullopt)
RUVO_RANGED_KEY(double, floatingClockOpacity, 1.0, 0, 1)
RUVO_KEY(bool, currentTimeZoneClockMenuBarColored, false)

// Calendars and events
RUVO_KEY(StringSet, enabledCalendars, StringSet{})
RUVO_KEY(StringSet, enabledRemindersLists, StringSet{})
RUVO_KEY(bool, showReminders, false)
RUVO_RANGED_KEY(int, remindersDaysInThePastCount, 7, 0, 366)
RUVO_RANGED_KEY(int, calendarEventsDayCount, 7, 0, 366)
RUVO_KEY(bool, hideTodaysPastEvents, true)
RUVO_KEY(bool, showAllDaysEvents, true)
RUVO_KEY(StringList, hiddenEvents, StringList{})
RUVO_KEY(bool, showVideoCallEventsOnlyInMainList, false)
RUVO_KEY(bool, showVideoCallButtonOnlyForUpcomingEvents, false)
RUVO_KEY(bool, eventDetails_showCalendarTitle, false)
RUVO_KEY(ExcludeMatcherList, fullscreenNotifications_excludeMatcher, ExcludeMatcherList{})
RUVO_KEY(EventRuleList, eventRules, EventRuleList{})
RUVO_KEY(DayOfWeekSet, highlightedDaysInCalendar, DayOfWeekSet{})
RUVO_KEY(HighlightDaysInCalendarStyle, highlightDaysInCalendarStyle,
         HighlightDaysInCalendarStyle::redColor)
RUVO_KEY(bool, showWeekNumbersInCalendar, false)
RUVO_KEY(EventIndicatorsInCalendar, indicateEventsInCalendar, EventIndicatorsInCalendar::none)
RUVO_KEY(bool, keepLastShownCalendarMonth, false)
RUVO_KEY(bool, calendar_swipeMonths, true)
RUVO_KEY(bool, calendar_highlightDaysOfHoveredEvent, true)
RUVO_KEY(bool, calendarLongPressOpenInGoogleCalendar, false)
RUVO_KEY(bool, openGoogleCalendarEventsInGoogleCalendar, false)
RUVO_KEY(bool, useGoogleMaps, false)
RUVO_KEY(bool, _useGoogleAccountChooser, true)
RUVO_KEY(bool, _useOldNoteFetching, true)
RUVO_KEY(bool, _useTeamsApp, true)
RUVO_KEY(bool, _noCustomVibrancy, false)
RUVO_KEY(bool, _respectNaturalScrolling, false)

// Alerts
RUVO_KEY(bool, upcomingEventInMenuBar_isEnabled, false)
RUVO_KEY(bool, upcomingEventInMenuBarShowTitle, true)
RUVO_KEY(bool, upcomingEventInMenuBarShowCountdown, true)
RUVO_KEY(bool, upcomingEventInMenuBar_showDuringEntireEvent, true)
RUVO_KEY(Duration, upcomingEventInMenuBarDurationBefore, Duration::seconds(3600))
RUVO_KEY(bool, upcomingEventInMenuBar_onlyVideoCalls, false)
RUVO_KEY(bool, upcomingEventInMenuBarShowMinutesForMoreThanAnHour, false)
RUVO_RANGED_KEY(int, upcomingEventInMenuBarEventTitleLimit, 20, 0, 1000)
RUVO_KEY(StringSet, upcomingEventInMenuBarCalendars, StringSet{})
RUVO_KEY(StringList, upcomingEventInMenuBarIgnoredEvents, StringList{})
RUVO_KEY(OptionalDouble, upcomingEventInMenuBarTextSize, std::nullopt)
RUVO_KEY(bool, upcomingEventInMenuBar_boldText, false)
RUVO_KEY(OptionalColor, upcomingEventInMenuBarColor, std::nullopt)
RUVO_KEY(OptionalColor, upcomingEventInMenuBarDarkColor, std::nullopt)
RUVO_KEY(bool, upcomingEventInMenuBar_clickMenuItemToJoinVideoCall, false)
RUVO_KEY(bool, upcomingEventInMenuBar_hideWhenNoEvent, false)
RUVO_KEY(bool, upcomingEventInMenuBar_showCalendarIndicator, false)
RUVO_KEY(UpcomingEventInMenuBar_MenuItemAction, upcomingEventInMenuBar_menuItemAction,
         UpcomingEventInMenuBar_MenuItemAction::showWindowWithEventDetails)
RUVO_KEY(bool, notifyWhenVideoCallStarts, false)
RUVO_KEY(StringSet, notifyForVideoCalls_calendars, StringSet{})
RUVO_KEY(Duration, notifyForVideoCallsDurationBefore, Duration{})
RUVO_KEY(bool, fullscreenNotifications_isEnabled, false)
RUVO_KEY(StringSet, fullscreenNotifications_calendars, StringSet{})
RUVO_KEY(Duration, fullscreenNotifications_durationBefore, Duration{})
RUVO_KEY(bool, fullscreenNotifications_onlyVideoCalls, false)
RUVO_KEY(bool, fullscreenNotifications_onlyEventsWithAlert, false)
RUVO_KEY(FullscreenNotificationOnlyEventStatus, fullscreenNotifications_onlyEventsWithStatus,
         FullscreenNotificationOnlyEventStatus::accepted)
RUVO_KEY(OptionalString, fullscreenNotifications_sound, std::nullopt)
RUVO_RANGED_KEY(double, fullscreenNotifications_soundVolume, 0.5, 0, 1)
RUVO_KEY(bool, hourlyChime_isEnabled, false)
RUVO_KEY(OptionalString, hourlyChimeSound, std::nullopt)
RUVO_RANGED_KEY(double, hourlyChime_soundVolume, 0.5, 0, 1)
RUVO_KEY(PlainHourMinuteTimeRange, hourlyChimeTimeRange, PlainHourMinuteTimeRange{{9, 0}, {22, 0}})

// Automation and creation
RUVO_KEY(OptionalUuid, runShortcut_joinVideoCall, std::nullopt)
RUVO_KEY(NewEventApp, createNewEventsWith, NewEventApp::ruvo)
RUVO_KEY(Duration, defaultEventDuration, Duration::seconds(3600))
RUVO_KEY(bool, newCalendarItemScreenIsShowingReminders, false)

// Global keyboard shortcuts, one key per shortcut name
RUVO_NAMED_KEY(ShortcutSetting, shortcut_toggleRuvo, "KeyboardShortcuts_toggleRuvo",
               ShortcutSetting{})
RUVO_NAMED_KEY(ShortcutSetting, shortcut_newEvent, "KeyboardShortcuts_newEvent", ShortcutSetting{})
RUVO_NAMED_KEY(ShortcutSetting, shortcut_joinMeeting, "KeyboardShortcuts_joinMeeting",
               ShortcutSetting{})
RUVO_NAMED_KEY(ShortcutSetting, shortcut_toggleFloatingClock,
               "KeyboardShortcuts_toggleFloatingClock", ShortcutSetting{})
RUVO_NAMED_KEY(ShortcutSetting, shortcut_dismissFullscreenNotification,
               "KeyboardShortcuts_dismissFullscreenNotification", ShortcutSetting{})

// Bookkeeping of the application core
RUVO_KEY(int, Zu_launchCount, 0)
RUVO_KEY(OptionalDate, Zu_firstLaunchDate, std::nullopt)
RUVO_KEY(bool, Zu_isShowingSettingsAfterRelaunch, false)
RUVO_KEY(bool, Zu_NSStatusItem_ensureVisibility_shouldNotShowAgain, false)
