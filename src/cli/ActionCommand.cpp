// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ActionCommand.h"

#include "automation/LocalActions.h"
#include "cli/LocalJoin.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace ruvo::cli {

using automation::ActionError;
using automation::Switch;

namespace {

// The running program's actions, else this process's own on the settings.
std::unique_ptr<automation::Actions> actionsFor(CommandContext& c) {
    if (c.services.openRunningActions)
        if (auto running = c.services.openRunningActions())
            return running;
    automation::LocalActions::Services services{[&c] { return joinNextCall(c); },
                                                [&c] { return c.environment; }};
    return std::make_unique<automation::LocalActions>(
        c.defaults, c.clock, automation::SoundFiles(automation::defaultSoundFolder()),
        std::move(services));
}

int failure(CommandContext& c, const ActionError& error) {
    printError(c, error.message);
    const bool isBadValue = error.name == automation::errors::kUnknownTimeZone ||
                            error.name == automation::errors::kUnknownSound;
    return isBadValue ? kExitUsage : kExitFailure;
}

void printJson(CommandContext& c, const QJsonValue& value) {
    if (value.isArray())
        c.out << QJsonDocument(value.toArray()).toJson(QJsonDocument::Indented);
    else if (value.isObject())
        c.out << QJsonDocument(value.toObject()).toJson(QJsonDocument::Indented);
    else // a bare value: QJsonDocument only holds arrays and objects
        c.out << (value.toBool() ? "true" : "false") << '\n';
}

int joinVideoCall(CommandContext& c, const Invocation&) {
    const auto joined = actionsFor(c)->joinVideoCall();
    if (!joined)
        return failure(c, joined.error());
    printJson(c, QJsonValue(*joined));
    return *joined ? kExitOk : kExitNothing;
}

void printEntity(CommandContext& c, const automation::TimeZoneEntity& e) {
    c.out << e.id << '\t' << e.name << '\t' << e.timeZoneIdentifier << '\t' << e.abbreviation
          << '\t' << e.localTime << '\n';
}

int getTimeZones(CommandContext& c, const Invocation& line) {
    const auto entities = actionsFor(c)->timeZones();
    if (!entities)
        return failure(c, entities.error());
    QJsonArray array;
    for (const automation::TimeZoneEntity& e : *entities) {
        if (line.isSet("json"))
            array.append(automation::toJson(e));
        else
            printEntity(c, e);
    }
    if (line.isSet("json"))
        printJson(c, array);
    return kExitOk;
}

int getTimeZone(CommandContext& c, const Invocation& line) {
    const auto entity = actionsFor(c)->timeZone(line.argument(0));
    if (!entity)
        return failure(c, entity.error());
    if (line.isSet("json"))
        printJson(c, automation::toJson(*entity));
    else
        printEntity(c, *entity);
    return kExitOk;
}

int getSwitch(CommandContext& c, const Invocation& line, Switch which) {
    const auto isOn = actionsFor(c)->isEnabled(which);
    if (!isOn)
        return failure(c, isOn.error());
    if (line.isSet("json"))
        printJson(c, QJsonValue(*isOn));
    else
        c.out << (*isOn ? "on" : "off") << '\n';
    return kExitOk;
}

int setSwitch(CommandContext& c, const Invocation& line, Switch which) {
    const QString state = line.argument(0);
    const bool shouldToggle = state == QLatin1String("toggle");
    if (!shouldToggle && state != QLatin1String("on") && state != QLatin1String("off"))
        return line.usageError(
            QCoreApplication::translate("cli", "\"%1\" is not on, off or toggle").arg(state));
    if (auto error = actionsFor(c)->setEnabled(which, shouldToggle, state == QLatin1String("on")))
        return failure(c, *error);
    return kExitOk;
}

int getHourlyChime(CommandContext& c, const Invocation& line) {
    return getSwitch(c, line, Switch::hourlyChime);
}
int setHourlyChime(CommandContext& c, const Invocation& line) {
    return setSwitch(c, line, Switch::hourlyChime);
}
int getFullscreen(CommandContext& c, const Invocation& line) {
    return getSwitch(c, line, Switch::fullscreenNotifications);
}
int setFullscreen(CommandContext& c, const Invocation& line) {
    return setSwitch(c, line, Switch::fullscreenNotifications);
}

// Copies the sound to the file the user named; without one, prints where it is.
int getSound(CommandContext& c, const Invocation& line) {
    const auto path = actionsFor(c)->soundFile(line.argument(0));
    if (!path)
        return failure(c, path.error());
    if (!line.isSet("output")) {
        c.out << *path << '\n';
        return kExitOk;
    }
    QFile source(*path);
    QSaveFile target(line.value("output"));
    if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly) ||
        target.write(source.readAll()) != source.size() || !target.commit()) {
        printError(c, QCoreApplication::translate("cli", "cannot write \"%1\": %2")
                          .arg(line.value("output"), target.errorString()));
        return kExitFailure;
    }
    return kExitOk;
}

