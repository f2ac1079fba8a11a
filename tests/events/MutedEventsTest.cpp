// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/MutedEvents.h"

#include <gtest/gtest.h>

namespace ruvo::events {
namespace {

// 2026-12-07T15:00:00Z is 818348400 seconds after 2001-01-01T00:00:00Z.
const kit::Instant kStart = kit::instantFromMSecs(1796655600000);

TEST(MutedEvents, EntryFormsMatchTheirEvents) {
    const MuteFacts single{QStringLiteral("A/uid-1"), QStringLiteral("uid-1"), false, kStart};
    const MuteFacts series{QStringLiteral("A/uid-2"), QStringLiteral("uid-2"), true, kStart};
    const MuteFacts nextWeek{QStringLiteral("A/uid-2"), QStringLiteral("uid-2"), true,
                             kStart + std::chrono::days(7)};
    struct Row {
        const char* entry;
        const MuteFacts& event;
        bool isMuted;
    };
    const Row rows[] = {
        {"A/uid-1", single, true},                // identifier, not repeating
        {"uid-1", single, true},                  // external identifier
        {"B/uid-1", single, false},               // another calendar's copy
        {"A/uid-2", series, false},               // identifier alone never mutes a series
        {"uid-2", series, true},                  // all occurrences
        {"uid-2", nextWeek, true},                //
        {"A/uid-2\u23F0818348400", series, true}, // this occurrence
        {"A/uid-2\u23F0818348400.000", series, true},
        {"A/uid-2\u23F0818348400", nextWeek, false}, // not the next one
        {"A/uid-2\u23F0818348401", series, false},
        {"A/uid-2\u23F0", series, false},     // no number
        {"A/uid-2\u23F0soon", series, false}, // not a number
        {"A/uid-3\u23F0818348400", series, false},
        {"", single, false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(isMutedBy(QString::fromUtf8(row.entry), row.event), row.isMuted) << row.entry;
    EXPECT_EQ(occurrenceMuteEntry(single), QStringLiteral("A/uid-1"));
    EXPECT_EQ(occurrenceMuteEntry(series), QStringLiteral("A/uid-2\u23F0818348400"));
    EXPECT_TRUE(isMuted({occurrenceMuteEntry(series)}, series));
    EXPECT_FALSE(isMuted({occurrenceMuteEntry(series)}, nextWeek));
}

TEST(MutedEvents, DuplicatesCollapseToTheDefaultCalendarsCopy) {
    const auto at = [](int minutes) { return kStart + std::chrono::minutes(minutes); };
    const std::vector<DuplicateFacts> events{
        {QStringLiteral("Standup"), QStringLiteral("u1"), at(0), QStringLiteral("B")},  // 0
        {QStringLiteral("Standup"), QStringLiteral("u2"), at(0), QStringLiteral("A")},  // 1 default
        {QStringLiteral("Standup"), QStringLiteral("u3"), at(0), QStringLiteral("C")},  // 2
        {QStringLiteral("Standup"), QStringLiteral("u1"), at(30), QStringLiteral("B")}, // 3
        {QString(), QStringLiteral("x"), at(30), QStringLiteral("B")},                  // 4
        {QString(), QStringLiteral("x"), at(30), QStringLiteral("C")},                  // 5
        {QString(), QString(), at(30), QStringLiteral("B")},                            // 6
        {QString(), QString(), at(30), QStringLiteral("C")},                            // 7
        {QStringLiteral("Review"), QStringLiteral("y"), at(30), QStringLiteral("C")},   // 8
    };
    EXPECT_EQ(keptAfterCollapsing(events, QStringLiteral("A")),
              (std::vector<std::size_t>{1, 3, 4, 6, 7, 8}));
    EXPECT_EQ(keptAfterCollapsing(events, QString()), (std::vector<std::size_t>{0, 3, 4, 6, 7, 8}));
}

} // namespace
} // namespace ruvo::events
