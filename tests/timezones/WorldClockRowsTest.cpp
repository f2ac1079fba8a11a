// SPDX-License-Identifier: GPL-3.0-or-later
#include "timezones/WorldClockRows.h"

#include "TestSupport.h"
#include "timezones/IcuFormat.h"
#include "timezones/MenuBarClockTitle.h"

#include <gtest/gtest.h>

using namespace ruvo;
using namespace ruvo::timezones;
using settings::ChosenTimeZone;

namespace {

ChosenTimeZone entry(const char* zone, ChosenTimeZone::Hide hide = ChosenTimeZone::Hide::never) {
    auto e =
        ChosenTimeZone::make(QUuid::createUuid(), *settings::ZuTimeZone::make(QLatin1String(zone)));
    e.hide = hide;
    return e;
}

} // namespace

TEST(WorldClockRows, HiddenEntriesShowWhileTravelling) {
    kit::FixedClock clock(test::at("2026-12-04T14:23:40-05:00"));
    const kit::Environment env{QStringLiteral("en_US"), QStringLiteral("America/New_York")};
    ChosenTimeZoneTexts texts(env, clock);
    TimeTravel travel(env);
    auto offMenu = entry("Asia/Tokyo");
    offMenu.showInMenu = false;
    const std::vector<ChosenTimeZone> entries{
        entry("America/New_York", ChosenTimeZone::Hide::sameTimeZone), entry("Asia/Kolkata"),
        offMenu};
    TimeZoneOffset offset;
    const TimeTravelInput input{localDate(env.timeZoneId, clock.now()), clock.now(), false, false};

    auto rows = worldClockRows(entries, texts, travel, {input, offset, false});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name, QStringLiteral("Kolkata"));
    EXPECT_EQ(rows[0].time, QStringLiteral("12:53\u202FAM"));
    EXPECT_EQ(rows[0].day, QStringLiteral("Tomorrow"));
    EXPECT_EQ(rows[0].relativeOffset, QStringLiteral("+10h 30m"));
    EXPECT_FALSE(rows[0].showsSymbol);

    offset.set(0, false); // travelling to 15:00 local
    rows = worldClockRows(entries, texts, travel, {input, offset, false});
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].time, QStringLiteral("3:00\u202FPM"));
    EXPECT_EQ(rows[0].day, QStringLiteral("Fri, Today"));
    EXPECT_EQ(rows[1].time, QStringLiteral("1:30\u202FAM"));
    EXPECT_EQ(rows[1].day, QStringLiteral("Sat, Tomorrow"));
    EXPECT_TRUE(rows[1].showsSymbol);
    EXPECT_FALSE(rows[1].isDaytime);
    EXPECT_EQ(rows[2].accessibleLabel,
              QStringLiteral("Time Zone: Tokyo, 5:00\u202FAM, Sat, Tomorrow, +14h"));
}

TEST(WorldClockRows, DetailsOfAnEntry) {
    const kit::Environment env{QStringLiteral("en_US"), QStringLiteral("America/New_York")};
    struct Row {
        const char* zone;
        const char* now;
        const char* label;
        bool isDst;
        bool isCurrent;
        const char* note; // nullptr: none
    };
    const Row rows[] = {
        {"America/New_York", "2026-10-29T12:00:00Z", "UTC-4 (EDT)", true, true,
         "Transitions from Daylight Savings Time in 3 days."},
        {"America/New_York", "2026-09-01T12:00:00Z", "UTC-4 (EDT)", true, true, nullptr},
        {"Europe/Paris", "2026-03-28T12:00:00Z", "UTC+1 (CET)", false, false,
         "Transitions to Daylight Savings Time in 13 hours."},
        {"Asia/Tokyo", "2026-03-28T12:00:00Z", "UTC+9 (JST)", false, false, nullptr},
    };
    for (const Row& row : rows) {
        kit::FixedClock clock(test::at(row.now));
        ChosenTimeZoneTexts texts(env, clock);
        const ZoneDetails d = zoneDetails(entry(row.zone), texts);
        EXPECT_EQ(d.zoneLabel, QLatin1String(row.label)) << row.zone;
        EXPECT_EQ(d.isDaylightTime, row.isDst) << row.zone;
        EXPECT_EQ(d.isCurrentZone, row.isCurrent) << row.zone;
        EXPECT_EQ(d.transitionNote.value_or(QString()), QString::fromUtf8(row.note ? row.note : ""))
            << row.zone << " " << row.now;
    }
    EXPECT_EQ(isoTextInZone(*settings::ZuTimeZone::make(QStringLiteral("Asia/Kathmandu")),
                            test::at("2026-12-04T14:41:00Z")),
              QStringLiteral("2026-12-04T20:26:00+05:45"));
}

TEST(MenuBarClockTitle, TitleWeekdayAndWidth) {
    kit::FixedClock clock(test::at("2026-12-04T22:21:00-05:00")); // Friday evening in New York
    ChosenTimeZoneTexts texts({QStringLiteral("en_US"), QStringLiteral("America/New_York")}, clock);
    struct Row {
        const char* zone;
        const char* title;
        bool weekdayOn;
        ChosenTimeZone::TimeFormat format;
        const char* text;
    };
    const Row rows[] = {
        {"Asia/Tokyo", "", true, ChosenTimeZone::TimeFormat::twentyFourHour, "Sat 12:21"},
        {"Asia/Tokyo", "", false, ChosenTimeZone::TimeFormat::twentyFourHour, "12:21"},
        {"Asia/Tokyo", "   ", true, ChosenTimeZone::TimeFormat::twentyFourHour, "Sat 12:21"},
        {"Asia/Tokyo", "TYO", true, ChosenTimeZone::TimeFormat::twentyFourHour, "TYO Sat 12:21"},
        {"America/Chicago", "", true, ChosenTimeZone::TimeFormat::twelveHour, "09:21\u202FPM"},
    };
    for (const Row& row : rows) {
        ChosenTimeZone e = entry(row.zone);
        e.menuBarTitle = QString::fromUtf8(row.title);
        e.menuBarShowWeekdayWhenInDifferentDay = row.weekdayOn;
        e.timeFormat = row.format;
        EXPECT_EQ(MenuBarClockTitle::make(e, texts, false).text(), QString::fromUtf8(row.text))
            << row.zone << " '" << row.title << "'";
    }
    EXPECT_TRUE(
        MenuBarClockTitle::make(entry("America/New_York"), texts, true).isCurrentZoneMarked);
    EXPECT_FALSE(MenuBarClockTitle::make(entry("Asia/Tokyo"), texts, true).isCurrentZoneMarked);

    ClockWidth width;
    EXPECT_EQ(width.update(50), 56);
    EXPECT_EQ(width.update(52), 56); // 2 wider: kept
    EXPECT_EQ(width.update(48), 56);
    EXPECT_EQ(width.update(53), 59); // 3 wider: grows
    EXPECT_EQ(width.update(40), 46); // much narrower: shrinks
}