int listShortcuts(CommandContext& c, const Invocation& line) {
    const auto runner = c.services.openShortcutRunner ? c.services.openShortcutRunner() : nullptr;
    const auto shortcuts = runner ? runner->shortcuts() : std::vector<platform::UserShortcut>{};
    QJsonArray array;
    for (const platform::UserShortcut& s : shortcuts) {
        const QString id = s.id.toString(QUuid::WithoutBraces).toUpper();
        if (line.isSet("json"))
            array.append(QJsonObject{{QStringLiteral("name"), s.name}, {QStringLiteral("id"), id}});
        else
            c.out << s.name << " (" << id << ")\n";
    }
    if (line.isSet("json"))
        printJson(c, array);
    return kExitOk;
}

} // namespace

cli::Command actionCommand() {
    const Option json{"json", QT_TRANSLATE_NOOP("cli", "print JSON")};
    const char* const onOff = "on|off|toggle";
    return {QStringLiteral("action"),
            QT_TRANSLATE_NOOP("cli", "join a call, read zones, switch the chime and alerts, "
                                     "get a sound"),
            {{.verb = "join-video-call",
              .options = {json},
              .notes = QT_TRANSLATE_NOOP("cli", "  (prints whether a call was joined; exit "
                                                "status 1 when there is none)"),
              .run = &joinVideoCall},
             {.verb = "get-time-zones", .options = {json}, .run = &getTimeZones},
             {.verb = "get-time-zone",
              .arguments = "ENTRY-ID",
              .minArguments = 1,
              .maxArguments = 1,
              .options = {json},
              .run = &getTimeZone},
             {.verb = "get-hourly-chime", .options = {json}, .run = &getHourlyChime},
             {.verb = "set-hourly-chime",
              .arguments = onOff,
              .minArguments = 1,
              .maxArguments = 1,
              .run = &setHourlyChime},
             {.verb = "get-fullscreen", .options = {json}, .run = &getFullscreen},
             {.verb = "set-fullscreen",
              .arguments = onOff,
              .minArguments = 1,
              .maxArguments = 1,
              .run = &setFullscreen},
             {.verb = "get-sound",
              .arguments = "NAME",
              .minArguments = 1,
              .maxArguments = 1,
              .options = {{"output", QT_TRANSLATE_NOOP("cli", "copy the sound to FILE"), "FILE"}},
              .notes = QT_TRANSLATE_NOOP("cli", "  (a WAV file; without --output prints the "
                                                "path of Ruvo's copy)"),
              .run = &getSound},
             {.verb = "list-shortcuts",
              .options = {json},
              .notes = QT_TRANSLATE_NOOP("cli", "  (the executable files in "
                                                "~/.config/ruvo/shortcuts, with the id that "
                                                "runShortcut_joinVideoCall stores)"),
              .run = &listShortcuts}}};
}

} // namespace ruvo::cli
