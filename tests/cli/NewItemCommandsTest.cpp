// SPDX-License-Identifier: GPL-3.0-or-later
// ruvo new-event and new-reminder against the default vdir store of the fixture.
#include "cli/NewItemCommands.h"

#include "cli/CommandFixture.h"
#include "cli/EventsCommand.h"

#include <QDirIterator>

using namespace ruvo;

namespace {

class NewItemCommandsTest : public test::CommandFixture {
protected:
    QJsonObject created(const cli::Command& command, QStringList arguments) {
        arguments << QStringLiteral("--json");
        EXPECT_EQ(run(command, arguments), cli::kExitOk) << qPrintable(errors);
        return json().object();
    }

    // What the new items' files say, all of them.
    static QByteArray storedText() {
        QByteArray all;
        QDirIterator it(qEnvironmentVariable("XDG_DATA_HOME"), {QStringLiteral("*.ics")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            if (f.open(QIODevice::ReadOnly))
                all += f.readAll();
        }
        return all;
    }

    void SetUp() override {
        QDir(qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/ruvo")).removeRecursively();
    }
};

TEST_F(NewItemCommandsTest, ANewEventPrintsAsTheEventListPrintsIt) {
    const QJsonObject event =
        created(cli::newEventCommand(),
                words("--title Dentist --start 2026-12-09T15:00:00 --end 2026-12-09T15:45:00 "
                      "--alarm 900 --alarm 86400") +
                    QStringList{QStringLiteral("--location"), QStringLiteral("Main St 1")});
    ASSERT_EQ(run(cli::eventsCommand(), words("--json")), cli::kExitOk);
    const QJsonArray listed = json().array();
    ASSERT_EQ(listed.size(), 1);
    EXPECT_EQ(listed[0].toObject(), event);
    EXPECT_EQ(event[QLatin1String("start")].toString(),
              QStringLiteral("2026-12-09T15:00:00+01:00")); // the --time-zone's wall clock
    EXPECT_EQ(event[QLatin1String("location")].toString(), QStringLiteral("Main St 1"));
    const QByteArray text = storedText();
    EXPECT_EQ(text.count("BEGIN:VALARM"), 2);
    EXPECT_TRUE(text.contains("TRIGGER:-PT15M")) << text.constData();
    EXPECT_TRUE(text.contains("TRIGGER:-P1D")) << text.constData();
}

TEST_F(NewItemCommandsTest, RemindersWithAndWithoutADueDay) {
    struct Case {
        QStringList arguments;
        const char* start; // nullptr: no due date
        bool allDay;
    };
    const Case cases[] = {
        {{}, nullptr, false},
        {words("--due 2026-12-24"), "2026-12-24T00:00:00+01:00", true},
        {words("--due 2026-12-24T17:30:00Z"), "2026-12-24T18:30:00+01:00", false},
    };
    for (const Case& c : cases) {
        const QJsonObject reminder =
            created(cli::newReminderCommand(), words("--title Gifts --priority 1") + c.arguments);
        EXPECT_EQ(reminder[QLatin1String("kind")].toString(), QStringLiteral("reminder"));
        EXPECT_EQ(reminder[QLatin1String("calendar")].toString(), QStringLiteral("Reminders"));
        EXPECT_EQ(reminder.contains(QLatin1String("start")), c.start != nullptr);
        if (c.start) {
            EXPECT_EQ(reminder[QLatin1String("start")].toString(), QLatin1String(c.start));
        }
        EXPECT_EQ(reminder[QLatin1String("allDay")].toBool(), c.allDay);
    }
}

TEST_F(NewItemCommandsTest, BadArgumentsAreRefusedAndNothingIsWritten) {
    struct Case {
        const cli::Command command;
        const char* line;
        int status;
        const char* error;
    };
    const cli::Command event = cli::newEventCommand(), reminder = cli::newReminderCommand();
    const Case cases[] = {
        {event, "--start 2026-12-09T10:00:00 --all-day", cli::kExitUsage, "--title"},
        {event, "--title X --start 2026-12-09T10:00", cli::kExitUsage, "--end or --all-day"},
        {event, "--title X --start 2026-12-09 --end 2026-12-10", cli::kExitUsage, "--start"},
        {event, "--title X --start 2026-12-09T10:00 --end 2026-12-09T09:00", cli::kExitFailure,
         "ends before it starts"},
        {event, "--title X --start 2026-12-09 --all-day --alarm soon", cli::kExitUsage, "--alarm"},
        {event, "--title X --start 2026-12-09 --all-day --calendar nowhere", cli::kExitFailure,
         "no calendar"},
        {reminder, "--title X --priority 10", cli::kExitUsage, "--priority"},
        {reminder, "--title X --due 24.12.2026", cli::kExitUsage, "--due"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(run(c.command, words(c.line)), c.status);
        EXPECT_TRUE(errors.contains(QLatin1String(c.error))) << qPrintable(errors);
    }
    EXPECT_FALSE(storedText().contains("UID:")) << storedText().constData();
}

} // namespace
