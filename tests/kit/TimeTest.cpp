// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/Time.h"

#include "TestSupport.h"
#include "kit/Environment.h"
#include "kit/SystemTimeZones.h"

#include <gtest/gtest.h>

using namespace ruvo;

TEST(Time, ParsesIsoInstantsWithAndWithoutOffsets) {
    struct Row {
        const char* text;
        const char* zone;
        std::optional<qint64> expectedMs;
    };
    const Row rows[] = {
        {"2026-12-04T09:41:00-05:00", "UTC", 1796395260000},
        {"2026-12-04T14:41:00Z", "UTC", 1796395260000},
        {"2026-12-04T14:41:00.250Z", "UTC", 1796395260250},
        {"2026-12-04T09:41:00", "America/New_York", 1796395260000}, // local time in the given zone
        {"2026-03-08T02:30:00", "America/New_York", std::nullopt},  // in the spring-forward gap
        {"2026-12-04", "UTC", std::nullopt}, // a date alone is not an instant
    };
    for (const Row& row : rows) {
        const auto parsed =
            kit::parseIsoInstant(QString::fromLatin1(row.text), QTimeZone(row.zone));
        if (!row.expectedMs) {
            // Qt moves gap times forward; either way it must not land on 02:30 local.
            if (parsed && QString::fromLatin1(row.text).startsWith(QLatin1String("2026-03-08")))
                EXPECT_NE(kit::toQDateTime(*parsed).toTimeZone(QTimeZone(row.zone)).time().hour(),
                          2)
                    << row.text;
            else
                EXPECT_FALSE(parsed.has_value()) << row.text;
            continue;
        }
        ASSERT_TRUE(parsed.has_value()) << row.text;
        EXPECT_EQ(kit::msecsSinceEpoch(*parsed), *row.expectedMs) << row.text;
    }
}

TEST(Environment, NormalizesLocaleIdentifiers) {
    const std::pair<const char*, const char*> rows[] = {{"de_DE.UTF-8", "de_DE"},
                                                        {"de-DE", "de_DE"},
                                                        {"sr_RS@latin", "sr_RS"},
                                                        {"C", ""},
                                                        {"", ""}};
    for (const auto& [raw, expected] : rows)
        EXPECT_EQ(kit::normalizedLocaleId(QString::fromLatin1(raw)), QString::fromLatin1(expected))
            << raw;
}

TEST(SystemTimeZones, KnowsTheSystemsZonesAndRejectsPathsAndJunk) {
    const std::pair<const char*, bool> rows[] = {
        {"Europe/Paris", true},
        {"America/Argentina/Buenos_Aires", true},
        {"UTC", true},
        {"Etc/GMT+12", true},
        {"America/Ciudad_Juarez", true}, // newer than ICU's own data
        {"Mars/Olympus_Mons", false},
        {"../../etc/passwd", false},
        {"", false},
        {"posix/Europe/Paris", false},
        {"zone.tab", false},
    };
    for (const auto& [id, known] : rows)
        EXPECT_EQ(kit::SystemTimeZones::isKnown(QString::fromLatin1(id)), known) << id;
    const QStringList all = kit::SystemTimeZones::all();
    EXPECT_GT(all.size(), 300);
    EXPECT_TRUE(all.contains(QStringLiteral("Asia/Kolkata")));
}
