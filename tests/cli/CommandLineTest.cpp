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

TEST_F(CommandLine, UsageErrorsNameTheProblem) {
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
        EXPECT_EQ(run(*cli::findCommand(QLatin1String(row.command)), row.arguments),
                  cli::kExitUsage);
        EXPECT_TRUE(errors.startsWith(QStringLiteral("ruvo: ")) &&
                    errors.contains(QString::fromUtf8(row.problem)) &&
                    errors.endsWith(hint(QString::fromUtf8(row.commandLine))))
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
