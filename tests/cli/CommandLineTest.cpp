// SPDX-License-Identifier: GPL-3.0-or-later
// Every command and verb reads its arguments the same way: --help prints the usage on standard
// output with status 0, a usage error prints "ruvo: ..." and a hint on standard error with 2.
#include "cli/Commands.h"
#include "settings/Suite.h"

#include <gtest/gtest.h>

using namespace ruvo;

namespace {

struct CommandRun {
    int status = -1;
    QString out;
    QString err;
};

CommandRun run(const cli::Command& command, const QStringList& arguments) {
    settings::Suite standard(QStringLiteral("standard"));
    settings::Suite shared(QStringLiteral("shared"));
    settings::Defaults defaults(standard, shared);
    kit::FixedClock clock(kit::Instant{});
    CommandRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    // No services: a command that got past its arguments would fail with status 3.
    cli::CommandContext context{defaults, clock, {}, {}, out, err, {}};
    run.status = command.run(context, arguments);
    out.flush();
    err.flush();
    return run;
}

QString hint(const QString& commandLine) {
    return QStringLiteral("Try '%1 --help'.\n").arg(commandLine);
}

} // namespace

TEST(CommandLine, EveryFormHasHelpAndRefusesUnknownOptions) {
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
        const CommandRun help = run(*row.command, row.verb + QStringList{QStringLiteral("--help")});
        EXPECT_EQ(help.status, cli::kExitOk);
        EXPECT_TRUE(help.out.startsWith(QStringLiteral("usage: ") + line)) << qPrintable(help.out);
        EXPECT_TRUE(help.out.contains(QStringLiteral("-h, --help")));
        EXPECT_TRUE(help.err.isEmpty());

        const CommandRun bad = run(*row.command, row.verb + QStringList{QStringLiteral("--frob")});
        EXPECT_EQ(bad.status, cli::kExitUsage);
        EXPECT_TRUE(bad.out.isEmpty());
        EXPECT_TRUE(bad.err.startsWith(QStringLiteral("ruvo: ")) && bad.err.contains(u"frob") &&
                    bad.err.endsWith(hint(line)))
            << qPrintable(bad.err);
    }
}

TEST(CommandLine, UsageErrorsNameTheProblem) {
    struct Row {
        const char* command;
        QStringList arguments;
        const char* problem;
        const char* commandLine;
    };
    const auto s = [](const char* text) { return QString::fromUtf8(text); };
    const Row rows[] = {
        {"events", {s("--from")}, "Missing value after '--from'", "ruvo events"},
        {"events", {s("tomorrow")}, "unexpected \"tomorrow\"", "ruvo events"},
        {"timezones", {}, "missing an action: list, add", "ruvo timezones"},
        {"timezones", {s("add")}, "missing QUERY-OR-ZONE-ID", "ruvo timezones add"},
        {"timezones",
         {s("add"), s("Paris"), s("Rome")},
         "unexpected \"Rome\"",
         "ruvo timezones add"},
        {"defaults", {s("write"), s("x")}, "missing KEY JSON", "ruvo defaults write"},
        {"defaults", {s("lists")}, "unknown action \"lists\"", "ruvo defaults"},
        {"bar", {s("--waybar"), s("--i3bar")}, "--waybar or --i3bar", "ruvo bar"},
        {"menubar-text", {s("now")}, "unexpected \"now\"", "ruvo menubar-text"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(qPrintable(row.arguments.join(u' ')));
        const CommandRun bad = run(*cli::findCommand(QLatin1String(row.command)), row.arguments);
        EXPECT_EQ(bad.status, cli::kExitUsage);
        EXPECT_TRUE(bad.err.startsWith(QStringLiteral("ruvo: ")) &&
                    bad.err.contains(QString::fromUtf8(row.problem)) &&
                    bad.err.endsWith(hint(QString::fromUtf8(row.commandLine))))
            << qPrintable(bad.err);
    }
}

TEST(CommandLine, OptionsAfterTheKeyOfAWriteAreItsValue) {
    // "defaults write KEY -5" writes -5 rather than refusing an option "-5"; the key does not
    // exist, so the command gets as far as looking it up.
    const CommandRun write =
        run(*cli::findCommand(QStringLiteral("defaults")),
            {QStringLiteral("write"), QStringLiteral("noSuchKey"), QStringLiteral("-5")});
    EXPECT_EQ(write.status, cli::kExitUsage);
    EXPECT_TRUE(write.err.contains(QStringLiteral("unknown key \"noSuchKey\"")))
        << qPrintable(write.err);
}
