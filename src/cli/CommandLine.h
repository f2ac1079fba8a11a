// SPDX-License-Identifier: GPL-3.0-or-later
// How every command reads its arguments. A command declares its forms as data: the command
// itself ("ruvo events [--json]") and its verbs ("ruvo timezones add QUERY"), each with its
// options and positional arguments. QCommandLineParser reads them; errors and help go through
// the context's streams: "ruvo: PROBLEM" and "Try 'ruvo NAME --help'." on standard error with
// exit status 2, the usage on standard output with 0 for --help. Texts in the tables are
// marked with QT_TRANSLATE_NOOP("cli", ...) and translated when shown.
#pragma once

#include "cli/CommandContext.h"

#include <QCommandLineParser>
#include <vector>

namespace ruvo::cli {

struct Option {
    const char* name;                // the long name without dashes: "json"
    const char* description;         // one line for --help
    const char* valueName = nullptr; // "ISO8601" for an option that takes a value
    bool isRepeatable = false;       // shown as "[--email ADDRESS]..."
};

class Invocation;

// One way to call a command.
struct Form {
    const char* verb = nullptr; // nullptr: the command without a verb
    const char* arguments = ""; // the positional arguments as the usage shows them
    int minArguments = 0;
    int maxArguments = 0;
    std::vector<Option> options{};
    const char* notes = nullptr;            // lines shown under the usage by --help
    bool hasOptionsBeforeArguments = false; // later arguments are values even if they start with -
    int (*run)(CommandContext& context, const Invocation& invocation) = nullptr;
};

// One command: "ruvo NAME ...".
struct Command {
    QString name;
    const char* summary; // one line for "ruvo help"
    std::vector<Form> forms;

    // Runs the form the arguments after the name choose.
    int run(CommandContext& context, const QStringList& arguments) const;
    // The text of "ruvo NAME --help".
    QString help() const;
};

// A form's parsed arguments, and the way to refuse them.
class Invocation {
public:
    Invocation(CommandContext& context, const QCommandLineParser& parser, QString commandLine);

    bool isSet(const char* option) const;
    QString value(const char* option) const; // the last one given
    QStringList values(const char* option) const;
    QStringList arguments() const; // the positional arguments
    QString argument(qsizetype index) const;

    // Prints "ruvo: PROBLEM" and the hint to --help; returns kExitUsage.
    int usageError(const QString& problem) const;

private:
    CommandContext& m_context;
    const QCommandLineParser& m_parser;
    QString m_commandLine; // "ruvo timezones add"
};

// "ruvo: PROBLEM" on standard error, for failures that are not usage errors.
void printError(CommandContext& context, const QString& problem);

// "ruvo: PROBLEM" and "Try 'COMMANDLINE --help'."; returns kExitUsage.
int usageError(CommandContext& context, const QString& commandLine, const QString& problem);

// A text of a command table in the user's language.
QString translated(const char* text);

} // namespace ruvo::cli
