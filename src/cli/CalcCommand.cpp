// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CalcCommand.h"

#include "calculators/CalculatorText.h"
#include "calculators/DateCalculator.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace ruvo::cli {

namespace {

namespace calc = calculators;

// A duration may start with "-", so the forms read every argument as a value; "--json" is
// then picked out of them here, wherever it stands.
struct CalcArguments {
    QStringList values;
    bool isJson = false;
};

CalcArguments calcArguments(const Invocation& invocation) {
    CalcArguments parsed;
    parsed.isJson = invocation.isSet("json");
    for (const QString& argument : invocation.arguments()) {
        if (argument == QLatin1String("--json"))
            parsed.isJson = true;
        else
            parsed.values << argument;
    }
    return parsed;
}

void printJson(CommandContext& context, const QJsonObject& object) {
    context.out << QJsonDocument(object).toJson(QJsonDocument::Indented);
}

int runBetween(CommandContext& context, const Invocation& invocation) {
    const CalcArguments arguments = calcArguments(invocation);
    if (arguments.values.size() != 2)
        return invocation.usageError(translated(QT_TRANSLATE_NOOP("cli", "two dates are needed")));
    const auto first = calc::parseDate(arguments.values[0]);
    const auto second = calc::parseDate(arguments.values[1]);
    if (!first || !second)
        return invocation.usageError(!first ? first.error() : second.error());
    const calc::DateInterval interval = calc::between(*first, *second);
    if (arguments.isJson) {
        printJson(context, {{QStringLiteral("days"), interval.days},
                            {QStringLiteral("weeks"), interval.weeks},
                            {QStringLiteral("months"), interval.months},
                            {QStringLiteral("workingDays"), interval.workingDays}});
        return kExitOk;
    }
    for (const QString& line : calc::intervalLines(interval, context.environment.icuLocale()))
        context.out << line << Qt::endl;
    return kExitOk;
}

int runAdd(CommandContext& context, const Invocation& invocation) {
    const CalcArguments arguments = calcArguments(invocation);
    if (arguments.values.size() != 2)
        return invocation.usageError(
            translated(QT_TRANSLATE_NOOP("cli", "a date and a duration are needed")));
    const auto date = calc::parseDate(arguments.values[0]);
    if (!date)
        return invocation.usageError(date.error());
    const auto duration = calc::parseDuration(arguments.values[1]);
    if (!duration)
        return invocation.usageError(duration.error());
    const auto result = calc::add(*date, *duration);
    if (!result) {
        printError(context, result.error());
        return kExitFailure;
    }
    const QString iso = result->toString(Qt::ISODate);
    if (arguments.isJson)
        printJson(context, {{QStringLiteral("date"), iso}});
    else
        context.out << calc::fullDateText(*result, context.environment.icuLocale()) << " (" << iso
                    << ")" << Qt::endl;
    return kExitOk;
}

} // namespace

cli::Command calcCommand() {
    const Option json{"json", QT_TRANSLATE_NOOP("cli", "print the result as JSON")};
    return {QStringLiteral("calc"),
            QT_TRANSLATE_NOOP("cli", "count the days between two dates, or move a date"),
            {{.verb = "between",
              .arguments = "DATE DATE",
              .minArguments = 2,
              .maxArguments = 3,
              .options = {json},
              .notes = QT_TRANSLATE_NOOP(
                  "cli", "  dates as YYYY-MM-DD; working days are Monday to Friday from the\n"
                         "  first date up to the day before the second"),
              .hasOptionsBeforeArguments = true,
              .run = &runBetween},
             {.verb = "add",
              .arguments = "DATE DURATION",
              .minArguments = 2,
              .maxArguments = 3,
              .options = {json},
              .notes = QT_TRANSLATE_NOOP(
                  "cli", "  DURATION in ISO 8601: P1Y, P1M, P2W, P10D, -P2W3D; a month from the\n"
                         "  31st ends on the month's last day"),
              .hasOptionsBeforeArguments = true,
              .run = &runAdd}}};
}

} // namespace ruvo::cli
