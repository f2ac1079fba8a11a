// SPDX-License-Identifier: GPL-3.0-or-later
// The panes of the settings window, in the order a user looks for things.
#include "preferences/PaneDescription.h"
#include "settings/Keys.h"

#include <QCoreApplication>

namespace ruvo::preferences {

namespace {

namespace keys = settings::keys;

template <typename T>
Control make(const settings::Key<T>& key, ControlKind kind, const char* label,
             const char* note = nullptr) {
    return Control{.key = key.name, .label = label, .kind = kind, .note = note};
}
template <typename T>
Control toggle(const settings::Key<T>& key, const char* label, const char* note = nullptr) {
    return make(key, ControlKind::toggle, label, note);
}
template <typename T>
Control choice(const settings::Key<T>& key, const char* label, std::vector<ChoiceOption> options,
               const char* note = nullptr) {
    Control c = make(key, ControlKind::choice, label, note);
    c.choices = std::move(options);
    return c;
}
template <typename T>
Control number(const settings::Key<T>& key, const char* label, double lowest, double highest,
               double step = 1) {
    Control c = make(key, ControlKind::number, label);
    c.lowest = lowest;
    c.highest = highest;
    c.step = step;
    return c;
}
Control action(const QString& name, const char* label, const char* note = nullptr,
               ControlKind kind = ControlKind::action) {
    Control c;
    c.label = label;
    c.kind = kind;
    c.note = note;
    c.action = name;
    return c;
}
Control withSection(Control c, const char* section) {
    c.section = section;
    return c;
}

// Lead times offered for alerts, in seconds.
std::vector<ChoiceOption> leadTimes() {
    return {{0, QT_TRANSLATE_NOOP("SettingsWindow", "at time of event")},
            {60, QT_TRANSLATE_NOOP("SettingsWindow", "1 minute before")},
            {120, QT_TRANSLATE_NOOP("SettingsWindow", "2 minutes before")},
            {180, QT_TRANSLATE_NOOP("SettingsWindow", "3 minutes before")},
            {240, QT_TRANSLATE_NOOP("SettingsWindow", "4 minutes before")},
            {300, QT_TRANSLATE_NOOP("SettingsWindow", "5 minutes before")},
            {600, QT_TRANSLATE_NOOP("SettingsWindow", "10 minutes before")},
            {900, QT_TRANSLATE_NOOP("SettingsWindow", "15 minutes before")}};
}

Pane general() {
    return {
        QStringLiteral("general"),
        QT_TRANSLATE_NOOP("SettingsWindow", "General"),
        {action(actions::kLaunchAtLogin, QT_TRANSLATE_NOOP("SettingsWindow", "Launch at login"),
                nullptr, ControlKind::toggle),
         choice(keys::appearance, QT_TRANSLATE_NOOP("SettingsWindow", "Appearance"),
                {{QStringLiteral("system"), QT_TRANSLATE_NOOP("SettingsWindow", "System")},
                 {QStringLiteral("light"), QT_TRANSLATE_NOOP("SettingsWindow", "Light")},
                 {QStringLiteral("dark"), QT_TRANSLATE_NOOP("SettingsWindow", "Dark")}}),
         choice(keys::locale, QT_TRANSLATE_NOOP("SettingsWindow", "Language"),
                {{QJsonValue::Null, QT_TRANSLATE_NOOP("SettingsWindow", "System language")},
                 {QStringLiteral("en_US"), QT_TRANSLATE_NOOP("SettingsWindow", "English")},
                 {QStringLiteral("de_DE"), QT_TRANSLATE_NOOP("SettingsWindow", "German")}}),
         toggle(keys::largeText, QT_TRANSLATE_NOOP("SettingsWindow", "Large text")),
         toggle(keys::vibrancy, QT_TRANSLATE_NOOP("SettingsWindow", "Translucent window")),
         withSection(toggle(keys::showMenubarItem,
                            QT_TRANSLATE_NOOP("SettingsWindow", "Show the clock in the panel")),
                     QT_TRANSLATE_NOOP("SettingsWindow", "Window")),
         toggle(keys::menu_positionedBelowMenuBarItem,
                QT_TRANSLATE_NOOP("SettingsWindow", "Open the window below the clock")),
         toggle(keys::resizableWindowHeight,
                QT_TRANSLATE_NOOP("SettingsWindow", "Resizable window height")),
         toggle(keys::pinWindow, QT_TRANSLATE_NOOP("SettingsWindow", "Pin window"),
                QT_TRANSLATE_NOOP("SettingsWindow", "A pinned window stays open when it "
                                                    "loses the focus.")),
         toggle(keys::showDateInMenu, QT_TRANSLATE_NOOP("SettingsWindow", "Show date")),
         toggle(keys::showTimeInMenu, QT_TRANSLATE_NOOP("SettingsWindow", "Show time")),
         toggle(keys::showTimeWithSecondsInMenu,
                QT_TRANSLATE_NOOP("SettingsWindow", "Show seconds")),
         toggle(keys::showDayOfWeekInMenu, QT_TRANSLATE_NOOP("SettingsWindow", "Show day of week")),
         toggle(keys::showWeekNumberInMenu,
                QT_TRANSLATE_NOOP("SettingsWindow", "Show week number")),
         make(keys::menuDateTimeFormat, ControlKind::pattern,
              QT_TRANSLATE_NOOP("SettingsWindow", "Window Date & Time Format")),
         toggle(keys::showCalendarInMenu, QT_TRANSLATE_NOOP("SettingsWindow", "Show calendar")),
         toggle(keys::showAddEventButtonInMenu,
                QT_TRANSLATE_NOOP("SettingsWindow", "Show “New event” button")),
         toggle(keys::menuShowJoinVideoCallButton,
                QT_TRANSLATE_NOOP("SettingsWindow", "Show “Join video call” button")),
         toggle(keys::showMoreMenu, QT_TRANSLATE_NOOP("SettingsWindow", "Show “More” menu")),
         withSection(choice(keys::createNewEventsWith,
                            QT_TRANSLATE_NOOP("SettingsWindow", "Create new events with"),
                            {{QStringLiteral("ruvo"), QT_TRANSLATE_NOOP("SettingsWindow", "Ruvo")},
                             {QStringLiteral("calendar"),
                              QT_TRANSLATE_NOOP("SettingsWindow", "Calendar application")},
                             {QStringLiteral("fantastical"),
                              QT_TRANSLATE_NOOP("SettingsWindow", "Fantastical")},
                             {QStringLiteral("googleCalendar"),
                              QT_TRANSLATE_NOOP("SettingsWindow", "Google Calendar")}}),
                     QT_TRANSLATE_NOOP("SettingsWindow", "New events")),
         choice(keys::defaultEventDuration, QT_TRANSLATE_NOOP("SettingsWindow", "Default duration"),
                {{900, QT_TRANSLATE_NOOP("SettingsWindow", "15 minutes")},
                 {1800, QT_TRANSLATE_NOOP("SettingsWindow", "30 minutes")},
                 {2700, QT_TRANSLATE_NOOP("SettingsWindow", "45 minutes")},
                 {3600, QT_TRANSLATE_NOOP("SettingsWindow", "1 hour")},
                 {5400, QT_TRANSLATE_NOOP("SettingsWindow", "90 minutes")},
                 {7200, QT_TRANSLATE_NOOP("SettingsWindow", "2 hours")}}),
         make(keys::runShortcut_joinVideoCall, ControlKind::text,
              QT_TRANSLATE_NOOP("SettingsWindow", "Run shortcut when joining video call"),
              QT_TRANSLATE_NOOP("SettingsWindow",
                                "The id of an executable file in ~/.config/ruvo/shortcuts, as "
                                "“ruvo action list-shortcuts” prints it."))}};
}

Pane panel() {
    return {
        QStringLiteral("panel"),
        QT_TRANSLATE_NOOP("SettingsWindow", "Panel"),
        {toggle(keys::showWeekDayInMenuBar,
                QT_TRANSLATE_NOOP("SettingsWindow", "Show day of week")),
         toggle(keys::showDateInMenuBar, QT_TRANSLATE_NOOP("SettingsWindow", "Show date")),
         toggle(keys::showMonthInMenuBar, QT_TRANSLATE_NOOP("SettingsWindow", "Show month")),
         toggle(keys::showTimeInMenuBar, QT_TRANSLATE_NOOP("SettingsWindow", "Show time")),
         toggle(keys::showSecondsInMenuBar, QT_TRANSLATE_NOOP("SettingsWindow", "Show seconds")),
         toggle(keys::showAmPm, QT_TRANSLATE_NOOP("SettingsWindow", "Show AM/PM")),
         toggle(keys::showWeekNumberInMenuBar,
                QT_TRANSLATE_NOOP("SettingsWindow", "Show week number")),
         make(keys::dateTimeFormat, ControlKind::pattern,
              QT_TRANSLATE_NOOP("SettingsWindow", "Date & Time Format")),
         withSection(make(keys::iconInMenuBar, ControlKind::icon,
                          QT_TRANSLATE_NOOP("SettingsWindow", "Icon")),
                     QT_TRANSLATE_NOOP("SettingsWindow", "Look")),
         make(keys::menuBarTextColor, ControlKind::colour,
              QT_TRANSLATE_NOOP("SettingsWindow", "Text colour on light panels")),
         make(keys::menuBarTextColorDark, ControlKind::colour,
              QT_TRANSLATE_NOOP("SettingsWindow", "Text colour on dark panels")),
         make(keys::menuBarTextSize, ControlKind::number,
              QT_TRANSLATE_NOOP("SettingsWindow", "Text size")),
         toggle(keys::menuBar_boldText, QT_TRANSLATE_NOOP("SettingsWindow", "Bold text")),
         make(keys::menuBarTextVerticalAlignmentOffset, ControlKind::number,
              QT_TRANSLATE_NOOP("SettingsWindow", "Vertical offset")),
         toggle(keys::currentTimeZoneClockMenuBarColored,
                QT_TRANSLATE_NOOP("SettingsWindow", "Colour the world clocks"))}};
}

Pane calendar() {
    return {
        QStringLiteral("calendar"),
        QT_TRANSLATE_NOOP("SettingsWindow", "Calendar"),
        {make(keys::enabledCalendars, ControlKind::calendars,
              QT_TRANSLATE_NOOP("SettingsWindow", "Calendars")),
         action(
             actions::kAddCalendarFolder,
             QT_TRANSLATE_NOOP("SettingsWindow", "Add Calendar Folder…"),
             QT_TRANSLATE_NOOP("SettingsWindow",
                               "A folder of .ics files, one per event, such as vdirsyncer keeps.")),
         toggle(keys::showReminders, QT_TRANSLATE_NOOP("SettingsWindow", "Show reminders")),
         make(keys::enabledRemindersLists, ControlKind::calendars,
              QT_TRANSLATE_NOOP("SettingsWindow", "Reminder lists")),
         withSection(number(keys::calendarEventsDayCount,
                            QT_TRANSLATE_NOOP("SettingsWindow", "Days of events in the list"), 0,
                            366),
                     QT_TRANSLATE_NOOP("SettingsWindow", "Event list")),
         number(keys::remindersDaysInThePastCount,
                QT_TRANSLATE_NOOP("SettingsWindow", "Days of overdue reminders"), 0, 366),
         toggle(keys::hideTodaysPastEvents,
                QT_TRANSLATE_NOOP("SettingsWindow", "Hide today's past events")),
         toggle(keys::showAllDaysEvents,
                QT_TRANSLATE_NOOP("SettingsWindow", "Show all-day events")),
         toggle(keys::showVideoCallEventsOnlyInMainList,
                QT_TRANSLATE_NOOP("SettingsWindow", "Show only video calls")),
         toggle(
             keys::showVideoCallButtonOnlyForUpcomingEvents,
             QT_TRANSLATE_NOOP("SettingsWindow", "Show the join button only for upcoming events")),
         toggle(keys::eventDetails_showCalendarTitle,
                QT_TRANSLATE_NOOP("SettingsWindow", "Show the calendar in event details")),
         toggle(keys::openGoogleCalendarEventsInGoogleCalendar,
                QT_TRANSLATE_NOOP("SettingsWindow", "Open Google Calendar events in the browser")),
         toggle(keys::useGoogleMaps,
                QT_TRANSLATE_NOOP("SettingsWindow", "Open locations in Google Maps")),
         make(keys::hiddenEvents, ControlKind::list,
              QT_TRANSLATE_NOOP("SettingsWindow", "Hidden events")),
         make(keys::fullscreenNotifications_excludeMatcher, ControlKind::exclusions,
              QT_TRANSLATE_NOOP("SettingsWindow", "Exclude events")),
         withSection(
             choice(
                 keys::indicateEventsInCalendar,
                 QT_TRANSLATE_NOOP("SettingsWindow", "Event indicators"),
                 {{QStringLiteral("none"), QT_TRANSLATE_NOOP("SettingsWindow", "None")},
                  {QStringLiteral("one"), QT_TRANSLATE_NOOP("SettingsWindow", "One dot")},
                  {QStringLiteral("maxThree"),
                   QT_TRANSLATE_NOOP("SettingsWindow", "Up to three dots")}},
                 QT_TRANSLATE_NOOP("SettingsWindow",
                                   "Indicate days with events in the calendar. When using colored "
                                   "dots, it uses the calendar colors.")),
             QT_TRANSLATE_NOOP("SettingsWindow", "Month calendar")),
         toggle(keys::showWeekNumbersInCalendar,
                QT_TRANSLATE_NOOP("SettingsWindow", "Week numbers")),
         make(keys::highlightedDaysInCalendar, ControlKind::days,
              QT_TRANSLATE_NOOP("SettingsWindow", "Highlighted days")),
         choice(keys::highlightDaysInCalendarStyle,
                QT_TRANSLATE_NOOP("SettingsWindow", "Highlight style"),
                {{QStringLiteral("redColor"), QT_TRANSLATE_NOOP("SettingsWindow", "Red")},
                 {QStringLiteral("bold"), QT_TRANSLATE_NOOP("SettingsWindow", "Bold")}}),
         toggle(keys::keepLastShownCalendarMonth,
                QT_TRANSLATE_NOOP("SettingsWindow", "Reset day when closing window"),
                QT_TRANSLATE_NOOP(
                    "SettingsWindow",
                    "When disabled, the calendar will reset back to the current day when closing "
                    "the menu.")),
         toggle(keys::calendar_swipeMonths,
                QT_TRANSLATE_NOOP("SettingsWindow", "Swipe to change months")),
         toggle(keys::calendar_highlightDaysOfHoveredEvent,
                QT_TRANSLATE_NOOP("SettingsWindow",
                                  "Highlight the days of the event under the pointer")),
         toggle(
             keys::calendarLongPressOpenInGoogleCalendar,
             QT_TRANSLATE_NOOP("SettingsWindow", "Long press opens the day in Google Calendar"))}};
}

Pane timeZones() {
    return {
        QStringLiteral("timezones"),
        QT_TRANSLATE_NOOP("SettingsWindow", "Time Zones"),
        {make(keys::timeZonesInMenu, ControlKind::timeZones,
              QT_TRANSLATE_NOOP("SettingsWindow", "Time zones")),
         toggle(keys::showTimeZonesInMenu, QT_TRANSLATE_NOOP("SettingsWindow", "Show time zones")),
         choice(keys::showTimeZonesAtTopOfMenu, QT_TRANSLATE_NOOP("SettingsWindow", "Position"),
                {{false, QT_TRANSLATE_NOOP("SettingsWindow", "Bottom")},
                 {true, QT_TRANSLATE_NOOP("SettingsWindow", "Top")}}),
         toggle(keys::timeZonesInMenu_showDayAndNightIcons,
                QT_TRANSLATE_NOOP("SettingsWindow", "Show day and night icons")),
         toggle(keys::menu_eventDetails_showTimeZones,
                QT_TRANSLATE_NOOP("SettingsWindow", "Show time zones in event details")),
         withSection(toggle(keys::showTimeZoneTimeTravelSliderInMenu,
                            QT_TRANSLATE_NOOP("SettingsWindow", "Show time travel")),
                     QT_TRANSLATE_NOOP("SettingsWindow", "Time travel")),
         choice(keys::timeTravelUse30MinuteSteps, QT_TRANSLATE_NOOP("SettingsWindow", "Steps"),
                {{false, QT_TRANSLATE_NOOP("SettingsWindow", "1 hour")},
                 {true, QT_TRANSLATE_NOOP("SettingsWindow", "30 minutes")}}),
         toggle(keys::timeTravelResetOnMenuClose,
                QT_TRANSLATE_NOOP("SettingsWindow", "Reset when closing window")),
         withSection(toggle(keys::floatingClockIsEnabled,
                            QT_TRANSLATE_NOOP("SettingsWindow", "Show floating clock")),
                     QT_TRANSLATE_NOOP("SettingsWindow", "Floating clock")),
         choice(keys::floatingClock_show, QT_TRANSLATE_NOOP("SettingsWindow", "Show"),
                {{QStringLiteral("aboveAllWindows"),
                  QT_TRANSLATE_NOOP("SettingsWindow", "Above all windows")},
                 {QStringLiteral("aboveAllWindowsAndFullscreen"),
                  QT_TRANSLATE_NOOP("SettingsWindow", "Above all windows and full-screen windows")},
                 {QStringLiteral("onDesktopBackground"),
                  QT_TRANSLATE_NOOP("SettingsWindow", "On the desktop background")}}),
         toggle(keys::floatingClockShowBackground,
                QT_TRANSLATE_NOOP("SettingsWindow", "Show background")),
         make(keys::floatingClockFont, ControlKind::font,
              QT_TRANSLATE_NOOP("SettingsWindow", "Font")),
         make(keys::floatingClockColor, ControlKind::colour,
              QT_TRANSLATE_NOOP("SettingsWindow", "Colour")),
         number(keys::floatingClockOpacity, QT_TRANSLATE_NOOP("SettingsWindow", "Opacity"), 0, 1,
                0.05)}};
}

Pane alerts() {
    return {
        QStringLiteral("alerts"),
        QT_TRANSLATE_NOOP("SettingsWindow", "Alerts"),
        {withSection(
             toggle(keys::upcomingEventInMenuBar_isEnabled,
                    QT_TRANSLATE_NOOP("SettingsWindow", "Show upcoming event in the panel")),
             QT_TRANSLATE_NOOP("SettingsWindow", "Upcoming event")),
         toggle(keys::upcomingEventInMenuBarShowTitle,
                QT_TRANSLATE_NOOP("SettingsWindow", "Show title")),
         number(keys::upcomingEventInMenuBarEventTitleLimit,
                QT_TRANSLATE_NOOP("SettingsWindow", "Title length"), 10, 80, 5),
         toggle(keys::upcomingEventInMenuBarShowCountdown,
                QT_TRANSLATE_NOOP("SettingsWindow", "Show countdown")),
         toggle(keys::upcomingEventInMenuBarShowMinutesForMoreThanAnHour,
                QT_TRANSLATE_NOOP("SettingsWindow", "Show minutes for more than an hour")),
         toggle(keys::upcomingEventInMenuBar_showDuringEntireEvent,
                QT_TRANSLATE_NOOP("SettingsWindow", "Show during the entire event")),
         choice(keys::upcomingEventInMenuBarDurationBefore,
                QT_TRANSLATE_NOOP("SettingsWindow", "Show before the event"),
                {{900, QT_TRANSLATE_NOOP("SettingsWindow", "15 minutes")},
                 {1800, QT_TRANSLATE_NOOP("SettingsWindow", "30 minutes")},
                 {3600, QT_TRANSLATE_NOOP("SettingsWindow", "1 hour")},
                 {7200, QT_TRANSLATE_NOOP("SettingsWindow", "2 hours")},
                 {14400, QT_TRANSLATE_NOOP("SettingsWindow", "4 hours")},
                 {43200, QT_TRANSLATE_NOOP("SettingsWindow", "12 hours")}}),
         toggle(keys::upcomingEventInMenuBar_onlyVideoCalls,
                QT_TRANSLATE_NOOP("SettingsWindow", "Only video calls")),
         make(keys::upcomingEventInMenuBarCalendars, ControlKind::calendarSet,
              QT_TRANSLATE_NOOP("SettingsWindow", "Calendars"),
              QT_TRANSLATE_NOOP("SettingsWindow", "None chosen: every calendar.")),
         toggle(keys::upcomingEventInMenuBar_hideWhenNoEvent,
                QT_TRANSLATE_NOOP("SettingsWindow", "Hide when there is no event")),
         toggle(keys::upcomingEventInMenuBar_showCalendarIndicator,
                QT_TRANSLATE_NOOP("SettingsWindow", "Show calendar colour")),
         toggle(keys::upcomingEventInMenuBar_clickMenuItemToJoinVideoCall,
                QT_TRANSLATE_NOOP("SettingsWindow", "Click to join the video call")),
         choice(keys::upcomingEventInMenuBar_menuItemAction,
                QT_TRANSLATE_NOOP("SettingsWindow", "Clicking the item"),
                {{QStringLiteral("showWindowWithEventDetails"),
                  QT_TRANSLATE_NOOP("SettingsWindow", "Shows the event's details")},
                 {QStringLiteral("showWindow"),
                  QT_TRANSLATE_NOOP("SettingsWindow", "Opens the window")}}),
         make(keys::upcomingEventInMenuBarTextSize, ControlKind::number,
              QT_TRANSLATE_NOOP("SettingsWindow", "Text size")),
         toggle(keys::upcomingEventInMenuBar_boldText,
                QT_TRANSLATE_NOOP("SettingsWindow", "Bold text")),
         make(keys::upcomingEventInMenuBarColor, ControlKind::colour,
              QT_TRANSLATE_NOOP("SettingsWindow", "Text colour on light panels")),
         make(keys::upcomingEventInMenuBarDarkColor, ControlKind::colour,
              QT_TRANSLATE_NOOP("SettingsWindow", "Text colour on dark panels")),
         make(keys::upcomingEventInMenuBarIgnoredEvents, ControlKind::list,
              QT_TRANSLATE_NOOP("SettingsWindow", "Muted events")),
         withSection(toggle(keys::notifyWhenVideoCallStarts,
                            QT_TRANSLATE_NOOP("SettingsWindow",
                                              "Show notification when video call event starts")),
                     QT_TRANSLATE_NOOP("SettingsWindow", "Call notifications")),
         make(keys::notifyForVideoCalls_calendars, ControlKind::calendarSet,
              QT_TRANSLATE_NOOP("SettingsWindow", "Calendars")),
         choice(keys::notifyForVideoCallsDurationBefore,
                QT_TRANSLATE_NOOP("SettingsWindow", "Notify"), leadTimes()),
         withSection(toggle(keys::fullscreenNotifications_isEnabled,
                            QT_TRANSLATE_NOOP("SettingsWindow", "Full-screen notifications")),
                     QT_TRANSLATE_NOOP("SettingsWindow", "Full-screen alerts")),
         make(keys::fullscreenNotifications_calendars, ControlKind::calendarSet,
              QT_TRANSLATE_NOOP("SettingsWindow", "Calendars")),
         choice(keys::fullscreenNotifications_durationBefore,
                QT_TRANSLATE_NOOP("SettingsWindow", "Show"), leadTimes()),
         toggle(keys::fullscreenNotifications_onlyVideoCalls,
                QT_TRANSLATE_NOOP("SettingsWindow", "Only video calls")),
         toggle(keys::fullscreenNotifications_onlyEventsWithAlert,
                QT_TRANSLATE_NOOP("SettingsWindow", "Only events with an alert")),
         choice(keys::fullscreenNotifications_onlyEventsWithStatus,
                QT_TRANSLATE_NOOP("SettingsWindow", "Events"),
                {{QStringLiteral("accepted"), QT_TRANSLATE_NOOP("SettingsWindow", "accepted")},
                 {QStringLiteral("acceptedAndTentative"),
                  QT_TRANSLATE_NOOP("SettingsWindow", "accepted and tentative")},
                 {QStringLiteral("acceptedAndTentativeAndPending"),
                  QT_TRANSLATE_NOOP("SettingsWindow", "accepted, tentative, and pending")}},
                QT_TRANSLATE_NOOP("SettingsWindow", "Declined events are always ignored.")),
         make(keys::fullscreenNotifications_sound, ControlKind::sound,
              QT_TRANSLATE_NOOP("SettingsWindow", "Sound")),
         number(keys::fullscreenNotifications_soundVolume,
                QT_TRANSLATE_NOOP("SettingsWindow", "Volume"), 0, 1, 0.05),
         action(actions::kPreviewNotification,
                QT_TRANSLATE_NOOP("SettingsWindow", "Preview Notification")),
         withSection(toggle(keys::hourlyChime_isEnabled,
                            QT_TRANSLATE_NOOP("SettingsWindow", "Chime on the hour")),
                     QT_TRANSLATE_NOOP("SettingsWindow", "Hourly chime")),
         make(keys::hourlyChimeSound, ControlKind::sound,
              QT_TRANSLATE_NOOP("SettingsWindow", "Sound")),
         number(keys::hourlyChime_soundVolume, QT_TRANSLATE_NOOP("SettingsWindow", "Volume"), 0, 1,
                0.05),
         make(keys::hourlyChimeTimeRange, ControlKind::timeRange,
              QT_TRANSLATE_NOOP("SettingsWindow", "Between"))}};
}

Pane shortcuts() {
    return {
        QStringLiteral("shortcuts"),
        QT_TRANSLATE_NOOP("SettingsWindow", "Shortcuts"),
        {make(keys::shortcut_toggleRuvo, ControlKind::shortcut,
              QT_TRANSLATE_NOOP("SettingsWindow", "Toggle Ruvo window")),
         make(keys::shortcut_newEvent, ControlKind::shortcut,
              QT_TRANSLATE_NOOP("SettingsWindow", "New event or reminder")),
         make(keys::shortcut_joinMeeting, ControlKind::shortcut,
              QT_TRANSLATE_NOOP("SettingsWindow", "Join video call"),
              QT_TRANSLATE_NOOP("SettingsWindow", "Starting in the next 15 minutes or current.")),
         make(keys::shortcut_toggleFloatingClock, ControlKind::shortcut,
              QT_TRANSLATE_NOOP("SettingsWindow", "Show or hide the floating clock")),
         make(keys::shortcut_dismissFullscreenNotification, ControlKind::shortcut,
              QT_TRANSLATE_NOOP("SettingsWindow", "Dismiss the full-screen notification"))}};
}

Pane advanced() {
    return {
        QStringLiteral("advanced"),
        QT_TRANSLATE_NOOP("SettingsWindow", "Advanced"),
        {action(actions::kCopyDebugInfo, QT_TRANSLATE_NOOP("SettingsWindow", "Copy Debug Info"),
                QT_TRANSLATE_NOOP(
                    "SettingsWindow",
                    "Versions, desktop and the look of the clock, for a bug report. No event "
                    "content.")),
         action(actions::kCrashReports, QT_TRANSLATE_NOOP("SettingsWindow", "Show Crash Reports")),
         action(actions::kResetAll, QT_TRANSLATE_NOOP("SettingsWindow", "Reset All Settings…"),
                QT_TRANSLATE_NOOP("SettingsWindow",
                                  "Every setting goes back to its default. Your calendars are not "
                                  "touched."))}};
}

} // namespace

const std::vector<Pane>& panes() {
    static const std::vector<Pane> all{general(), panel(),     calendar(), timeZones(),
                                       alerts(),  shortcuts(), advanced()};
    return all;
}

} // namespace ruvo::preferences
