// SPDX-License-Identifier: GPL-3.0-or-later
// What a stranger's files may cost: the tables that live as long as the program stay bounded
// however many names and strings the files invent, and a repeating task's next due date is
// found without expanding its whole window.
#include "platform/linux/VdirCodec.h"
#include "platform/linux/VdirRecurrence.h"
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

TEST(VdirBounds, NextStartIsTheEarliestOfRulesDatesAndTheFirstStart) {
    const LocalSeconds from = localSeconds(2026, 3, 1);
    auto rule = [](const char* text, Frequency f, int count = 0) {
        RecurrenceRule r;
        r.text = text;
        r.frequency = f;
        r.count = count;
        return r;
    };
    struct Row {
        const char* name;
        LocalSeconds start;
        std::vector<RecurrenceRule> rules;
        std::vector<LocalSeconds> rdates, exdates;
        std::optional<LocalSeconds> expected;
    };
    const Row rows[] = {
        {"the earlier of two rules",
         localSeconds(2026, 1, 1, 9),
         {rule("FREQ=WEEKLY", Frequency::weekly), rule("FREQ=MONTHLY", Frequency::monthly)},
         {},
         {},
         localSeconds(2026, 3, 1, 9)},
        {"an excluded start gives way to the next",
         localSeconds(2026, 1, 1, 9),
         {rule("FREQ=MONTHLY", Frequency::monthly)},
         {},
         {localSeconds(2026, 3, 1, 9)},
         localSeconds(2026, 4, 1, 9)},
        {"an RDATE before the rule's next start",
         localSeconds(2026, 1, 1, 9),
         {rule("FREQ=MONTHLY", Frequency::monthly)},
         {localSeconds(2026, 2, 1), localSeconds(2026, 3, 1, 8)},
         {},
         localSeconds(2026, 3, 1, 8)},
        {"a count used up before the window",
         localSeconds(2026, 1, 1, 9),
         {rule("FREQ=DAILY;COUNT=3", Frequency::daily, 3)},
         {},
         {},
         std::nullopt},
        {"the first start itself, after the window opens",
         localSeconds(2026, 3, 2, 9),
         {rule("FREQ=YEARLY", Frequency::yearly)},
         {},
         {},
         localSeconds(2026, 3, 2, 9)},
    };
    for (const Row& row : rows) {
        SeriesRecord s;
        s.times = {row.start, 0, kFloatingZone};
        s.rules = row.rules;
        s.rdates = row.rdates;
        s.exdates = row.exdates;
        EXPECT_EQ(nextStart(s, from), row.expected) << row.name;
    }
}

TEST(VdirBounds, AnOrdinalWeekdayInADailyOrWeeklyRuleIsThePlainWeekday) {
    // libical alone searches for centuries for such a start, on every query.
    struct Row {
        const char* rule;
        std::vector<int> days; // of February 2026, at 09:30
    };
    const Row rows[] = {
        {"FREQ=DAILY;BYDAY=-1SU", {1, 8, 15, 22}},
        {"FREQ=WEEKLY;BYDAY=2MO,-1SU", {1, 2, 8, 9, 15, 16, 22, 23}},
        {"FREQ=DAILY;BYDAY=SU", {1, 8, 15, 22}},
    };
    for (const Row& row : rows) {
        RecurrenceRule rule;
        rule.text = row.rule;
        std::vector<LocalSeconds> starts;
        forEachRuleStart(
            rule, {localSeconds(2026, 1, 31, 9, 30), 0, kFloatingZone}, false,
            localSeconds(2026, 2, 1), localSeconds(2026, 2, 28),
            [&](LocalSeconds t) { starts.push_back(t); }, true);
        std::vector<LocalSeconds> expected;
        for (int d : row.days)
            expected.push_back(localSeconds(2026, 2, d, 9, 30));
        EXPECT_EQ(starts, expected) << row.rule;
    }
}
