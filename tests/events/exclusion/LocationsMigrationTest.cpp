// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/exclusion/LocationsMigration.h"

#include "../videocalls/QtPrinters.h"
#include "MemoryDefaults.h"
#include "settings/Keys.h"
#include "settings/Suite.h"

#include <gtest/gtest.h>

using namespace ruvo;
using namespace ruvo::exclusion;
using L = settings::EventExcludeMatcher::Location;

TEST(LocationsMigration, ConvertsTheIntegerFormAndLeavesEverythingElse) {
    test::MemoryDefaults memory;
    settings::Suite& standard = memory.standard;
    const settings::Defaults& defaults = memory.defaults;
    const auto& key = settings::keys::fullscreenNotifications_excludeMatcher;
    const QString legacy = QStringLiteral(
        R"({"id":"6F9619FF-8B86-D011-B42D-00C04FC964FF","isEnabled":true,"kind":"contains","pattern":"lunch","locations":[0,3]})");
    const QString current = QStringLiteral(
        R"({"id":"7F9619FF-8B86-D011-B42D-00C04FC964FF","isEnabled":false,"kind":"equals","pattern":"x","locations":["upcomingEventInMenuBar"]})");
    const QString badLegacy =
        QStringLiteral(R"({"id":"8F9619FF-8B86-D011-B42D-00C04FC964FF","locations":[7]})");
    standard.setObject(key.name, QVariantList{legacy, current, badLegacy, 42});
    EXPECT_EQ(defaults.get(key).size(), 1u); // before: only the current document reads

    EXPECT_EQ(convertStoredExcludeMatchers(defaults), 1);
    const settings::ExcludeMatcherList after = defaults.get(key);
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(after[0].pattern, QStringLiteral("lunch"));
    EXPECT_EQ(after[0].locations, (std::set<L>{L::eventList, L::systemNotifications}));
    EXPECT_EQ(after[1].locations, (std::set<L>{L::upcomingEventInMenuBar}));
    const QVariantList stored = standard.storedObject(key.name).toList();
    EXPECT_EQ(stored.value(2).toString(), badLegacy); // nothing is lost
    EXPECT_EQ(stored.value(3).toInt(), 42);
    EXPECT_EQ(convertStoredExcludeMatchers(defaults), 0); // a second run changes nothing
}
