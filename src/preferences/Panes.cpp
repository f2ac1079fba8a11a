// SPDX-License-Identifier: GPL-3.0-or-later
// The panes of the settings window, in the order a user looks for things.
#include "preferences/PaneDescription.h"
#include "settings/Keys.h"

#include <QCoreApplication>

#define TR(text) QT_TRANSLATE_NOOP("SettingsWindow", text)

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
    return {{0, TR("at time of event")},    {60, TR("1 minute before")},
            {120, TR("2 minutes before")},  {180, TR("3 minutes before")},
            {240, TR("4 minutes before")},  {300, TR("5 minutes before")},
            {600, TR("10 minutes before")}, {900, TR("15 minutes before")}};
}

Pane general() {
    return {QStringLiteral("general"),
            TR("General"),
            {action(actions::kLaunchAtLogin, TR("Launch at login"), nullptr, ControlKind::toggle),
             choice(keys::appearance, TR("Appearance"),
                    {{QStringLiteral("system"), TR("System")},
                     {QStringLiteral("light"), TR("Light")},
                     {QStringLiteral("dark"), TR("Dark")}}),
             choice(keys::locale, TR("Language"),
                    {{QJsonValue::Null, TR("System language")},
                     {QStringLiteral("en_US"), TR("English")},
                     {QStringLiteral("de_DE"), TR("German")}}),
             toggle(keys::largeText, TR("Large text")),
             toggle(keys::vibrancy, TR("Translucent window")),
             withSection(toggle(keys::showMenubarItem, TR("Show the clock in the panel")),
                         TR("Window")),
             toggle(keys::menu_positionedBelowMenuBarItem, TR("Open the window below the clock")),
             toggle(keys::resizableWindowHeight, TR("Resizable window height")),
             toggle(keys::pinWindow, TR("Pin window"),
                    TR("A pinned window stays open when it "
                       "loses the focus.")),
             toggle(keys::showDateInMenu, TR("Show date")),
             toggle(keys::showTimeInMenu, TR("Show time")),
             toggle(keys::showTimeWithSecondsInMenu, TR("Show seconds")),
             toggle(keys::showDayOfWeekInMenu, TR("Show day of week")),
             toggle(keys::showWeekNumberInMenu, TR("Show week number")),
             make(keys::menuDateTimeFormat, ControlKind::pattern, TR("Window Date & Time Format")),
             toggle(keys::showCalendarInMenu, TR("Show calendar")),
             toggle(keys::showAddEventButtonInMenu, TR("Show “New event” button")),
             toggle(keys::menuShowJoinVideoCallButton, TR("Show “Join video call” button")),
             toggle(keys::showMoreMenu, TR("Show “More” menu")),
             withSection(choice(keys::createNewEventsWith, TR("Create new events with"),
                                {{QStringLiteral("ruvo"), TR("Ruvo")},
                                 {QStringLiteral("calendar"), TR("Calendar application")},
                                 {QStringLiteral("fantastical"), TR("Fantastical")},
                                 {QStringLiteral("googleCalendar"), TR("Google Calendar")}}),
                         TR("New events")),
             choice(keys::defaultEventDuration, TR("Default duration"),
                    {{900, TR("15 minutes")},
                     {1800, TR("30 minutes")},
                     {2700, TR("45 minutes")},
                     {3600, TR("1 hour")},
                     {5400, TR("90 minutes")},
                     {7200, TR("2 hours")}}),
             make(keys::runShortcut_joinVideoCall, ControlKind::text,
                  TR("Run shortcut when joining video call"),
                  TR("The id of an executable file in ~/.config/ruvo/shortcuts, as "
                     "“ruvo action list-shortcuts” prints it."))}};
}

