// SPDX-License-Identifier: GPL-3.0-or-later
// Reading, writing and observing typed keys.
#include "TestSupport.h"
#include "settings/Catalogue.h"
#include "settings/Keys.h"
#include "settings/SettingsFiles.h"

#include <gtest/gtest.h>
#include <thread>

using namespace ruvo::settings;

TEST(Defaults, StoredObjectsThatDoNotConvertReadAsTheDefaultAndStayAsTheyAre) {
    struct Row {
        QString key;
        QVariant stored;
        QString expectedJson; // through the key
    };
    const Row rows[] = {
        {keys::showAmPm.name, QVariant(QStringLiteral("yes")), QStringLiteral("true")},
        {keys::calendarEventsDayCount.name, QVariant(2.5), QStringLiteral("7")},
        // Numbers outside their key's range read as the nearer end.
        {keys::calendarEventsDayCount.name, QVariant(qlonglong{100000000}), QStringLiteral("366")},
        {keys::calendarEventsDayCount.name, QVariant(qlonglong{-3}), QStringLiteral("0")},
        {keys::floatingClockOpacity.name, QVariant(7.5), QStringLiteral("1")},
        {keys::appearance.name, QVariant(QStringLiteral("purple")), QStringLiteral("\"system\"")},
        {keys::highlightDaysInCalendarStyle.name, QVariant(qlonglong{1}),
         QStringLiteral("\"redColor\"")},
        {keys::hourlyChimeTimeRange.name,
         QVariant(QStringLiteral(
             "{\"start\":{\"hour\":25,\"minute\":0},\"end\":{\"hour\":1,\"minute\":0}}")),
         QStringLiteral(
             "{\"end\":{\"hour\":22,\"minute\":0},\"start\":{\"hour\":9,\"minute\":0}}")},
        {keys::defaultEventDuration.name, QVariant(QStringLiteral("[1,2,3]")),
         QStringLiteral("3600")},
        {keys::runShortcut_joinVideoCall.name, QVariant(QStringLiteral("not-a-uuid")),
         QStringLiteral("null")},
        {keys::menuBarTextColor.name, QVariant(QStringLiteral("red")), QStringLiteral("null")},
        // Bad elements of an array are skipped, the good ones kept.
        {keys::highlightedDaysInCalendar.name,
         QVariant(QVariantList{qlonglong{1}, qlonglong{9}, QStringLiteral("x"), qlonglong{7},
                               qlonglong{1}}),
         QStringLiteral("[1,7]")},
        {keys::fullscreenNotifications_excludeMatcher.name,
         QVariant(QVariantList{
             QStringLiteral("{broken"),
             QStringLiteral(
                 "{\"id\":\"0D6F6B6E-2B1A-4B8E-9C1D-7A5E3F2B1C00\",\"isEnabled\":true,"
                 "\"kind\":\"contains\",\"pattern\":\"Lunch\",\"locations\":[\"eventList\"]}"),
             QStringLiteral("{\"id\":\"0D6F6B6E-2B1A-4B8E-9C1D-7A5E3F2B1C01\",\"isEnabled\":true,"
                            "\"kind\":\"fuzzy\",\"pattern\":\"x\",\"locations\":[]}")}),
         QStringLiteral("[{\"id\":\"0D6F6B6E-2B1A-4B8E-9C1D-7A5E3F2B1C00\",\"isEnabled\":true,"
                        "\"kind\":\"contains\","
                        "\"locations\":[\"eventList\"],\"pattern\":\"Lunch\"}]")},
    };
    for (const Row& row : rows) {
        auto files = SettingsFiles::inMemory();
        files->standard().setObject(row.key, row.stored);
        const auto entry = findCatalogueEntry(row.key);
        ASSERT_TRUE(entry);
        EXPECT_EQ(jsonText(entry->readJson(files->defaults())), row.expectedJson)
            << row.key.toStdString();
        EXPECT_EQ(files->standard().storedObject(row.key), row.stored)
            << "repaired in place: " << row.key.toStdString();
    }
}

TEST(Defaults, WritingNothingToAnOptionalRemovesTheStoredObject) {
    auto files = SettingsFiles::inMemory();
    const Defaults& d = files->defaults();
    d.set(keys::menuBarTextSize, std::optional<double>(14.0));
    EXPECT_TRUE(files->standard().storedObject(keys::menuBarTextSize.name).isValid());
    d.set(keys::menuBarTextSize, std::optional<double>());
    EXPECT_FALSE(files->standard().storedObject(keys::menuBarTextSize.name).isValid());
    EXPECT_EQ(d.get(keys::menuBarTextSize), std::nullopt);
}

TEST(Defaults, ObservationDeliversTypedChangesWithInitialAndPrior) {
    auto files = SettingsFiles::inMemory();
    const Defaults& d = files->defaults();
    struct Call {
        int oldValue, newValue;
        bool isPrior;
        bool operator==(const Call&) const = default;
    };
    std::vector<Call> plain, initial, prior, both;
    auto record = [](std::vector<Call>& into) {
        return [&into](const KeyChange<int>& c) {
            into.push_back({c.oldValue, c.newValue, c.isPrior});
        };
    };
    auto s1 = d.observe(keys::calendarEventsDayCount, record(plain));
    auto s2 = d.observe(keys::calendarEventsDayCount, record(initial), {.initial = true});
    auto s3 = d.observe(keys::calendarEventsDayCount, record(prior), {.prior = true});
    auto s4 =
        d.observe(keys::calendarEventsDayCount, record(both), {.initial = true, .prior = true});
    d.set(keys::calendarEventsDayCount, 3);
    d.reset(keys::calendarEventsDayCount); // a missing object converts to the default
    d.set(keys::showAmPm, false);          // another key: nobody here is told
    EXPECT_EQ(plain, (std::vector<Call>{{7, 3, false}, {3, 7, false}}));
    EXPECT_EQ(initial, (std::vector<Call>{{7, 7, false}, {7, 3, false}, {3, 7, false}}));
    EXPECT_EQ(prior, (std::vector<Call>{{7, 3, true}, {7, 3, false}, {3, 7, true}, {3, 7, false}}));
    EXPECT_EQ(both, initial); // initial wins over prior
}

TEST(Defaults, CompositeObservationAndItsEnd) {
    auto files = SettingsFiles::inMemory();
    const Defaults& d = files->defaults();
    int calls = 0;
    auto sub =
        d.observe({keys::showAmPm, keys::sharedTimeZones, keys::appearance}, [&] { ++calls; });
    d.set(keys::showAmPm, false);
    d.set(keys::sharedTimeZones, TimeZoneList{});
    d.set(keys::largeText, true);
    EXPECT_EQ(calls, 2);
    auto* owner = new QObject;
    std::move(sub).tieTo(owner);
    d.set(keys::appearance, AppAppearance::dark);
    EXPECT_EQ(calls, 3);
    delete owner;
    d.set(keys::appearance, AppAppearance::light);
    EXPECT_EQ(calls, 3);
}

TEST(Defaults, SuppressedPropagationIsPerThread) {
    auto files = SettingsFiles::inMemory();
    const Defaults& d = files->defaults();
    std::vector<bool> seen;
    auto sub =
        d.observe(keys::showAmPm, [&](const KeyChange<bool>& c) { seen.push_back(c.newValue); });
    Defaults::withoutPropagation([&] {
        d.set(keys::showAmPm, false); // this thread's write: not reported
        std::thread other([&] { d.set(keys::showAmPm, true); }); // another thread's: reported
        other.join();
    });
    d.set(keys::showAmPm, false);
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
    EXPECT_FALSE(Suite::isPropagationSuppressed());
}
