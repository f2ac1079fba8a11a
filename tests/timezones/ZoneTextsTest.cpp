// SPDX-License-Identifier: GPL-3.0-or-later
#include "timezones/ZoneTexts.h"

#include "TestSupport.h"
#include "timezones/ChosenTimeZoneTexts.h"

#include <gtest/gtest.h>

using namespace ruvo;
using namespace ruvo::timezones;
using settings::ChosenTimeZone;

namespace {

ChosenTimeZone entryFor(const char* zone, ChosenTimeZone::TimeFormat format) {
    auto z = settings::ZuTimeZone::make(QString::fromLatin1(zone));
    if (!z)
        qFatal("unknown zone in test: %s", zone);
    ChosenTimeZone entry = ChosenTimeZone::make(QUuid::createUuid(), *z);
    entry.timeFormat = format;
    return entry;
}

// ICU puts a narrow no-break space before the day period; tests write it as "_".
QString readable(QString s) {
    return s.replace(QChar(0x202F), QLatin1Char('_'));
}

} // namespace

// Every text of an entry, over zones with half-hour and 45-minute offsets, both sides of the
// date line and both directions of DST, seen from a local zone and locale. `texts` is
// utcOffset|abbreviation|label|relativeOffset|weekday|relativeDay|day or night|system|24h|12h.
TEST(ZoneTexts, EveryTextOfAZoneAtAnInstant) {
    struct Row {
        const char* zone;
        const char* at;
        const char* local;
        const char* texts;
        const char* now = nullptr; // the clock, when not `at`
        const char* locale = "en_US";
    };
    const Row rows[] = {
        {"Asia/Kolkata", "2026-01-15T12:00:00Z", "Europe/Paris",
         "UTC+5:30|IST|UTC+5:30 (IST)|+4h 30m|Thu|Today|day|5:30_PM|17:30|05:30_PM"},
        {"Asia/Kathmandu", "2026-07-01T12:00:00Z", "America/New_York",
         "UTC+5:45|UTC+5:45|UTC+5:45|+9h 45m|Wed|Today|day|5:45_PM|17:45|05:45_PM"},
        {"America/St_Johns", "2026-01-15T12:00:00Z", "America/New_York",
         "UTC-3:30|NST|UTC-3:30 (NST)|+1h 30m|Thu|Today|day|8:30_AM|08:30|08:30_AM"},
        // East of the date line: already Friday.
        {"Pacific/Kiritimati", "2026-01-15T12:00:00Z", "America/New_York",
         "UTC+14|UTC+14|UTC+14|+19h|Fri|Tomorrow|night|2:00_AM|02:00|02:00_AM"},
        // West of it, seen from Auckland: still Wednesday.
        {"Pacific/Pago_Pago", "2026-01-15T08:00:00Z", "Pacific/Auckland",
         "UTC-11|UTC-11|UTC-11|-24h|Wed|Yesterday|night|9:00_PM|21:00|09:00_PM"},
        // New York springs forward at 07:00Z and falls back at 06:00Z.
        {"America/New_York", "2026-03-08T07:30:00Z", "Europe/London",
         "UTC-4|EDT|UTC-4 (EDT)|-4h|Sun|Today|night|3:30_AM|03:30|03:30_AM"},
        {"America/New_York", "2026-11-01T05:30:00Z", "UTC",
         "UTC-4|EDT|UTC-4 (EDT)|-4h|Sun|Today|night|1:30_AM|01:30|01:30_AM"},
        {"America/New_York", "2026-11-01T06:30:00Z", "UTC",
         "UTC-5|EST|UTC-5 (EST)|-5h|Sun|Today|night|1:30_AM|01:30|01:30_AM"},
        // Sydney leaves daylight time at 16:00Z on 4 April (03:00 local).
        {"Australia/Sydney", "2026-04-04T15:30:00Z", "America/New_York",
         "UTC+11|AEDT|UTC+11 (AEDT)|+15h|Sun|Tomorrow|night|2:30_AM|02:30|02:30_AM"},
        {"Australia/Sydney", "2026-04-04T16:30:00Z", "America/New_York",
         "UTC+10|AEST|UTC+10 (AEST)|+14h|Sun|Tomorrow|night|2:30_AM|02:30|02:30_AM"},
        // The system's rules, not ICU's: Mexico City has no DST since 2022.
        {"America/Mexico_City", "2026-07-01T12:00:00Z", "America/New_York",
         "UTC-6|CST|UTC-6 (CST)|-2h|Wed|Today|night|6:00_AM|06:00|06:00_AM"},
        {"America/Denver", "2026-07-01T14:00:00Z", "America/Denver",
         "UTC-6|MDT|UTC-6 (MDT)|Current|Wed|Today|day|8:00_AM|08:00|08:00_AM"},
        {"UTC", "2026-07-01T17:59:00Z", "America/New_York",
         "UTC|UTC|UTC|+4h|Wed|Today|day|5:59_PM|17:59|05:59_PM"},
        // A day further away: the date, with the year only when it is not the instant's.
        {"Asia/Tokyo", "2026-12-09T12:00:00Z", "America/New_York",
         "UTC+9|JST|UTC+9 (JST)|+14h|Wed|Dec 9|night|9:00_PM|21:00|09:00_PM",
         "2026-12-01T12:00:00Z"},
        {"Pacific/Kiritimati", "2026-12-31T20:00:00Z", "America/New_York",
         "UTC+14|UTC+14|UTC+14|+19h|Fri|Jan 1, 2027|day|10:00_AM|10:00|10:00_AM",
         "2026-12-20T12:00:00Z"},
        // Other locales shape the localized texts; the abbreviation keeps its one form.
        {"Asia/Kolkata", "2026-12-04T22:00:00Z", "Europe/Berlin",
         "UTC+5:30|IST|UTC+5:30 (IST)|+4 Std., 30 Min.|Sa|Morgen|night|03:30|03:30|03:30_AM",
         nullptr, "de_DE"},
        {"America/New_York", "2026-12-04T22:00:00Z", "Europe/Paris",
         "UTC-5|EST|UTC-5 (EST)|-6h|Ven.|Aujourd’hui|day|17:00|17:00|05:00_PM", nullptr, "fr_FR"},
        {"Asia/Tokyo", "2026-12-04T22:00:00Z", "Europe/London",
         "UTC+9|JST|UTC+9 (JST)|+9h|Sat|Tomorrow|night|07:00|07:00|07:00_am", nullptr, "en_GB"},
    };
    using Format = ChosenTimeZone::TimeFormat;
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.zone) + " at " + row.at + " in " + row.locale);
        const kit::Instant at = test::at(row.at);
        kit::FixedClock clock(row.now ? test::at(row.now) : at);
        ChosenTimeZoneTexts texts({QLatin1String(row.locale), QLatin1String(row.local)}, clock);
        const ChosenTimeZone entry = entryFor(row.zone, Format::system);
        const settings::ZuTimeZone& zone = entry.timeZone;
        const QStringList actual{
            utcOffsetText(zone, at),
            normalizedAbbreviation(zone, at).value_or(QString()),
            zoneLabel(zone, at),
            texts.relativeOffsetText(entry, at),
            texts.weekdayText(entry, at),
            texts.relativeDayText(entry, at),
            texts.isDaytime(entry, at) ? QStringLiteral("day") : QStringLiteral("night"),
            readable(texts.timeText(entry, at)),
            texts.timeText(entryFor(row.zone, Format::twentyFourHour), at),
            readable(texts.timeText(entryFor(row.zone, Format::twelveHour), at))};
        EXPECT_EQ(actual.join(QLatin1Char('|')), QString::fromUtf8(row.texts));
    }
}