Pane panel() {
    return {
        QStringLiteral("panel"),
        TR("Panel"),
        {toggle(keys::showWeekDayInMenuBar, TR("Show day of week")),
         toggle(keys::showDateInMenuBar, TR("Show date")),
         toggle(keys::showMonthInMenuBar, TR("Show month")),
         toggle(keys::showTimeInMenuBar, TR("Show time")),
         toggle(keys::showSecondsInMenuBar, TR("Show seconds")),
         toggle(keys::showAmPm, TR("Show AM/PM")),
         toggle(keys::showWeekNumberInMenuBar, TR("Show week number")),
         make(keys::dateTimeFormat, ControlKind::pattern, TR("Date & Time Format")),
         withSection(make(keys::iconInMenuBar, ControlKind::icon, TR("Icon")), TR("Look")),
         make(keys::menuBarTextColor, ControlKind::colour, TR("Text colour on light panels")),
         make(keys::menuBarTextColorDark, ControlKind::colour, TR("Text colour on dark panels")),
         make(keys::menuBarTextSize, ControlKind::number, TR("Text size")),
         toggle(keys::menuBar_boldText, TR("Bold text")),
         make(keys::menuBarTextVerticalAlignmentOffset, ControlKind::number, TR("Vertical offset")),
         toggle(keys::currentTimeZoneClockMenuBarColored, TR("Colour the world clocks"))}};
}

Pane calendar() {
    return {
        QStringLiteral("calendar"),
        TR("Calendar"),
        {make(keys::enabledCalendars, ControlKind::calendars, TR("Calendars")),
         action(actions::kAddCalendarFolder, TR("Add Calendar Folder…"),
                TR("A folder of .ics files, one per event, such as vdirsyncer keeps.")),
         toggle(keys::showReminders, TR("Show reminders")),
         make(keys::enabledRemindersLists, ControlKind::calendars, TR("Reminder lists")),
         withSection(number(keys::calendarEventsDayCount, TR("Days of events in the list"), 0, 366),
                     TR("Event list")),
         number(keys::remindersDaysInThePastCount, TR("Days of overdue reminders"), 0, 366),
         toggle(keys::hideTodaysPastEvents, TR("Hide today's past events")),
         toggle(keys::showAllDaysEvents, TR("Show all-day events")),
         toggle(keys::showVideoCallEventsOnlyInMainList, TR("Show only video calls")),
         toggle(keys::showVideoCallButtonOnlyForUpcomingEvents,
                TR("Show the join button only for upcoming events")),
         toggle(keys::eventDetails_showCalendarTitle, TR("Show the calendar in event details")),
         toggle(keys::openGoogleCalendarEventsInGoogleCalendar,
                TR("Open Google Calendar events in the browser")),
         toggle(keys::useGoogleMaps, TR("Open locations in Google Maps")),
         make(keys::hiddenEvents, ControlKind::list, TR("Hidden events")),
         make(keys::fullscreenNotifications_excludeMatcher, ControlKind::exclusions,
              TR("Exclude events")),
         withSection(choice(keys::indicateEventsInCalendar, TR("Event indicators"),
                            {{QStringLiteral("none"), TR("None")},
                             {QStringLiteral("one"), TR("One dot")},
                             {QStringLiteral("maxThree"), TR("Up to three dots")}},
                            TR("Indicate days with events in the calendar. When using colored "
                               "dots, it uses the calendar colors.")),
                     TR("Month calendar")),
         toggle(keys::showWeekNumbersInCalendar, TR("Week numbers")),
         make(keys::highlightedDaysInCalendar, ControlKind::days, TR("Highlighted days")),
         choice(keys::highlightDaysInCalendarStyle, TR("Highlight style"),
                {{QStringLiteral("redColor"), TR("Red")}, {QStringLiteral("bold"), TR("Bold")}}),
         toggle(keys::keepLastShownCalendarMonth, TR("Reset day when closing window"),
                TR("When disabled, the calendar will reset back to the current day when closing "
                   "the menu.")),
         toggle(keys::calendar_swipeMonths, TR("Swipe to change months")),
         toggle(keys::calendar_highlightDaysOfHoveredEvent,
                TR("Highlight the days of the event under the pointer")),
         toggle(keys::calendarLongPressOpenInGoogleCalendar,
                TR("Long press opens the day in Google Calendar"))}};
}

