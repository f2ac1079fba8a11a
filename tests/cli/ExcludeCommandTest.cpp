// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ExcludeCommand.h"

#include "events/videocalls/QtPrinters.h"
#include "settings/Keys.h"
#include "settings/Suite.h"

#include <gtest/gtest.h>

using namespace ruvo;
using L = settings::EventExcludeMatcher::Location;

namespace {

struct Session {
    settings::Suite standard{QStringLiteral("standard")};
    settings::Suite shared{QStringLiteral("shared")};
    settings::Defaults defaults{standard, shared};
    kit::FixedClock clock{kit::Instant{}};
    QString out, err;

    int run(const QString& line) {
        out.clear();
        err.clear();
        QTextStream o(&out), e(&err);
        cli::CommandContext context{defaults, clock, {}, {}, o, e, {}};
        const int status = cli::excludeCommand().run(context, line.split(u' ', Qt::SkipEmptyParts));
        o.flush();
        e.flush();
        return status;
    }
};

} // namespace

TEST(ExcludeCommand, AddsListsAndRemovesMatchers) {
    Session s;
    EXPECT_EQ(s.run(QStringLiteral("add --kind regex --pattern ^Timeslot --location eventList "
                                   "--location systemNotifications")),
              0);
    const QString id = s.out.trimmed();
    EXPECT_EQ(s.run(QStringLiteral("add --pattern lunch --disabled")), 0);
    const auto matchers = s.defaults.get(settings::keys::fullscreenNotifications_excludeMatcher);
    ASSERT_EQ(matchers.size(), 2u);
    EXPECT_EQ(matchers[0].locations, (std::set<L>{L::eventList, L::systemNotifications}));
    EXPECT_EQ(matchers[1].locations, settings::EventExcludeMatcher::allLocations());
    EXPECT_FALSE(matchers[1].isEnabled);

    EXPECT_EQ(s.run(QStringLiteral("list")), 0);
    EXPECT_TRUE(s.out.startsWith(
        id + QStringLiteral("\tenabled\tregex\t^Timeslot\teventList,systemNotifications\n")));
    EXPECT_EQ(s.run(QStringLiteral("list --json")), 0);
    EXPECT_TRUE(s.out.contains(QStringLiteral("\"pattern\": \"lunch\"")));

    EXPECT_EQ(s.run(QStringLiteral("remove ") + id), 0);
    EXPECT_EQ(s.defaults.get(settings::keys::fullscreenNotifications_excludeMatcher).size(), 1u);
    EXPECT_EQ(s.run(QStringLiteral("remove ") + id), 1);
}

TEST(ExcludeCommand, RefusesBadInput) {
    Session s;
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
        EXPECT_EQ(s.run(QString::fromUtf8(row.line)), 2) << row.line;
        EXPECT_TRUE(s.err.contains(QString::fromUtf8(row.error))) << qPrintable(s.err);
    }
    EXPECT_TRUE(s.defaults.get(settings::keys::fullscreenNotifications_excludeMatcher).empty());
}
