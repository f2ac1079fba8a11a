// SPDX-License-Identifier: GPL-3.0-or-later
// A key of each kind of value in the catalogue: its own default while nothing is stored, a round
// trip of another value, and the exact stored form of that value. The keys of one kind share
// their codec, so one of them stands for the rest.
#include "settings/Catalogue.h"

#include "TestSupport.h"
#include "settings/Json.h"
#include "settings/PropertyList.h"
#include "settings/SettingsFiles.h"

#include <gtest/gtest.h>

using namespace ruvo::settings;

namespace {

struct Row {
    const char* keys;       // keys, separated by spaces
    const char* otherJson;  // a value other than the default, written then read back
    const char* storedForm; // the object the suite then holds, as property-list XML
};

const Row kRows[] = {
    {"showMenubarItem", R"(false)", R"(<false/>)"},
    {"iconInMenuBar", R"("sunrise")", R"(<string>sunrise</string>)"},
    {"showDateInMenuBar", R"(true)", R"(<true/>)"},
    {"dateTimeFormat", R"("E d MMM  HH:mm")", R"(<string>E d MMM  HH:mm</string>)"},
    {"menuBarTextSize", R"(13.5)", R"(<real>13.5</real>)"},
    {"menuBarTextColor", R"("#ff8000cc")", R"(<string>#ff8000cc</string>)"},
    {"locale", R"("de_CH")", R"(<string>de_CH</string>)"},
    {"timeZonesInMenu sharedTimeZones",
     R"([{"id":"4F1C0E3A-8D0B-4C52-9E0E-2D5E2A1B7C11","timeZone":"Asia/Kolkata","name":"Office"}])",
     R"(<array><string>{&quot;hide&quot;:&quot;never&quot;,&quot;id&quot;:&quot;4F1C0E3A-8D0B-4C52-9E0E-2D5E2A1B7C11&quot;,&quot;isInMenuBar&quot;:false,&quot;menuBarShowWeekdayWhenInDifferentDay&quot;:true,&quot;menuBarTitle&quot;:&quot;&quot;,&quot;name&quot;:&quot;Office&quot;,&quot;notes&quot;:&quot;&quot;,&quot;showInMenu&quot;:true,&quot;timeFormat&quot;:&quot;system&quot;,&quot;timeZone&quot;:&quot;Asia/Kolkata&quot;}</string></array>)"},
    {"floatingClockFont", R"({"family":"DejaVu Sans","italic":false,"pointSize":24,"weight":700})",
     R"(<string>{&quot;family&quot;:&quot;DejaVu Sans&quot;,&quot;italic&quot;:false,&quot;pointSize&quot;:24,&quot;weight&quot;:700}</string>)"},
    {"enabledCalendars", R"(["work","home"])",
     R"(<array><string>home</string><string>work</string></array>)"},
    {"remindersDaysInThePastCount", R"(12)", R"(<integer>12</integer>)"},
    {"hiddenEvents", R"(["b","a"])", R"(<array><string>b</string><string>a</string></array>)"},
    {"fullscreenNotifications_excludeMatcher",
     R"([{"id":"0D6F6B6E-2B1A-4B8E-9C1D-7A5E3F2B1C00","isEnabled":true,"kind":"regex","pattern":"^Focus$","locations":["upcomingEventInMenuBar","eventList"]}])",
     R"(<array><string>{&quot;id&quot;:&quot;0D6F6B6E-2B1A-4B8E-9C1D-7A5E3F2B1C00&quot;,&quot;isEnabled&quot;:true,&quot;kind&quot;:&quot;regex&quot;,&quot;locations&quot;:[&quot;eventList&quot;,&quot;upcomingEventInMenuBar&quot;],&quot;pattern&quot;:&quot;^Focus$&quot;}</string></array>)"},
    {"eventRules",
     R"([{"id":"9B2C7F10-3E4D-4A5B-8C6D-1E2F3A4B5C6D","name":"Standups","isEnabled":false,"calendars":["work"],"action":"replace","property":"title","replacementType":"start","replacementPattern":"Daily ","replacementString":"","predicateType":"any","predicates":[{"kind":"startsWith","string":"Daily"}]}])",
     R"(<array><string>{&quot;action&quot;:&quot;replace&quot;,&quot;calendars&quot;:[&quot;work&quot;],&quot;id&quot;:&quot;9B2C7F10-3E4D-4A5B-8C6D-1E2F3A4B5C6D&quot;,&quot;isEnabled&quot;:false,&quot;name&quot;:&quot;Standups&quot;,&quot;predicateType&quot;:&quot;any&quot;,&quot;predicates&quot;:[{&quot;kind&quot;:&quot;startsWith&quot;,&quot;string&quot;:&quot;Daily&quot;}],&quot;property&quot;:&quot;title&quot;,&quot;replacementPattern&quot;:&quot;Daily &quot;,&quot;replacementString&quot;:&quot;&quot;,&quot;replacementType&quot;:&quot;start&quot;}</string></array>)"},
    {"highlightedDaysInCalendar", R"([7,1])",
     R"(<array><integer>1</integer><integer>7</integer></array>)"},
    {"indicateEventsInCalendar", R"("maxThree")", R"(<string>maxThree</string>)"},
    {"upcomingEventInMenuBarDurationBefore", R"(1800)",
     R"(<string>[97,10665824850173493248]</string>)"},
    {"hourlyChimeTimeRange", R"({"end":{"hour":2,"minute":0},"start":{"hour":22,"minute":30}})",
     R"(<string>{&quot;end&quot;:{&quot;hour&quot;:2,&quot;minute&quot;:0},&quot;start&quot;:{&quot;hour&quot;:22,&quot;minute&quot;:30}}</string>)"},
    {"runShortcut_joinVideoCall", R"("0D6F6B6E-2B1A-4B8E-9C1D-7A5E3F2B1C00")",
     R"(<string>0D6F6B6E-2B1A-4B8E-9C1D-7A5E3F2B1C00</string>)"},
    {"KeyboardShortcuts_toggleRuvo", R"({"carbonKeyCode":32,"carbonModifiers":768})",
     R"(<string>{&quot;carbonKeyCode&quot;:32,&quot;carbonModifiers&quot;:768}</string>)"},
    {"Zu_firstLaunchDate", R"("2026-12-04T14:41:00Z")", R"(<date>2026-12-04T14:41:00Z</date>)"},
};

} // namespace

TEST(Catalogue, EachKindOfKeyReadsItsDefaultRoundTripsAndHasItsStoredForm) {
    for (const Row& row : kRows)
        for (const QString& name : QString::fromUtf8(row.keys).split(u' ', Qt::SkipEmptyParts)) {
            SCOPED_TRACE(name.toStdString());
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
}

TEST(Catalogue, SuitesAnswerRegisteredDefaultsInTheirStoredForm) {
    auto files = SettingsFiles::inMemory();
    EXPECT_EQ(files->standard().object(QStringLiteral("showMenubarItem")), QVariant(true));
    EXPECT_EQ(files->standard().object(QStringLiteral("hourlyChimeTimeRange")),
              QVariant(QStringLiteral(
                  "{\"end\":{\"hour\":22,\"minute\":0},\"start\":{\"hour\":9,\"minute\":0}}")));
    // Optional keys with no default register nothing.
    EXPECT_FALSE(files->standard().object(QStringLiteral("locale")).isValid());
    EXPECT_TRUE(files->sharedGroup().object(QStringLiteral("sharedTimeZones")).isValid());
    EXPECT_FALSE(files->standard().object(QStringLiteral("sharedTimeZones")).isValid());
}

TEST(Catalogue, OneTimeMarkersAreBooleanKeysUnderTheirPrefix) {
    EXPECT_TRUE(findCatalogueEntry(QStringLiteral("Zu_App_runOnce__ruvo-5-whats-new")).has_value());
    EXPECT_FALSE(findCatalogueEntry(QStringLiteral("Zu_App_runOnce__")).has_value());
    EXPECT_FALSE(findCatalogueEntry(QStringLiteral("showmenubaritem"))
                     .has_value()); // names are case-sensitive
}