TEST(ChosenTimeZone, NamesAndTheHideRule) {
    const ChosenTimeZone berlin = entryFor("Europe/Berlin", ChosenTimeZone::TimeFormat::system);
    struct Row {
        const char* local;
        ChosenTimeZone::Hide hide;
        bool hidden;
    };
    const Row rows[] = {
        {"Europe/Paris", ChosenTimeZone::Hide::never, false},
        {"Europe/Paris", ChosenTimeZone::Hide::sameTime, true}, // same offset, other zone
        {"Europe/Paris", ChosenTimeZone::Hide::sameTimeZone, false},
        {"Europe/Berlin", ChosenTimeZone::Hide::sameTimeZone, true},
        {"Europe/London", ChosenTimeZone::Hide::sameTime, false},
    };
    kit::FixedClock clock(test::at("2026-07-01T12:00:00Z"));
    for (const Row& row : rows) {
        ChosenTimeZone entry = berlin;
        entry.hide = row.hide;
        ChosenTimeZoneTexts texts({QStringLiteral("en_US"), QString::fromLatin1(row.local)}, clock);
        EXPECT_EQ(texts.shouldHide(entry), row.hidden) << row.local << int(row.hide);
    }

    ChosenTimeZone entry = berlin;
    EXPECT_EQ(displayName(entry), QStringLiteral("Berlin"));
    rename(entry, QStringLiteral("Team 🇩🇪"));
    EXPECT_EQ(displayName(entry), QStringLiteral("Team 🇩🇪"));
    rename(entry, QStringLiteral("   "));
    EXPECT_EQ(entry.name, QStringLiteral("Berlin")); // the original name comes back
    entry.originalName.reset();
    rename(entry, QStringLiteral(" \n"));
    EXPECT_EQ(entry.name, QStringLiteral("Berlin")); // the city, without an original name
    entry.name.reset();
    EXPECT_EQ(displayName(entry), QStringLiteral("Berlin"));
}

TEST(ChosenTimeZone, DaytimeEdgesAndOrdering) {
    kit::FixedClock clock(test::at("2026-07-01T12:00:00Z"));
    ChosenTimeZoneTexts texts({QStringLiteral("en_US"), QStringLiteral("UTC")}, clock);
    const ChosenTimeZone utc = entryFor("UTC", ChosenTimeZone::TimeFormat::system);
    EXPECT_FALSE(texts.isDaytime(utc, test::at("2026-07-01T07:59:59Z")));
    EXPECT_TRUE(texts.isDaytime(utc, test::at("2026-07-01T08:00:00Z")));
    EXPECT_TRUE(texts.isDaytime(utc, test::at("2026-07-01T17:59:59Z")));
    EXPECT_FALSE(texts.isDaytime(utc, test::at("2026-07-01T18:00:00Z")));

    const auto zone = [](const char* id) { return *settings::ZuTimeZone::make(QLatin1String(id)); };
    const kit::Instant now = clock.now();
    EXPECT_TRUE(isBeforeByOffset(zone("America/Los_Angeles"), zone("Asia/Kolkata"), now));
    EXPECT_FALSE(isBeforeByOffset(zone("Europe/Paris"), zone("Europe/Berlin"), now));
    EXPECT_FALSE(isBeforeByOffset(zone("Europe/Berlin"), zone("Europe/Paris"), now));
}
