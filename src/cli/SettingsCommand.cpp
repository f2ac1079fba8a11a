// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/SettingsCommand.h"

#include "preferences/PaneDescription.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

namespace ruvo::cli {

namespace {

void printDescription(CommandContext& c, const QJsonObject& description) {
    for (const QJsonValue& pane : description[QLatin1String("panes")].toArray()) {
        c.out << pane[QLatin1String("id")].toString() << '\t'
              << pane[QLatin1String("title")].toString() << '\n';
        for (const QJsonValue& control : pane[QLatin1String("controls")].toArray()) {
            const QJsonValue key = control[QLatin1String("key")];
            c.out << "  "
                  << (key.isNull() ? control[QLatin1String("action")].toString() : key.toString())
                  << '\t' << control[QLatin1String("kind")].toString() << '\t'
                  << control[QLatin1String("label")].toString() << '\n';
        }
    }
}

int run(CommandContext& c, const Invocation& line) {
    if (line.isSet("describe")) {
        if (!line.arguments().isEmpty())
            return line.usageError(QCoreApplication::translate("cli", "--describe takes no pane"));
        const QJsonObject description = preferences::describe();
        if (line.isSet("json"))
            c.out << QJsonDocument(description).toJson(QJsonDocument::Indented);
        else
            printDescription(c, description);
        return kExitOk;
    }
    if (line.isSet("json"))
        return line.usageError(QCoreApplication::translate("cli", "--json needs --describe"));
    const QString pane = line.argument(0);
    if (!pane.isEmpty() && !preferences::findPane(pane))
        return line.usageError(
            QCoreApplication::translate("cli", "no pane \"%1\"; the panes are %2")
                .arg(pane, preferences::paneIds().join(QStringLiteral(", "))));
    if (!c.services.openSettings) {
        printError(c, QCoreApplication::translate("cli", "cannot reach the running Ruvo"));
        return kExitFailure;
    }
    if (auto opened = c.services.openSettings(pane); !opened) {
        printError(c, opened.error());
        return kExitFailure;
    }
    return kExitOk;
}

} // namespace

cli::Command settingsCommand() {
    return {QStringLiteral("settings"),
            QT_TRANSLATE_NOOP("cli", "open the settings window, or describe its panes"),
            {{.arguments = "[PANE]",
              .maxArguments = 1,
              .options = {{"describe", QT_TRANSLATE_NOOP("cli", "list the panes and controls")},
                          {"json", QT_TRANSLATE_NOOP("cli", "print the description as JSON")}},
              .notes = QT_TRANSLATE_NOOP(
                  "cli", "  PANE: general, panel, calendar, timezones, alerts, shortcuts or "
                         "advanced.\n  Starts Ruvo on that pane when it does not run yet."),
              .run = &run}}};
}

std::optional<QString> settingsPaneRequested(const QStringList& arguments) {
    if (arguments.isEmpty() || arguments.first() != QLatin1String("settings") ||
        arguments.size() > 2)
        return std::nullopt;
    const QString pane = arguments.value(1);
    if (!pane.isEmpty() && !preferences::findPane(pane))
        return std::nullopt; // the command explains what is wrong
    return pane;
}

} // namespace ruvo::cli
