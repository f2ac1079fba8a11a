// SPDX-License-Identifier: GPL-3.0-or-later
// Every key of the catalogue: its own default while nothing is stored, a round trip of another
// value, and the exact stored form of that value. The table must cover the whole catalogue.
#include "settings/Catalogue.h"

#include "TestSupport.h"
#include "settings/Json.h"
#include "settings/PropertyList.h"
#include "settings/SettingsFiles.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace ruvo::settings;

namespace {

struct Row {
    const char* key;
    const char* otherJson;  // a value other than the default, written then read back
    const char* storedForm; // the object the suite then holds, as property-list XML
};

const Row
    kRows[] =
        {
            {"showMenubarItem", R"(false)", R"(<false/>)"},
            {"iconInMenuBar", R"("sunrise")", R"(<string>sunrise</string>)"},
            {"showDateInMenuBar", R"(true)", R"(<true/>)"},
            {"showTimeInMenuBar", R"(false)", R"(<false/>)"},
            {"showSecondsInMenuBar", R"(true)", R"(<true/>)"},
            {"showWeekDayInMenuBar", R"(false)", R"(<false/>)"},
            {"showMonthInMenuBar", R"(false)", R"(<false/>)"},
            {"showWeekNumberInMenuBar", R"(true)", R"(<true/>)"},
            {"showAmPm", R"(false)", R"(<false/>)"},
            {"dateTimeFormat", R"("E d MMM  HH:mm")", R"(<string>E d MMM  HH:mm</string>)"},
            {"menuBar_boldText", R"(true)", R"(<true/>)"},
            {"menuBarTextSize", R"(13.5)", R"(<real>13.5</real>)"},
            {"menuBarTextVerticalAlignmentOffset", R"(13.5)", R"(<real>13.5</real>)"},
            {"upcomingEventInMenuBarTextSize", R"(13.5)", R"(<real>13.5</real>)"},
            {"menuBarTextColor", R"("#ff8000cc")", R"(<string>#ff8000cc</string>)"},
            {"menuBarTextColorDark", R"("#ff8000cc")", R"(<string>#ff8000cc</string>)"},
            {"menu_positionedBelowMenuBarItem", R"(false)", R"(<false/>)"},
            {"resizableWindowHeight", R"(true)", R"(<true/>)"},
            {"pinWindow", R"(true)", R"(<true/>)"},
            {"showDateInMenu", R"(true)", R"(<true/>)"},
            {"showTimeInMenu", R"(true)", R"(<true/>)"},
            {"showTimeWithSecondsInMenu", R"(true)", R"(<true/>)"},
            {"showDayOfWeekInMenu", R"(true)", R"(<true/>)"},
            {"showWeekNumberInMenu", R"(true)", R"(<true/>)"},
            {"showCalendarInMenu", R"(false)", R"(<false/>)"},
            {"showTimeZonesInMenu", R"(false)", R"(<false/>)"},
            {"showTimeZonesAtTopOfMenu", R"(true)", R"(<true/>)"},
            {"showTimeZoneTimeTravelSliderInMenu", R"(false)", R"(<false/>)"},
            {"showAddEventButtonInMenu", R"(false)", R"(<false/>)"},
            {"menuShowJoinVideoCallButton", R"(false)", R"(<false/>)"},
            {"showMoreMenu", R"(false)", R"(<false/>)"},
            {"largeText", R"(true)", R"(<true/>)"},
            {"vibrancy", R"(false)", R"(<false/>)"},
            {"appearance", R"("dark")", R"(<string>dark</string>)"},
            {"locale", R"("de_CH")", R"(<string>de_CH</string>)"},
            {"menuDateTimeFormat", R"("E d MMM  HH:mm")", R"(<string>E d MMM  HH:mm</string>)"},
            {"timeZonesInMenu",
             R"([{"id":"4F1C0E3A-8D0B-4C52-9E0E-2D5E2A1B7C11","timeZone":"Asia/Kolkata","name":"Office"}])",
             R"(<array><string>{&quot;hide&quot;:&quot;never&quot;,&quot;id&quot;:&quot;4F1C0E3A-8D0B-4C52-9E0E-2D5E2A1B7C11&quot;,&quot;isInMenuBar&quot;:false,&quot;menuBarShowWeekdayWhenInDifferentDay&quot;:true,&quot;menuBarTitle&quot;:&quot;&quot;,&quot;name&quot;:&quot;Office&quot;,&quot;notes&quot;:&quot;&quot;,&quot;showInMenu&quot;:true,&quot;timeFormat&quot;:&quot;system&quot;,&quot;timeZone&quot;:&quot;Asia/Kolkata&quot;}</string></array>)"},
            {"sharedTimeZones",
             R"([{"id":"4F1C0E3A-8D0B-4C52-9E0E-2D5E2A1B7C11","timeZone":"Asia/Kolkata","name":"Office"}])",
             R"(<array><string>{&quot;hide&quot;:&quot;never&quot;,&quot;id&quot;:&quot;4F1C0E3A-8D0B-4C52-9E0E-2D5E2A1B7C11&quot;,&quot;isInMenuBar&quot;:false,&quot;menuBarShowWeekdayWhenInDifferentDay&quot;:true,&quot;menuBarTitle&quot;:&quot;&quot;,&quot;name&quot;:&quot;Office&quot;,&quot;notes&quot;:&quot;&quot;,&quot;showInMenu&quot;:true,&quot;timeFormat&quot;:&quot;system&quot;,&quot;timeZone&quot;:&quot;Asia/Kolkata&quot;}</string></array>)"},
            {"timeZonesInMenu_showDayAndNightIcons", R"(true)", R"(<true/>)"},
            {"timeTravelUse30MinuteSteps", R"(true)", R"(<true/>)"},
            {"timeTravelResetOnMenuClose", R"(true)", R"(<true/>)"},
            {"menu_eventDetails_showTimeZones", R"(true)", R"(<true/>)"},
            {"floatingClockIsEnabled", R"(true)", R"(<true/>)"},
            {"floatingClock_show", R"("onDesktopBackground")",
             R"(<string>onDesktopBackground</string>)"},
            {"floatingClockShowBackground", R"(false)", R"(<false/>)"},
            {"floatingClockFont",
             R"({"family":"DejaVu Sans","italic":false,"pointSize":24,"weight":700})",
             R"(<string>{&quot;family&quot;:&quot;DejaVu Sans&quot;,&quot;italic&quot;:false,&quot;pointSize&quot;:24,&quot;weight&quot;:700}</string>)"},
            {"floatingClockColor", R"("#ff8000cc")", R"(<string>#ff8000cc</string>)"},
            {"floatingClockOpacity", R"(0.25)", R"(<real>0.25</real>)"},
            {"currentTimeZoneClockMenuBarColored", R"(true)", R"(<true/>)"},
            {"enabledCalendars", R"(["work","home"])",
             R"(<array><string>home</string><string>work</string></array>)"},
            {"enabledRemindersLists", R"(["work","home"])",
             R"(<array><string>home</string><string>work</string></array>)"},
            {"showReminders", R"(true)", R"(<true/>)"},
            {"remindersDaysInThePastCount", R"(12)", R"(<integer>12</integer>)"},
            {"calendarEventsDayCount", R"(12)", R"(<integer>12</integer>)"},
            {"hideTodaysPastEvents", R"(false)", R"(<false/>)"},
            {"showAllDaysEvents", R"(false)", R"(<false/>)"},
            {"hiddenEvents", R"(["b","a"])",
             R"(<array><string>b</string><string>a</string></array>)"},
            {"showVideoCallEventsOnlyInMainList", R"(true)", R"(<true/>)"},
            {"showVideoCallButtonOnlyForUpcomingEvents", R"(true)", R"(<true/>)"},
            {"eventDetails_showCalendarTitle", R"(true)", R"(<true/>)"},
            {"fullscreenNotifications_excludeMatcher",
             R"([{"id":"0D6F6B6E-2B1A-4B8E-9C1D-7A5E3F2B1C00","isEnabled":true,"kind":"regex","pattern":"^Focus$","locations":["upcomingEventInMenuBar","eventList"]}])",
             R"(<array><string>{&quot;id&quot;:&quot;0D6F6B6E-2B1A-4B8E-9C1D-7A5E3F2B1C00&quot;,&quot;isEnabled&quot;:true,&quot;kind&quot;:&quot;regex&quot;,&quot;locations&quot;:[&quot;eventList&quot;,&quot;upcomingEventInMenuBar&quot;],&quot;pattern&quot;:&quot;^Focus$&quot;}</string></array>)"},
            {"eventRules", R"([{"id":"9B2C7F10-3E4D-4A5B-8C6D-1E2F3A4B5C6D","name":"Standups","isEnabled":false,"calendars":["work"],"action":"replace","property":"title","replacementType":"start","replacementPattern":"Daily ","replacementString":"","predicateType":"any","predicates":[{"kind":"startsWith","string":"Daily"}]}])", R"(<array><string>{&quot;action&quot;:&quot;replace&quot;,&quot;calendars&quot;:[&quot;work&quot;],&quot;id&quot;:&quot;9B2C7F10-3E4D-4A5B-8C6D-1E2F3A4B5C6D&quot;,&quot;isEnabled&quot;:false,&quot;name&quot;:&quot;Standups&quot;,&quot;predicateType&quot;:&quot;any&quot;,&quot;predicates&quot;:[{&quot;kind&quot;:&quot;startsWith&quot;,&quot;string&quot;:&quot;Daily&quot;}],&quot;property&quot;:&quot;title&quot;,&quot;replacementPattern&quot;:&quot;Daily &quot;,&quot;replacementString&quot;:&quot;&quot;,&quot;replacementType&quot;:&quot;start&quot;}</string></array>)"},
            {"highlightedDaysInCalendar", R"([7,1])",
             R"(<array><integer>1</integer><integer>7</integer></array>)"},
            {"highlightDaysInCalendarStyle", R"("bold")", R"(<string>bold</string>)"},
            {"showWeekNumbersInCalendar", R"(true)", R"(<true/>)"},
            {"indicateEventsInCalendar", R"("maxThree")", R"(<string>maxThree</string>)"},
            {"keepLastShownCalendarMonth", R"(true)", R"(<true/>)"},
            {"calendar_swipeMonths", R"(false)", R"(<false/>)"},
            {"calendar_highlightDaysOfHoveredEvent", R"(false)", R"(<false/>)"},
            {"calendarLongPressOpenInGoogleCalendar", R"(true)", R"(<true/>)"},
            {"openGoogleCalendarEventsInGoogleCalendar", R"(true)", R"(<true/>)"},
            {"useGoogleMaps", R"(true)", R"(<true/>)"},
            {"_useGoogleAccountChooser", R"(false)", R"(<false/>)"},
            {"_useOldNoteFetching", R"(false)", R"(<false/>)"},
            {"_useTeamsApp", R"(false)", R"(<false/>)"},
            {"_noCustomVibrancy", R"(true)", R"(<true/>)"},
            {"_respectNaturalScrolling", R"(true)", R"(<true/>)"},
            {"upcomingEventInMenuBar_isEnabled", R"(true)", R"(<true/>)"},
            {"upcomingEventInMenuBarShowTitle", R"(false)", R"(<false/>)"},
            {"upcomingEventInMenuBarShowCountdown", R"(false)", R"(<false/>)"},
            {"upcomingEventInMenuBar_showDuringEntireEvent", R"(false)", R"(<false/>)"},
            {"upcomingEventInMenuBarDurationBefore", R"(1800)",
             R"(<string>[97,10665824850173493248]</string>)"},
            {"upcomingEventInMenuBar_onlyVideoCalls", R"(true)", R"(<true/>)"},
            {"upcomingEventInMenuBarShowMinutesForMoreThanAnHour", R"(true)", R"(<true/>)"},
            {"upcomingEventInMenuBarEventTitleLimit", R"(25)", R"(<integer>25</integer>)"},
            {"upcomingEventInMenuBarCalendars", R"(["work","home"])",
             R"(<array><string>home</string><string>work</string></array>)"},
            {"upcomingEventInMenuBarIgnoredEvents", R"(["b","a"])",
             R"(<array><string>b</string><string>a</string></array>)"},
            {"upcomingEventInMenuBar_boldText", R"(true)", R"(<true/>)"},
            {"upcomingEventInMenuBarColor", R"("#ff8000cc")", R"(<string>#ff8000cc</string>)"},
            {"upcomingEventInMenuBarDarkColor", R"("#ff8000cc")", R"(<string>#ff8000cc</string>)"},
            {"upcomingEventInMenuBar_clickMenuItemToJoinVideoCall", R"(true)", R"(<true/>)"},
            {"upcomingEventInMenuBar_hideWhenNoEvent", R"(true)", R"(<true/>)"},
            {"upcomingEventInMenuBar_showCalendarIndicator", R"(true)", R"(<true/>)"},
            {"upcomingEventInMenuBar_menuItemAction", R"("showWindow")",
             R"(<string>showWindow</string>)"},
            {"notifyWhenVideoCallStarts", R"(true)", R"(<true/>)"},
            {"notifyForVideoCalls_calendars", R"(["work","home"])",
             R"(<array><string>home</string><string>work</string></array>)"},
            {"notifyForVideoCallsDurationBefore", R"(1800)",
             R"(<string>[97,10665824850173493248]</string>)"},
            {"fullscreenNotifications_isEnabled", R"(true)", R"(<true/>)"},
            {"fullscreenNotifications_calendars", R"(["work","home"])",
             R"(<array><string>home</string><string>work</string></array>)"},
            {"fullscreenNotifications_durationBefore", R"(1800)",
             R"(<string>[97,10665824850173493248]</string>)"},
            {"fullscreenNotifications_onlyVideoCalls", R"(true)", R"(<true/>)"},
            {"fullscreenNotifications_onlyEventsWithAlert", R"(true)", R"(<true/>)"},
            {"fullscreenNotifications_onlyEventsWithStatus", R"("acceptedAndTentativeAndPending")",
             R"(<string>acceptedAndTentativeAndPending</string>)"},
            {"fullscreenNotifications_sound", R"("de_CH")", R"(<string>de_CH</string>)"},
            {"fullscreenNotifications_soundVolume", R"(0.25)", R"(<real>0.25</real>)"},
            {"hourlyChime_isEnabled", R"(true)", R"(<true/>)"},
            {"hourlyChimeSound", R"("de_CH")", R"(<string>de_CH</string>)"},
            {"hourlyChime_soundVolume", R"(0.25)", R"(<real>0.25</real>)"},
            {"hourlyChimeTimeRange",
             R"({"end":{"hour":2,"minute":0},"start":{"hour":22,"minute":30}})",
             R"(<string>{&quot;end&quot;:{&quot;hour&quot;:2,&quot;minute&quot;:0},&quot;start&quot;:{&quot;hour&quot;:22,&quot;minute&quot;:30}}</string>)"},
            {"runShortcut_joinVideoCall", R"("0D6F6B6E-2B1A-4B8E-9C1D-7A5E3F2B1C00")",
             R"(<string>0D6F6B6E-2B1A-4B8E-9C1D-7A5E3F2B1C00</string>)"},
            {"createNewEventsWith", R"("googleCalendar")", R"(<string>googleCalendar</string>)"},
            {"defaultEventDuration", R"(1800)", R"(<string>[97,10665824850173493248]</string>)"},
            {"newCalendarItemScreenIsShowingReminders", R"(true)", R"(<true/>)"},
            {"KeyboardShortcuts_toggleRuvo", R"({"carbonKeyCode":32,"carbonModifiers":768})",
             R"(<string>{&quot;carbonKeyCode&quot;:32,&quot;carbonModifiers&quot;:768}</string>)"},
            {"KeyboardShortcuts_newEvent", R"({"carbonKeyCode":32,"carbonModifiers":768})",
             R"(<string>{&quot;carbonKeyCode&quot;:32,&quot;carbonModifiers&quot;:768}</string>)"},
            {"KeyboardShortcuts_joinMeeting", R"({"carbonKeyCode":32,"carbonModifiers":768})",
             R"(<string>{&quot;carbonKeyCode&quot;:32,&quot;carbonModifiers&quot;:768}</string>)"},
            {"KeyboardShortcuts_toggleFloatingClock",
             R"({"carbonKeyCode":32,"carbonModifiers":768})",
             R"(<string>{&quot;carbonKeyCode&quot;:32,&quot;carbonModifiers&quot;:768}</string>)"},
            {"KeyboardShortcuts_dismissFullscreenNotification",
             R"({"carbonKeyCode":32,"carbonModifiers":768})",
             R"(<string>{&quot;carbonKeyCode&quot;:32,&quot;carbonModifiers&quot;:768}</string>)"},
            {"Zu_launchCount", R"(5)", R"(<integer>5</integer>)"},
            {"Zu_firstLaunchDate", R"("2026-12-04T14:41:00Z")",
             R"(<date>2026-12-04T14:41:00Z</date>)"},
            {"Zu_isShowingSettingsAfterRelaunch", R"(true)", R"(<true/>)"},
            {"Zu_NSStatusItem_ensureVisibility_shouldNotShowAgain", R"(true)", R"(<true/>)"},
};

} // namespace

TEST(Catalogue, EveryKeyReadsItsDefaultRoundTripsAndHasItsStoredForm) {
    QSet<QString> covered;
    for (const Row& row : kRows) {
        const QString name = QString::fromUtf8(row.key);
        SCOPED_TRACE(row.key);
        covered.insert(name);
        auto files = SettingsFiles::inMemory();
        const Defaults& d = files->defaults();
        const auto entry = findCatalogueEntry(name);
        ASSERT_TRUE(entry.has_value());

        const QString defaultJson = jsonText(entry->defaultJson());
        EXPECT_EQ(jsonText(entry->readJson(d)), defaultJson);
        EXPECT_FALSE(d.suite(entry->suite).storedObject(name).isValid());

        ASSERT_TRUE(
            entry->writeJson(d, parseJson(QString::fromUtf8(row.otherJson)).value()).isOk());
        const QVariant stored = d.suite(entry->suite).storedObject(name);
        EXPECT_EQ(propertyListElement(stored), QString::fromUtf8(row.storedForm));
        EXPECT_NE(jsonText(entry->readJson(d)), defaultJson);

        // Reading the stored form in a fresh store gives the same value back.
        auto reread = SettingsFiles::inMemory();
        reread->defaults().suite(entry->suite).setObject(name, stored);
        EXPECT_EQ(jsonText(entry->readJson(reread->defaults())), jsonText(entry->readJson(d)));

        entry->reset(d);
        EXPECT_EQ(jsonText(entry->readJson(d)), defaultJson);
        EXPECT_FALSE(d.suite(entry->suite).storedObject(name).isValid());
    }
    for (const CatalogueEntry& e : catalogue())
        EXPECT_TRUE(covered.contains(e.name)) << "no row for " << e.name.toStdString();
    EXPECT_EQ(static_cast<std::size_t>(covered.size()), catalogue().size());
}

TEST(Catalogue, SuiteAnswersRegisteredDefaultsAndOnlySharedTimeZonesLivesInTheGroupSuite) {
    auto files = SettingsFiles::inMemory();
    EXPECT_EQ(files->standard().object(QStringLiteral("showMenubarItem")), QVariant(true));
    EXPECT_EQ(files->standard().object(QStringLiteral("calendarEventsDayCount")),
              QVariant(qlonglong{7}));
    EXPECT_EQ(files->standard().object(QStringLiteral("hourlyChimeTimeRange")),
              QVariant(QStringLiteral(
                  "{\"end\":{\"hour\":22,\"minute\":0},\"start\":{\"hour\":9,\"minute\":0}}")));
    EXPECT_EQ(files->standard().object(QStringLiteral("defaultEventDuration")),
              QVariant(QStringLiteral("[195,2884905626637434880]")));
    // Optional keys with no default register nothing.
    EXPECT_FALSE(files->standard().object(QStringLiteral("locale")).isValid());
    for (const CatalogueEntry& e : catalogue())
        EXPECT_EQ(e.suite == SuiteId::sharedGroup, e.name == QLatin1String("sharedTimeZones"))
            << e.name.toStdString();
    EXPECT_TRUE(files->sharedGroup().object(QStringLiteral("sharedTimeZones")).isValid());
}

TEST(Catalogue, OneTimeMarkersAreBooleanKeysUnderTheirPrefix) {
    EXPECT_TRUE(findCatalogueEntry(QStringLiteral("Zu_App_runOnce__ruvo-5-whats-new")).has_value());
    EXPECT_FALSE(findCatalogueEntry(QStringLiteral("Zu_App_runOnce__")).has_value());
    EXPECT_FALSE(findCatalogueEntry(QStringLiteral("showmenubaritem"))
                     .has_value()); // names are case-sensitive
}
