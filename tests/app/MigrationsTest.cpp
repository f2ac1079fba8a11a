// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Migrations.h"

#include "TestSupport.h"
#include "settings/Keys.h"
#include "settings/RunOnce.h"
#include "settings/SettingsFiles.h"

#include <gtest/gtest.h>

using namespace ruvo;
namespace keys = settings::keys;

namespace {
const app::MigrationConverters kConverters{
    .excludeMatchersLocations = [](const settings::Defaults&) {}};
}

TEST(Migrations, FirstLaunchAndUpdatedInstallationsGetTheirValues) {
    struct Row {
        const char* name;
        bool isFirstLaunch;
        std::optional<QString> storedSound; // in the current (plain) or the older form
        bool expectShowTimeZones, expectChime, expectNaturalScrolling;
        std::optional<QString> expectSound;
    };
    const std::optional<QString> none;
    const Row rows[] = {
        {"fresh installation", true, none, false, false, true, none},
        {"update without a chime sound", false, none, true, false, false, none},
        {"update with a plain sound name", false, QStringLiteral("gong"), true, true, false,
         QStringLiteral("gong")},
        {"update with an older system sound", false, QStringLiteral(R"({"system":{"_0":"glass"}})"),
         true, true, false, QStringLiteral("Glass")},
        {"update with an older app sound", false, QStringLiteral(R"({"app":{"_0":"cuckoo"}})"),
         true, true, false, QStringLiteral("cuckoo")},
        {"update with an unknown older sound", false,
         QStringLiteral(R"({"system":{"_0":"kazoo"}})"), true, true, false,
         QStringLiteral(R"({"system":{"_0":"kazoo"}})")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto files = settings::SettingsFiles::inMemory();
        const settings::Defaults& d = files->defaults();
        d.set(keys::hourlyChimeSound, row.storedSound);
        int notified = 0;
        auto sub = d.observe({keys::hourlyChime_isEnabled, keys::menu_eventDetails_showTimeZones},
                             [&] { ++notified; });
        app::runMigrations(d, row.isFirstLaunch, kConverters);
        EXPECT_EQ(notified, 0); // migrations write with propagation suppressed
        EXPECT_EQ(d.get(keys::menu_eventDetails_showTimeZones), row.expectShowTimeZones);
        EXPECT_EQ(d.get(keys::hourlyChime_isEnabled), row.expectChime);
        EXPECT_EQ(d.get(keys::_respectNaturalScrolling), row.expectNaturalScrolling);
        EXPECT_EQ(d.get(keys::hourlyChimeSound), row.expectSound);
        // Values pinned explicitly, so later default changes do not move them.
        EXPECT_TRUE(files->standard().storedObject(keys::_respectNaturalScrolling.name).isValid());
        EXPECT_EQ(
            files->standard().storedObject(keys::menu_positionedBelowMenuBarItem.name).isValid(),
            row.isFirstLaunch);
        for (const QString& marker : app::migrationMarkers())
            EXPECT_TRUE(d.get(settings::runOnceKey(marker))) << marker.toStdString();
    }
}

TEST(Migrations, EachRunsOnceAndTheExclusionOneWaitsForItsConverter) {
    auto files = settings::SettingsFiles::inMemory();
    const settings::Defaults& d = files->defaults();
    app::runMigrations(d, false, {});
    EXPECT_FALSE(
        d.get(settings::runOnceKey(QStringLiteral("migrate_excludeEventsScreen_locationsEnum"))));
    d.set(keys::menu_eventDetails_showTimeZones, false); // the user turns it off afterwards
    int converted = 0;
    app::runMigrations(
        d, false, {.excludeMatchersLocations = [&](const settings::Defaults&) { ++converted; }});
    app::runMigrations(
        d, false, {.excludeMatchersLocations = [&](const settings::Defaults&) { ++converted; }});
    EXPECT_EQ(converted, 1);
    EXPECT_FALSE(d.get(keys::menu_eventDetails_showTimeZones)); // not applied again
}
