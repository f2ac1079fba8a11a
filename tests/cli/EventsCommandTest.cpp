// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar commands against the fixture folder tests/data/calendars/team.
#include "cli/EventsCommand.h"

#include "cli/CommandFixture.h"
#include "platform/linux/VdirSnapshot.h"
#include "platform/linux/VdirSources.h"
#include "settings/Keys.h"

using namespace ruvo;
using ruvo::test::at;

namespace {

class CommandTest : public test::CommandFixture {
protected:
    QJsonArray eventsJson(const QStringList& arguments) {
        EXPECT_EQ(run(cli::eventsCommand(), arguments + words("--json")), cli::kExitOk)
            << qPrintable(errors);
        return json().array();
    }

    const QString team = test::dataPath(QStringLiteral("calendars/team"));
};

} // namespace

TEST_F(CommandTest, AFolderAddedReadOnlyStaysReadOnly) {
    for (bool isReadOnly : {true, false}) {
        QStringList arguments{QStringLiteral("add"), team};
        if (isReadOnly)
            arguments << QStringLiteral("--read-only");
        ASSERT_EQ(run(cli::calendarsCommand(), arguments), cli::kExitOk) << qPrintable(errors);
        const auto sources =
            platform::vdir::readSources(platform::vdir::sourcesFilePath(config.path()));
        ASSERT_TRUE(sources);
        ASSERT_EQ(sources->size(), 1u); // adding again replaces the entry
        EXPECT_EQ(sources->front().isReadOnly, isReadOnly);
    }
}

TEST_F(CommandTest, AddedFoldersAreListedAndTheirEventsPrintedInQueryOrder) {
    ASSERT_EQ(run(cli::calendarsCommand(), {QStringLiteral("add"), team}), cli::kExitOk)
        << qPrintable(errors);
    ASSERT_EQ(run(cli::calendarsCommand(), words("--json")), cli::kExitOk);
    const QJsonArray calendars = json().array();
    QStringList titles;
    for (const auto& c : calendars)
        titles << c[QLatin1String("title")].toString() + QLatin1Char('/') +
                      c[QLatin1String("kind")].toString();
    EXPECT_EQ(titles, (QStringList{QStringLiteral("Calendar/events"), QStringLiteral("Team/events"),
                                   QStringLiteral("Reminders/reminders")}));
    EXPECT_EQ(calendars[1][QLatin1String("colour")].toString(), QStringLiteral("#8E44ADFF"));

    // Today (8 December, Berlin) and the next six days.
    QStringList rows;
    for (const auto& e : eventsJson({})) {
        const auto o = e.toObject();
        rows << o[QLatin1String("start")].toString() + QLatin1Char(' ') +
                    o[QLatin1String("title")].toString() +
                    (o[QLatin1String("allDay")].toBool() ? QStringLiteral(" (all day)")
                                                         : QString());
    }
    EXPECT_EQ(rows, (QStringList{QStringLiteral("2026-12-08T00:00:00+01:00 Offsite (all day)"),
                                 QStringLiteral("2026-12-11T11:00:00+01:00 Standup (late)"),
                                 QStringLiteral("2026-12-14T09:30:00+01:00 Standup")}));
    const auto moved = eventsJson({})[1].toObject();
    EXPECT_EQ(moved[QLatin1String("occurrenceDate")].toString(),
              QStringLiteral("2026-12-11T09:30:00+01:00"));
    EXPECT_EQ(moved[QLatin1String("uid")].toString(), QStringLiteral("standup@team"));
    EXPECT_EQ(moved[QLatin1String("kind")].toString(), QStringLiteral("event"));
    EXPECT_EQ(moved[QLatin1String("calendar")].toString(), QStringLiteral("Team"));

    EXPECT_EQ(eventsJson(words("--from 2026-12-02 --to 2026-12-03T00:00:00+01:00")).size(), 1);
}

// Refusals that need the calendars to decide; the rest are CommandLine's table.
TEST_F(CommandTest, MissingFoldersCalendarsAndFilesAreRefused) {
    const struct {
        cli::Command command;
        const char* line;
        int status;
    } rows[] = {
        {cli::calendarsCommand(), "add /no/such/folder", cli::kExitUsage},
        {cli::calendarsCommand(), "remove unknown", cli::kExitUsage},
        {cli::importCommand(), "/no/such.ics", cli::kExitFailure},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(run(row.command, words(row.line)), row.status);
        EXPECT_FALSE(errors.isEmpty());
    }
}

TEST_F(CommandTest, ImportedItemsShowUpAndRemovedFoldersDisappear) {
    QTemporaryDir folder;
    const QString id =
        addCalendarFolder(folder.path(), {{QStringLiteral("displayname"), "Imported\n"}});
    ASSERT_EQ(run(cli::importCommand(),
                  {team + QStringLiteral("/offsite.ics"), QStringLiteral("--calendar"), id}),
              cli::kExitOk)
        << qPrintable(errors);
    EXPECT_EQ(eventsJson({}).size(), 1);
    ASSERT_EQ(run(cli::calendarsCommand(), {QStringLiteral("remove"), id}), cli::kExitOk);
    // The removal left the commands' snapshot without the folder.
    namespace vdir = platform::vdir;
    const auto snapshot = vdir::VdirSnapshot::open(vdir::snapshotFileFor(vdir::defaultCacheFile()));
    ASSERT_TRUE(snapshot);
    for (const auto& f : snapshot->folders())
        EXPECT_NE(f.folder, folder.path());
    EXPECT_EQ(eventsJson({}).size(), 0);
}
