// SPDX-License-Identifier: GPL-3.0-or-later
// Every command and verb reads its arguments the same way: --help prints the usage on standard
// output with status 0, a usage error prints "ruvo: ..." and a hint on standard error with 2.
#include "CommandFixture.h"
#include "cli/Commands.h"

using namespace ruvo;

namespace {

class CommandLine : public test::CommandFixture {
protected:
    // No services: a command that got past its arguments would fail with status 3.
    CommandLine() { services = {}; }
};

QString hint(const QString& commandLine) {
    return QStringLiteral("Try '%1 --help'.\n").arg(commandLine);
}

} // namespace

TEST_F(CommandLine, EveryFormHasHelpAndRefusesUnknownOptions) {
    struct Row {
        const cli::Command* command;
        QStringList verb; // empty for the command itself
    };
    std::vector<Row> rows;
    for (const cli::Command& command : cli::commands()) {
        rows.push_back({&command, {}});
        for (const cli::Form& form : command.forms)
            if (form.verb)
                rows.push_back({&command, {QString::fromLatin1(form.verb)}});
    }
    ASSERT_GE(rows.size(), 25u);
    for (const Row& row : rows) {
        const QString line = QStringLiteral("ruvo ") + row.command->name +
                             (row.verb.isEmpty() ? QString() : u' ' + row.verb.first());
        SCOPED_TRACE(qPrintable(line));
        EXPECT_EQ(run(*row.command, row.verb + QStringList{QStringLiteral("--help")}),
                  cli::kExitOk);
        EXPECT_TRUE(output.startsWith(QStringLiteral("usage: ") + line)) << qPrintable(output);
        EXPECT_TRUE(output.contains(QStringLiteral("-h, --help")));
        EXPECT_TRUE(errors.isEmpty());

        EXPECT_EQ(run(*row.command, row.verb + QStringList{QStringLiteral("--frob")}),
                  cli::kExitUsage);
        EXPECT_TRUE(output.isEmpty());
        EXPECT_TRUE(errors.startsWith(QStringLiteral("ruvo: ")) && errors.contains(u"frob") &&
                    errors.endsWith(hint(line)))
            << qPrintable(errors);
    }
}

// Each row: the command line, the form its hint names, and the problem it names.
TEST_F(CommandLine, UsageErrorsNameTheProblem) {
    const char* const rows[][3] = {
        {"events --from", "events", "Missing value after '--from'"},
        {"events tomorrow", "events", "unexpected \"tomorrow\""},
        {"events --from yesterday", "events", "not an ISO 8601 date or time: yesterday"},
        {"events --from 2026-12-09 --to 2026-12-08", "events", "--to is before --from"},
        {"calendars add", "calendars add", "give a folder, or --vdirsyncer"},
        {"import", "import", "missing FILE.ics"},
        {"timezones", "timezones", "missing an action: list, add"},
        {"timezones add", "timezones add", "missing QUERY-OR-ZONE-ID"},
        {"timezones add Paris Rome", "timezones add", "unexpected \"Rome\""},
        {"defaults write x", "defaults write", "missing KEY JSON"},
        {"defaults lists", "defaults", "unknown action \"lists\""},
        {"bar --waybar --i3bar", "bar", "--waybar or --i3bar"},
        {"agenda --date 2026-13-01", "agenda", "not a date (YYYY-MM-DD): 2026-13-01"},
        {"alerts --hours 0", "alerts", "not a whole number from 1 to 744: 0"},
        {"alerts --hours 2h", "alerts", "not a whole number from 1 to 744: 2h"},
        {"alerts --hours 745", "alerts", "not a whole number from 1 to 744: 745"},
        {"month 2026-13", "month", "not a month (YYYY-MM, month 01 to 12): 2026-13"},
        {"month 2026-1", "month", "not a month (YYYY-MM, month 01 to 12): 2026-1"},
    };
    for (const auto& [line, form, problem] : rows) {
        SCOPED_TRACE(line);
        QStringList arguments = words(line);
        const cli::Command* command = cli::findCommand(arguments.takeFirst());
        ASSERT_TRUE(command);
        EXPECT_EQ(run(*command, arguments), cli::kExitUsage);
        EXPECT_TRUE(errors.startsWith(QStringLiteral("ruvo: ")) &&
                    errors.contains(QString::fromUtf8(problem)) &&
                    errors.endsWith(hint(QStringLiteral("ruvo ") + QLatin1String(form))))
            << qPrintable(errors);
    }
}

TEST_F(CommandLine, OptionsAfterTheKeyOfAWriteAreItsValue) {
    // "defaults write KEY -5" writes -5 rather than refusing an option "-5"; the key does not
    // exist, so the command gets as far as looking it up.
    EXPECT_EQ(run(*cli::findCommand(QStringLiteral("defaults")), words("write noSuchKey -5")),
              cli::kExitUsage);
    EXPECT_TRUE(errors.contains(QStringLiteral("unknown key \"noSuchKey\""))) << qPrintable(errors);
}
