// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ExcludeCommand.h"

#include "CommandFixture.h"
#include "events/videocalls/QtPrinters.h"
#include "settings/Keys.h"

using namespace ruvo;
using L = settings::EventExcludeMatcher::Location;

namespace {

class ExcludeCommand : public test::CommandFixture {
protected:
    int run(const char* line) { return CommandFixture::run(cli::excludeCommand(), words(line)); }
};

} // namespace

TEST_F(ExcludeCommand, AddsListsAndRemovesMatchers) {
    EXPECT_EQ(run("add --kind regex --pattern ^Timeslot --location eventList "
                  "--location systemNotifications"),
              0);
    const QString id = output.trimmed();
    EXPECT_EQ(run("add --pattern lunch --disabled"), 0);
    const auto matchers = defaults.get(settings::keys::fullscreenNotifications_excludeMatcher);
    ASSERT_EQ(matchers.size(), 2u);
    EXPECT_EQ(matchers[0].locations, (std::set<L>{L::eventList, L::systemNotifications}));
    EXPECT_EQ(matchers[1].locations, settings::EventExcludeMatcher::allLocations());
    EXPECT_FALSE(matchers[1].isEnabled);

    EXPECT_EQ(run("list"), 0);
    EXPECT_TRUE(output.startsWith(
        id + QStringLiteral("\tenabled\tregex\t^Timeslot\teventList,systemNotifications\n")));
    EXPECT_EQ(run("list --json"), 0);
    EXPECT_TRUE(output.contains(QStringLiteral("\"pattern\": \"lunch\"")));

    EXPECT_EQ(CommandFixture::run(cli::excludeCommand(), {QStringLiteral("remove"), id}), 0);
    EXPECT_EQ(defaults.get(settings::keys::fullscreenNotifications_excludeMatcher).size(), 1u);
    EXPECT_EQ(CommandFixture::run(cli::excludeCommand(), {QStringLiteral("remove"), id}), 1);
}

TEST_F(ExcludeCommand, RefusesBadInput) {
    struct Row {
        const char* line;
        const char* error;
    };
    const Row rows[] = {
        {"add --kind regex --pattern ([a", "Invalid Regex"},
        {"add --kind fuzzy --pattern x", "unknown kind"},
        {"add --pattern x --location dock", "unknown location"},
        {"add --kind equals", "needs --pattern"},
        {"remove not-an-id", "not a matcher ID"},
        {"shout", "unknown action"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(run(row.line), 2) << row.line;
        EXPECT_TRUE(errors.contains(QString::fromUtf8(row.error))) << qPrintable(errors);
    }
    EXPECT_TRUE(defaults.get(settings::keys::fullscreenNotifications_excludeMatcher).empty());
}
