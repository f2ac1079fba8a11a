// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandLine.h"

#include <QCoreApplication>

namespace ruvo::cli {

namespace {

QString commandLineOf(const Command& command, const Form& form) {
    QString line = QStringLiteral("ruvo ") + command.name;
    if (form.verb)
        line += QLatin1Char(' ') + QLatin1String(form.verb);
    return line;
}

// "ruvo calendars add PATH [--email ADDRESS]... [--read-only]"
QString synopsis(const Command& command, const Form& form) {
    QString line = commandLineOf(command, form);
    if (*form.arguments)
        line += QLatin1Char(' ') + QLatin1String(form.arguments);
    for (const Option& option : form.options) {
        line += QStringLiteral(" [--") + QLatin1String(option.name);
        if (option.valueName)
            line += QLatin1Char(' ') + QLatin1String(option.valueName);
        line += option.isRepeatable ? QStringLiteral("]...") : QStringLiteral("]");
    }
    return line;
}

QString usageLines(const Command& command, const std::vector<const Form*>& forms) {
    const QString lead = QCoreApplication::translate("cli", "usage:") + QLatin1Char(' ');
    QString text;
    for (const Form* form : forms)
        text += (text.isEmpty() ? lead : QString(lead.size(), QLatin1Char(' '))) +
                synopsis(command, *form) + QLatin1Char('\n');
    return text;
}

// "Options:" and a line for each option and for --help, the descriptions in one column.
QString optionLines(const Form* form) {
    std::vector<std::pair<QString, QString>> rows;
    if (form)
        for (const Option& option : form->options)
            rows.emplace_back(QStringLiteral("--") + QLatin1String(option.name) +
                                  (option.valueName
                                       ? QLatin1Char(' ') + QLatin1String(option.valueName)
                                       : QString()),
                              translated(option.description));
    rows.emplace_back(QStringLiteral("-h, --help"),
                      QCoreApplication::translate("cli", "show this help"));
    qsizetype width = 0;
    for (const auto& row : rows)
        width = std::max(width, row.first.size());
    QString text = QCoreApplication::translate("cli", "Options:") + QLatin1Char('\n');
    for (const auto& [names, description] : rows)
        text +=
            QStringLiteral("  ") + names.leftJustified(width + 2) + description + QLatin1Char('\n');
    return text;
}

QString notesOf(const Form* form) {
    return form && form->notes ? translated(form->notes) + QLatin1Char('\n') : QString();
}

QString verbHelp(const Command& command, const Form& form) {
    return usageLines(command, {&form}) + notesOf(&form) + QLatin1Char('\n') + optionLines(&form);
}

int runForm(const Command& command, const Form& form, CommandContext& context,
            const QStringList& arguments) {
    const QString commandLine = commandLineOf(command, form);
    QCommandLineParser parser;
    if (form.hasOptionsBeforeArguments)
        parser.setOptionsAfterPositionalArgumentsMode(
            QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOption(help);
    for (const Option& option : form.options)
        parser.addOption(QCommandLineOption(QString::fromLatin1(option.name), QString(),
                                            QString::fromLatin1(option.valueName)));
    const bool isParsed = parser.parse(QStringList{commandLine} + arguments);
    if (parser.isSet(help)) {
        context.out << (form.verb ? verbHelp(command, form) : command.help());
        return kExitOk;
    }
    if (!isParsed)
        return usageError(context, commandLine, parser.errorText());
    const QStringList positional = parser.positionalArguments();
    if (positional.size() < form.minArguments)
        return usageError(
            context, commandLine,
            QCoreApplication::translate("cli", "missing %1").arg(QLatin1String(form.arguments)));
    if (form.maxArguments >= 0 && positional.size() > form.maxArguments)
        return usageError(context, commandLine,
                          QCoreApplication::translate("cli", "unexpected \"%1\"")
                              .arg(positional[form.maxArguments]));
    return form.run(context, Invocation(context, parser, commandLine));
}

// A command of verbs only, called without a known verb.
int refuseVerb(const Command& command, CommandContext& context, const QStringList& arguments) {
    const QString commandLine = QStringLiteral("ruvo ") + command.name;
    if (arguments.value(0) == QLatin1String("--help") ||
        arguments.value(0) == QLatin1String("-h")) {
        context.out << command.help();
        return kExitOk;
    }
    QStringList verbs;
    for (const Form& form : command.forms)
        verbs << QLatin1String(form.verb);
    if (arguments.isEmpty())
        return usageError(context, commandLine,
                          QCoreApplication::translate("cli", "missing an action: %1")
                              .arg(verbs.join(QStringLiteral(", "))));
    return usageError(
        context, commandLine,
        QCoreApplication::translate("cli", "unknown action \"%1\"").arg(arguments.first()));
}

} // namespace

int Command::run(CommandContext& context, const QStringList& arguments) const {
    const Form* own = nullptr;
    for (const Form& form : forms) {
        if (!form.verb)
            own = &form;
        else if (!arguments.isEmpty() && arguments.first() == QLatin1String(form.verb))
            return runForm(*this, form, context, arguments.mid(1));
    }
    return own ? runForm(*this, *own, context, arguments) : refuseVerb(*this, context, arguments);
}

QString Command::help() const {
    std::vector<const Form*> all;
    const Form* own = nullptr;
    bool hasVerbs = false;
    for (const Form& form : forms) {
        all.push_back(&form);
        own = form.verb ? own : &form;
        hasVerbs = hasVerbs || form.verb;
    }
    QString text = usageLines(*this, all) + translated(summary) + QLatin1Char('\n') + notesOf(own) +
                   QLatin1Char('\n') + optionLines(own);
    if (hasVerbs)
        text +=
            QLatin1Char('\n') +
            QCoreApplication::translate("cli", "'ruvo %1 VERB --help' shows the options of a verb.")
                .arg(name) +
            QLatin1Char('\n');
    return text;
}

Invocation::Invocation(CommandContext& context, const QCommandLineParser& parser,
                       QString commandLine)
    : m_context(context), m_parser(parser), m_commandLine(std::move(commandLine)) {}

bool Invocation::isSet(const char* option) const {
    return m_parser.isSet(QLatin1String(option));
}

QString Invocation::value(const char* option) const {
    return m_parser.value(QLatin1String(option));
}

QStringList Invocation::values(const char* option) const {
    return m_parser.values(QLatin1String(option));
}

QStringList Invocation::arguments() const {
    return m_parser.positionalArguments();
}

QString Invocation::argument(qsizetype index) const {
    return m_parser.positionalArguments().value(index);
}

int Invocation::usageError(const QString& problem) const {
    return cli::usageError(m_context, m_commandLine, problem);
}

void printError(CommandContext& context, const QString& problem) {
    context.err << "ruvo: " << problem << "\n";
}

int usageError(CommandContext& context, const QString& commandLine, const QString& problem) {
    printError(context, problem);
    context.err << QCoreApplication::translate("cli", "Try '%1 --help'.").arg(commandLine) << "\n";
    return kExitUsage;
}

QString translated(const char* text) {
    return QCoreApplication::translate("cli", text);
}

} // namespace ruvo::cli
