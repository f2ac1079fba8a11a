// SPDX-License-Identifier: GPL-3.0-or-later
// The tables that live as long as the program stay bounded however many names and strings a
// stranger's files invent, and keep answering past their bound.
#include "platform/linux/VdirCodec.h"
#include "platform/linux/VdirZones.h"

#include <gtest/gtest.h>

using namespace ruvo::platform::vdir;

TEST(VdirBounds, InventedZoneNamesResolvePastTheBound) {
    ZoneTable zones;
    const auto berlin = zones.zone(QStringLiteral("Europe/Berlin"));
    ASSERT_TRUE(berlin);
    // Prefixed names as calendar programs write them, each one new.
    for (int i = 0; i < 10000; ++i) {
        const QString name = QStringLiteral("/vendor%1.example/Europe/Berlin").arg(i);
        ASSERT_EQ(zones.zone(name), berlin) << i;
    }
    EXPECT_LE(zones.nameCount(), 8192u + 1024u);
    EXPECT_GE(zones.nameCount(), 8192u);
    // A name met again past the bound still resolves, and own zones still register.
    EXPECT_EQ(zones.zone(QStringLiteral("/vendor9999.example/Europe/Berlin")), berlin);
    EXPECT_TRUE(zones.addZone(QStringLiteral("Custom#abc@2026"), {0}, {3600, 7200}));
    EXPECT_TRUE(zones.registered(QStringLiteral("Custom#abc@2026")));
    EXPECT_EQ(zones.zone(QStringLiteral("No/Such_Zone")), std::nullopt);
}

TEST(VdirBounds, StringPoolStartsAfreshWhenFull) {
    StringPool pool;
    const QString first = pool.intern(QStringLiteral("Standup"));
    EXPECT_EQ(pool.intern(QString(QStringLiteral("Stand") + QStringLiteral("up"))).constData(),
              first.constData());
    for (int i = 0; i < StringPool::kMaxStrings + 10; ++i)
        pool.intern(QString::number(i));
    EXPECT_LE(pool.size(), StringPool::kMaxStrings);
    // Equal strings share again once interned after the fresh start.
    const QString again = pool.intern(QString(QStringLiteral("Stand") + QStringLiteral("up")));
    EXPECT_EQ(pool.intern(QString(QStringLiteral("Stand") + QStringLiteral("up"))).constData(),
              again.constData());
    EXPECT_EQ(first, QStringLiteral("Standup"));
}