Pane timeZones() {
    return {QStringLiteral("timezones"),
            TR("Time Zones"),
            {make(keys::timeZonesInMenu, ControlKind::timeZones, TR("Time zones")),
             toggle(keys::showTimeZonesInMenu, TR("Show time zones")),
             choice(keys::showTimeZonesAtTopOfMenu, TR("Position"),
                    {{false, TR("Bottom")}, {true, TR("Top")}}),
             toggle(keys::timeZonesInMenu_showDayAndNightIcons, TR("Show day and night icons")),
             toggle(keys::menu_eventDetails_showTimeZones, TR("Show time zones in event details")),
             withSection(toggle(keys::showTimeZoneTimeTravelSliderInMenu, TR("Show time travel")),
                         TR("Time travel")),
             choice(keys::timeTravelUse30MinuteSteps, TR("Steps"),
                    {{false, TR("1 hour")}, {true, TR("30 minutes")}}),
             toggle(keys::timeTravelResetOnMenuClose, TR("Reset when closing window")),
             withSection(toggle(keys::floatingClockIsEnabled, TR("Show floating clock")),
                         TR("Floating clock")),
             choice(keys::floatingClock_show, TR("Show"),
                    {{QStringLiteral("aboveAllWindows"), TR("Above all windows")},
                     {QStringLiteral("aboveAllWindowsAndFullscreen"),
                      TR("Above all windows and full-screen windows")},
                     {QStringLiteral("onDesktopBackground"), TR("On the desktop background")}}),
             toggle(keys::floatingClockShowBackground, TR("Show background")),
             make(keys::floatingClockFont, ControlKind::font, TR("Font")),
             make(keys::floatingClockColor, ControlKind::colour, TR("Colour")),
             number(keys::floatingClockOpacity, TR("Opacity"), 0, 1, 0.05)}};
}

