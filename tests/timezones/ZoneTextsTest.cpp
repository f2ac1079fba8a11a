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
// date line and both directions of DST, seen from a local zone (en_US).
TEST(ZoneTexts, EveryTextOfAZoneAtAnInstant) {
    struct Row {
        const char* zone;
        const char* at;
        const char* local;
        const char* now; // the clock, when not `at`
        const char* utcOffset;
        const char* abbreviation;
        const char* label;
        const char* relativeOffset;
        const char* weekday;
        const char* relativeDay;
        bool isDaytime;
        const char* system;
        const char* twentyFour;
        const char* twelve;
    };
    const Row rows[] = {
        {"Asia/Kolkata", "2026-01-15T12:00:00Z", "Europe/Paris", nullptr, "UTC+5:30", "IST",
         "UTC+5:30 (IST)", "+4h 30m", "Thu", "Today", true, "5:30_PM", "17:30", "05:30_PM"},
        {"Asia/Kathmandu", "2026-07-01T12:00:00Z", "America/New_York", nullptr, "UTC+5:45",
         "UTC+5:45", "UTC+5:45", "+9h 45m", "Wed", "Today", true, "5:45_PM", "17:45", "05:45_PM"},
        {"America/St_Johns", "2026-01-15T12:00:00Z", "America/New_York", nullptr, "UTC-3:30", "NST",
         "UTC-3:30 (NST)", "+1h 30m", "Thu", "Today", true, "8:30_AM", "08:30", "08:30_AM"},
        // East of the date line: already Friday.
        {"Pacific/Kiritimati", "2026-01-15T12:00:00Z", "America/New_York", nullptr, "UTC+14",
         "UTC+14", "UTC+14", "+19h", "Fri", "Tomorrow", false, "2:00_AM", "02:00", "02:00_AM"},
        // West of it, seen from Auckland: still Wednesday.
        {"Pacific/Pago_Pago", "2026-01-15T08:00:00Z", "Pacific/Auckland", nullptr, "UTC-11",
         "UTC-11", "UTC-11", "-24h", "Wed", "Yesterday", false, "9:00_PM", "21:00", "09:00_PM"},
        // New York springs forward at 07:00Z and falls back at 06:00Z.
        {"America/New_York", "2026-03-08T07:30:00Z", "Europe/London", nullptr, "UTC-4", "EDT",
         "UTC-4 (EDT)", "-4h", "Sun", "Today", false, "3:30_AM", "03:30", "03:30_AM"},
        {"America/New_York", "2026-11-01T05:30:00Z", "UTC", nullptr, "UTC-4", "EDT", "UTC-4 (EDT)",
         "-4h", "Sun", "Today", false, "1:30_AM", "01:30", "01:30_AM"},
        {"America/New_York", "2026-11-01T06:30:00Z", "UTC", nullptr, "UTC-5", "EST", "UTC-5 (EST)",
         "-5h", "Sun", "Today", false, "1:30_AM", "01:30", "01:30_AM"},
        // Sydney leaves daylight time at 16:00Z on 4 April (03:00 local).
        {"Australia/Sydney", "2026-04-04T15:30:00Z", "America/New_York", nullptr, "UTC+11", "AEDT",
         "UTC+11 (AEDT)", "+15h", "Sun", "Tomorrow", false, "2:30_AM", "02:30", "02:30_AM"},
        {"Australia/Sydney", "2026-04-04T16:30:00Z", "America/New_York", nullptr, "UTC+10", "AEST",
         "UTC+10 (AEST)", "+14h", "Sun", "Tomorrow", false, "2:30_AM", "02:30", "02:30_AM"},
        // The system's rules, not ICU's: Cairo keeps DST again, Mexico City has none.
        {"Africa/Cairo", "2026-07-01T12:00:00Z", "America/New_York", nullptr, "UTC+3", "UTC+3",
         "UTC+3", "+7h", "Wed", "Today", true, "3:00_PM", "15:00", "03:00_PM"},
        {"America/Mexico_City", "2026-07-01T12:00:00Z", "America/New_York", nullptr, "UTC-6", "CST",
         "UTC-6 (CST)", "-2h", "Wed", "Today", false, "6:00_AM", "06:00", "06:00_AM"},
        {"America/Denver", "2026-07-01T14:00:00Z", "America/Denver", nullptr, "UTC-6", "MDT",
         "UTC-6 (MDT)", "Current", "Wed", "Today", true, "8:00_AM", "08:00", "08:00_AM"},
        {"UTC", "2026-07-01T17:59:00Z", "America/New_York", nullptr, "UTC", "UTC", "UTC", "+4h",
         "Wed", "Today", true, "5:59_PM", "17:59", "05:59_PM"},
        // A day further away: the date, with the year only when it is not the instant's.
        {"Asia/Tokyo", "2026-12-09T12:00:00Z", "America/New_York", "2026-12-01T12:00:00Z", "UTC+9",
         "JST", "UTC+9 (JST)", "+14h", "Wed", "Dec 9", false, "9:00_PM", "21:00", "09:00_PM"},
        {"Pacific/Kiritimati", "2026-12-31T20:00:00Z", "America/New_York", "2026-12-20T12:00:00Z",
         "UTC+14", "UTC+14", "UTC+14", "+19h", "Fri", "Jan 1, 2027", true, "10:00_AM", "10:00",
         "10:00_AM"},
    };
    for (const Row& row : rows) {
        const kit::Instant at = test::at(row.at);
        kit::FixedClock clock(row.now ? test::at(row.now) : at);
        ChosenTimeZoneTexts texts(
            kit::Environment{QStringLiteral("en_US"), QString::fromLatin1(row.local)}, clock);
        const ChosenTimeZone entry = entryFor(row.zone, ChosenTimeZone::TimeFormat::system);
        const QString where =
            QStringLiteral("%1 at %2").arg(QLatin1String(row.zone), QLatin1String(row.at));
        const settings::ZuTimeZone& zone = entry.timeZone;
        EXPECT_EQ(utcOffsetText(zone, at), QLatin1String(row.utcOffset)) << where.toStdString();
        EXPECT_EQ(normalizedAbbreviation(zone, at).value_or(QString()),
                  QLatin1String(row.abbreviation))
            << where.toStdString();
        EXPECT_EQ(zoneLabel(zone, at), QLatin1String(row.label)) << where.toStdString();
        EXPECT_EQ(texts.relativeOffsetText(entry, at), QLatin1String(row.relativeOffset))
            << where.toStdString();
        EXPECT_EQ(texts.weekdayText(entry, at), QLatin1String(row.weekday)) << where.toStdString();
        EXPECT_EQ(texts.relativeDayText(entry, at), QLatin1String(row.relativeDay))
            << where.toStdString();
        EXPECT_EQ(texts.isDaytime(entry, at), row.isDaytime) << where.toStdString();
        EXPECT_EQ(readable(texts.timeText(entry, at)), QLatin1String(row.system))
            << where.toStdString();
        EXPECT_EQ(
            texts.timeText(entryFor(row.zone, ChosenTimeZone::TimeFormat::twentyFourHour), at),
            QLatin1String(row.twentyFour))
            << where.toStdString();
        EXPECT_EQ(readable(texts.timeText(
                      entryFor(row.zone, ChosenTimeZone::TimeFormat::twelveHour), at)),
                  QLatin1String(row.twelve))
            << where.toStdString();
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
    const auto buenosAires =
        settings::ZuTimeZone::make(QStringLiteral("America/Argentina/Buenos_Aires"));
    ASSERT_TRUE(buenosAires);
    EXPECT_EQ(buenosAires->city, QStringLiteral("Buenos Aires"));
    EXPECT_EQ(buenosAires->territory, QStringLiteral("America"));
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

// The locale-dependent texts follow the environment's locale; the fixed parts do not.
TEST(ZoneTexts, LocalesShapeTheLocalizedTexts) {
    struct Row {
        const char* locale;
        const char* local;
        const char* zone;
        const char* relativeOffset;
        const char* relativeDay;
        const char* weekday;
        const char* system;
        const char* twentyFour;
        const char* label;
    };
    const Row rows[] = {
        {"de_DE", "Europe/Berlin", "Asia/Kolkata", "+4 Std., 30 Min.", "Morgen", "Sa", "03:30",
         "03:30", "UTC+5:30 (IST)"},
        {"fr_FR", "Europe/Paris", "America/New_York", "-6h", "Aujourd’hui", "Ven.", "17:00",
         "17:00", "UTC-5 (EST)"},
        {"en_GB", "Europe/London", "Asia/Tokyo", "+9h", "Tomorrow", "Sat", "07:00", "07:00",
         "UTC+9 (JST)"},
    };
    kit::FixedClock clock(test::at("2026-12-04T22:00:00Z"));
    for (const Row& row : rows) {
        ChosenTimeZoneTexts texts({QLatin1String(row.locale), QLatin1String(row.local)}, clock);
        const ChosenTimeZone e = entryFor(row.zone, ChosenTimeZone::TimeFormat::system);
        const kit::Instant at = clock.now();
        EXPECT_EQ(texts.relativeOffsetText(e, at), QString::fromUtf8(row.relativeOffset))
            << row.locale;
        EXPECT_EQ(texts.relativeDayText(e, at), QString::fromUtf8(row.relativeDay)) << row.locale;
        EXPECT_EQ(texts.weekdayText(e, at), QString::fromUtf8(row.weekday)) << row.locale;
        EXPECT_EQ(texts.timeText(e, at), QString::fromUtf8(row.system)) << row.locale;
        EXPECT_EQ(
            texts.timeText(entryFor(row.zone, ChosenTimeZone::TimeFormat::twentyFourHour), at),
            QString::fromUtf8(row.twentyFour))
            << row.locale;
        // The abbreviation keeps its one form whatever the locale.
        EXPECT_EQ(zoneLabel(e.timeZone, at), QLatin1String(row.label)) << row.locale;
    }
}
