// SPDX-License-Identifier: GPL-3.0-or-later
// What the first-run window lists and which commands it offers for the calendars found.
#include "onboarding/CalendarsFound.h"

#include <gtest/gtest.h>

using namespace ruvo;

namespace {

platform::FoundFolder folder(const char* origin, const char* path, int calendars, bool isAdded) {
    platform::FoundFolder f;
    f.origin = QString::fromLatin1(origin);
    f.path = QString::fromLatin1(path);
    for (int i = 0; i < calendars; ++i)
        f.calendars << f.path + QStringLiteral("/%1").arg(i);
    f.isAdded = isAdded;
    return f;
}

} // namespace

TEST(CalendarsFound, OffersACommandOnlyForWhatIsNotShownYet) {
    const struct {
        const char* name;
        bool hasEds;
        std::vector<platform::FoundFolder> folders;
        int lines;
        QStringList commands;
    } rows[] = {
        {"nothing at all", false, {}, 0, {}},
        {"online accounts only", true, {}, 1, {}},
        {"two vdirsyncer storages give one command",
         false,
         {folder("vdirsyncer", "/h/.cal/work", 2, false),
          folder("vdirsyncer", "/h/.cal/home", 1, false)},
         2,
         {QStringLiteral("ruvo calendars add --vdirsyncer")}},
        {"added folders and empty ones need nothing",
         true,
         {folder("vdirsyncer", "/h/.cal/work", 2, true), folder("khal", "/h/empty", 0, false)},
         3,
         {}},
        {"a khal folder is added by its path, quoted for the shell",
         false,
         {folder("khal", "/h/Kim's calendars", 1, false)},
         1,
         {QStringLiteral("ruvo calendars add '/h/Kim'\\''s calendars'")}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        platform::SetupDiscovery setup;
        setup.hasEdsRegistry = row.hasEds;
        setup.folders = row.folders;
        const auto found = onboarding::describeCalendarsFound(setup);
        EXPECT_EQ(found.lines.size(), row.lines);
        EXPECT_EQ(found.commands, row.commands);
    }
}
