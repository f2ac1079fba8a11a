// SPDX-License-Identifier: GPL-3.0-or-later
#include "timezones/SystemZones.h"

#include "TestSupport.h"
#include "kit/SystemTimeZones.h"
#include "timezones/PosixTzRule.h"
#include "timezones/ZoneTexts.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace ruvo;
using namespace ruvo::timezones;

TEST(SystemZones, OffsetsComeFromTheSystemRules) {
    struct Row {
        const char* zone;
        const char* at;
        int offsetMinutes;
        bool isDst;
    };
    const Row rows[] = {
        {"America/Mexico_City", "2026-07-01T12:00:00Z", -360, false},  // no DST since 2022
        {"Africa/Cairo", "2026-07-01T12:00:00Z", 180, true},           // DST again since 2023
        {"Asia/Almaty", "2026-07-01T12:00:00Z", 300, false},           // one zone since 2024
        {"America/Ciudad_Juarez", "2026-07-01T12:00:00Z", -360, true}, // unknown to ICU 72
        {"America/New_York", "2026-03-08T06:59:59Z", -300, false},
        {"America/New_York", "2026-03-08T07:00:00Z", -240, true},
        {"Australia/Lord_Howe", "2026-01-15T00:00:00Z", 660, true}, // half-hour DST
        {"Australia/Lord_Howe", "2026-07-15T00:00:00Z", 630, false},
        {"America/New_York", "2045-07-01T12:00:00Z", -240, true}, // past the file: POSIX rule
        {"America/New_York", "2045-12-01T12:00:00Z", -300, false},
        {"Africa/Cairo", "2045-07-01T12:00:00Z", 180, true}, // rule with hour 24
        {"Australia/Sydney", "2045-01-01T12:00:00Z", 660, true},
        {"Australia/Sydney", "2045-07-01T12:00:00Z", 600, false},
        {"Europe/Dublin", "2026-07-01T12:00:00Z", 60, true}, // negative DST in the file
        {"Europe/Dublin", "2026-01-15T12:00:00Z", 0, false},
        {"Europe/Dublin", "2045-07-01T12:00:00Z", 60, true},
    };
    for (const Row& row : rows) {
        const ZonePtr zone = SystemZones::zone(QString::fromLatin1(row.zone));
        ASSERT_TRUE(zone) << row.zone;
        EXPECT_EQ(offsetSeconds(*zone, test::at(row.at)), row.offsetMinutes * 60)
            << row.zone << " " << row.at;
        EXPECT_EQ(isDaylightTime(*zone, test::at(row.at)), row.isDst) << row.zone << " " << row.at;
    }
    EXPECT_FALSE(SystemZones::zone(QStringLiteral("Mars/Olympus_Mons")));
    EXPECT_FALSE(SystemZones::zone(QStringLiteral("../../etc/passwd")));
}

TEST(SystemZones, NextTransitionIsTheSystemOne) {
    const ZonePtr ny = SystemZones::zone(QStringLiteral("America/New_York"));
    ASSERT_TRUE(ny);
    EXPECT_EQ(nextTransition(*ny, test::at("2026-07-01T00:00:00Z")),
              test::at("2026-11-01T06:00:00Z"));
    const ZonePtr tokyo = SystemZones::zone(QStringLiteral("Asia/Tokyo"));
    EXPECT_FALSE(nextTransition(*tokyo, test::at("2026-07-01T00:00:00Z")).has_value());
}

TEST(PosixTzRule, ParsesTheFootersOfZoneFiles) {
    struct Row {
        const char* text;
        bool valid;
        int standardOffset;
        std::optional<int> daylightOffset; // none when the rule has no daylight time
    };
    const Row rows[] = {
        {"EST5EDT,M3.2.0,M11.1.0", true, -18000, -14400},
        {"<+0530>-5:30", true, 19800, std::nullopt},
        {"EET-2EEST,M4.5.5/0,M10.5.4/24", true, 7200, 10800},
        {"<-03>3<-02>,M3.5.0/-2,M10.5.0/-1", true, -10800, -7200},
        {"IST-1GMT0,M10.5.0,M3.5.0/1", true, 3600, 0}, // negative DST (Dublin),
        {"EST5EDT,M3.2.0", false, 0, 0},
        {"E5", false, 0, 0},
        {"EST5EDT,M13.2.0,M11.1.0", false, 0, 0},
        {"", false, 0, 0},
    };
    for (const Row& row : rows) {
        const auto rule = PosixTzRule::parse(QString::fromLatin1(row.text));
        ASSERT_EQ(rule.has_value(), row.valid) << row.text;
        if (!rule)
            continue;
        EXPECT_EQ(rule->standardOffset, row.standardOffset) << row.text;
        EXPECT_EQ(rule->hasDaylightTime(), row.daylightOffset.has_value()) << row.text;
        if (rule->hasDaylightTime()) {
            EXPECT_EQ(rule->daylightOffset, row.daylightOffset) << row.text;
        }
    }
}

// Every zone the system lists becomes an ICU zone whose offset agrees with Qt's reading of the
// same files, now and after the files' last transition.
TEST(SystemZones, EveryZoneOfTheSystemIsKnown) {
    const QStringList ids = kit::SystemTimeZones::all();
    ASSERT_GT(ids.size(), 300);
    QStringList failures;
    for (const QString& id : ids) {
        const ZonePtr zone = SystemZones::zone(id);
        if (!zone) {
            failures << id + QStringLiteral(": not built");
            continue;
        }
        const QTimeZone qt(id.toUtf8());
        for (const char* at : {"2026-01-15T12:00:00Z", "2026-07-15T12:00:00Z"}) {
            const kit::Instant t = test::at(at);
            if (qt.isValid() && qt.offsetFromUtc(kit::toQDateTime(t)) != offsetSeconds(*zone, t))
                failures << id + QLatin1Char(' ') + QLatin1String(at);
        }
    }
    EXPECT_TRUE(failures.isEmpty()) << failures.join(QStringLiteral(", ")).toStdString();
}

TEST(TzifFile, SurvivesEveryTruncationAndBadTypeIndex) {
    EXPECT_FALSE(TzifFile::parse(QByteArray("TZif2\0\0\0", 8)).isOk());
    QFile file(kit::SystemTimeZones::zoneinfoDirectory() + QStringLiteral("/Europe/Dublin"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const auto whole = TzifFile::parse(bytes);
    ASSERT_TRUE(whole.isOk());
    EXPECT_EQ(whole->footer, QStringLiteral("IST-1GMT0,M10.5.0,M3.5.0/1"));
    for (qsizetype cut = 0; cut < bytes.size(); cut += 3) {
        const auto parsed = TzifFile::parse(bytes.left(cut));
        if (parsed) { // only a cut inside the footer can still parse
            EXPECT_GT(cut, bytes.size() - 40) << cut;
        }
    }
    // The first type index of the 64-bit block (the one read) pointing past the types.
    const qsizetype v2 = bytes.indexOf("TZif", 4);
    ASSERT_GT(v2, 0);
    QByteArray bad2 = bytes;
    const auto timeCount = [&](qsizetype header) {
        const auto* p = reinterpret_cast<const uchar*>(bytes.constData() + header + 32);
        return qsizetype((p[0] << 24) | (p[1] << 16) | (p[2] << 8) | p[3]);
    };
    bad2[v2 + 44 + timeCount(v2) * 8] = char(0xFF);
    EXPECT_FALSE(TzifFile::parse(bad2).isOk());
}