Pane alerts() {
    return {
        QStringLiteral("alerts"),
        TR("Alerts"),
        {withSection(
             toggle(keys::upcomingEventInMenuBar_isEnabled, TR("Show upcoming event in the panel")),
             TR("Upcoming event")),
         toggle(keys::upcomingEventInMenuBarShowTitle, TR("Show title")),
         number(keys::upcomingEventInMenuBarEventTitleLimit, TR("Title length"), 10, 80, 5),
         toggle(keys::upcomingEventInMenuBarShowCountdown, TR("Show countdown")),
         toggle(keys::upcomingEventInMenuBarShowMinutesForMoreThanAnHour,
                TR("Show minutes for more than an hour")),
         toggle(keys::upcomingEventInMenuBar_showDuringEntireEvent,
                TR("Show during the entire event")),
         choice(keys::upcomingEventInMenuBarDurationBefore, TR("Show before the event"),
                {{900, TR("15 minutes")},
                 {1800, TR("30 minutes")},
                 {3600, TR("1 hour")},
                 {7200, TR("2 hours")},
                 {14400, TR("4 hours")},
                 {43200, TR("12 hours")}}),
         toggle(keys::upcomingEventInMenuBar_onlyVideoCalls, TR("Only video calls")),
         make(keys::upcomingEventInMenuBarCalendars, ControlKind::calendarSet, TR("Calendars"),
              TR("None chosen: every calendar.")),
         toggle(keys::upcomingEventInMenuBar_hideWhenNoEvent, TR("Hide when there is no event")),
         toggle(keys::upcomingEventInMenuBar_showCalendarIndicator, TR("Show calendar colour")),
         toggle(keys::upcomingEventInMenuBar_clickMenuItemToJoinVideoCall,
                TR("Click to join the video call")),
         choice(keys::upcomingEventInMenuBar_menuItemAction, TR("Clicking the item"),
                {{QStringLiteral("showWindowWithEventDetails"), TR("Shows the event's details")},
                 {QStringLiteral("showWindow"), TR("Opens the window")}}),
         make(keys::upcomingEventInMenuBarTextSize, ControlKind::number, TR("Text size")),
         toggle(keys::upcomingEventInMenuBar_boldText, TR("Bold text")),
         make(keys::upcomingEventInMenuBarColor, ControlKind::colour,
              TR("Text colour on light panels")),
         make(keys::upcomingEventInMenuBarDarkColor, ControlKind::colour,
              TR("Text colour on dark panels")),
         make(keys::upcomingEventInMenuBarIgnoredEvents, ControlKind::list, TR("Muted events")),
         withSection(toggle(keys::notifyWhenVideoCallStarts,
                            TR("Show notification when video call event starts")),
                     TR("Call notifications")),
         make(keys::notifyForVideoCalls_calendars, ControlKind::calendarSet, TR("Calendars")),
         choice(keys::notifyForVideoCallsDurationBefore, TR("Notify"), leadTimes()),
         withSection(
             toggle(keys::fullscreenNotifications_isEnabled, TR("Full-screen notifications")),
             TR("Full-screen alerts")),
         make(keys::fullscreenNotifications_calendars, ControlKind::calendarSet, TR("Calendars")),
         choice(keys::fullscreenNotifications_durationBefore, TR("Show"), leadTimes()),
         toggle(keys::fullscreenNotifications_onlyVideoCalls, TR("Only video calls")),
         toggle(keys::fullscreenNotifications_onlyEventsWithAlert, TR("Only events with an alert")),
         choice(keys::fullscreenNotifications_onlyEventsWithStatus, TR("Events"),
                {{QStringLiteral("accepted"), TR("accepted")},
                 {QStringLiteral("acceptedAndTentative"), TR("accepted and tentative")},
                 {QStringLiteral("acceptedAndTentativeAndPending"),
                  TR("accepted, tentative, and pending")}},
                TR("Declined events are always ignored.")),
         make(keys::fullscreenNotifications_sound, ControlKind::sound, TR("Sound")),
         number(keys::fullscreenNotifications_soundVolume, TR("Volume"), 0, 1, 0.05),
         action(actions::kPreviewNotification, TR("Preview Notification")),
         withSection(toggle(keys::hourlyChime_isEnabled, TR("Chime on the hour")),
                     TR("Hourly chime")),
         make(keys::hourlyChimeSound, ControlKind::sound, TR("Sound")),
         number(keys::hourlyChime_soundVolume, TR("Volume"), 0, 1, 0.05),
         make(keys::hourlyChimeTimeRange, ControlKind::timeRange, TR("Between"))}};
}

Pane shortcuts() {
    return {QStringLiteral("shortcuts"),
            TR("Shortcuts"),
            {make(keys::shortcut_toggleRuvo, ControlKind::shortcut, TR("Toggle Ruvo window")),
             make(keys::shortcut_newEvent, ControlKind::shortcut, TR("New event or reminder")),
             make(keys::shortcut_joinMeeting, ControlKind::shortcut, TR("Join video call"),
                  TR("Starting in the next 15 minutes or current.")),
             make(keys::shortcut_toggleFloatingClock, ControlKind::shortcut,
                  TR("Show or hide the floating clock")),
             make(keys::shortcut_dismissFullscreenNotification, ControlKind::shortcut,
                  TR("Dismiss the full-screen notification"))}};
}

Pane advanced() {
    return {QStringLiteral("advanced"),
            TR("Advanced"),
            {action(actions::kCopyDebugInfo, TR("Copy Debug Info"),
                    TR("Versions, desktop and the look of the clock, for a bug report. No event "
                       "content.")),
             action(actions::kCrashReports, TR("Show Crash Reports")),
             action(actions::kResetAll, TR("Reset All Settings…"),
                    TR("Every setting goes back to its default. Your calendars are not "
                       "touched."))}};
}

} // namespace

const std::vector<Pane>& panes() {
    static const std::vector<Pane> all{general(), panel(),     calendar(), timeZones(),
                                       alerts(),  shortcuts(), advanced()};
    return all;
}

} // namespace ruvo::preferences
