// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ExcludeCommand.h"

#include "events/exclusion/TitleMatcher.h"
#include "settings/Keys.h"

#include <QCoreApplication>
#include <QJsonDocument>

namespace ruvo::cli {

using namespace ruvo::exclusion;

namespace {

using M = settings::EventExcludeMatcher;
namespace keys = settings::keys;

QString locationsText(const std::set<M::Location>& locations) {
    QStringList names;
    for (M::Location l : locations)
        names << settings::caseName(l);
    return names.join(u',');
}

int list(cli::CommandContext& c, const Invocation& line) {
    const bool json = line.isSet("json");
    const settings::ExcludeMatcherList matchers =
        c.defaults.get(keys::fullscreenNotifications_excludeMatcher);
    if (json) {
        QJsonArray array;
        for (const M& m : matchers)
            array.append(settings::JsonCodec<M>::encode(m));
        c.out << QJsonDocument(array).toJson(QJsonDocument::Indented);
        return cli::kExitOk;
    }
    for (const M& m : matchers)
        c.out << settings::uuidText(m.id) << '\t' << (m.isEnabled ? "enabled" : "disabled") << '\t'
              << settings::caseName(m.kind) << '\t' << m.pattern << '\t'
              << locationsText(m.locations) << '\n';
    return cli::kExitOk;
}

// Reads the options of "add" into `m`; an error text on failure.
QString parseAdd(const Invocation& line, M& m) {
    m.isEnabled = !line.isSet("disabled");
    m.pattern = line.value("pattern");
    if (line.isSet("kind")) {
        const auto kind = settings::enumFromCaseName<M::Kind>(line.value("kind"));
        if (!kind)
            return QCoreApplication::translate("cli", "unknown kind \"%1\"")
                .arg(line.value("kind"));
        m.kind = *kind;
    }
    for (const QString& value : line.values("location")) {
        const auto location = settings::enumFromCaseName<M::Location>(value);
        if (!location)
            return QCoreApplication::translate("cli", "unknown location \"%1\"").arg(value);
        m.locations.insert(*location);
    }
    return line.isSet("pattern") ? QString()
                                 : QCoreApplication::translate("cli", "add needs --pattern");
}

int add(cli::CommandContext& c, const Invocation& line) {
    M m;
    m.id = QUuid::createUuid();
    if (const QString problem = parseAdd(line, m); !problem.isEmpty())
        return line.usageError(problem);
    if (m.kind == M::Kind::regex && regexError(m.pattern))
        return line.usageError(QCoreApplication::translate("cli", "Invalid Regex"));
    if (m.locations.empty())
        m.locations = M::allLocations();
    settings::ExcludeMatcherList matchers =
        c.defaults.get(keys::fullscreenNotifications_excludeMatcher);
    matchers.push_back(m);
    c.defaults.set(keys::fullscreenNotifications_excludeMatcher, matchers);
    c.out << settings::uuidText(m.id) << '\n';
    return cli::kExitOk;
}

int remove(cli::CommandContext& c, const Invocation& line) {
    const std::optional<QUuid> id = settings::uuidFromText(line.argument(0));
    if (!id)
        return line.usageError(
            QCoreApplication::translate("cli", "\"%1\" is not a matcher ID").arg(line.argument(0)));
    settings::ExcludeMatcherList matchers =
        c.defaults.get(keys::fullscreenNotifications_excludeMatcher);
    const auto removed = std::erase_if(matchers, [&](const M& m) { return m.id == *id; });
    if (removed == 0) {
        printError(
            c, QCoreApplication::translate("cli", "no matcher with ID %1").arg(line.argument(0)));
        return cli::kExitNothing;
    }
    c.defaults.set(keys::fullscreenNotifications_excludeMatcher, matchers);
    return cli::kExitOk;
}

} // namespace

cli::Command excludeCommand() {
    return {
        QStringLiteral("exclude"),
        QT_TRANSLATE_NOOP("cli", "list, add or remove the rules that hide events by title"),
        {{.verb = "list",
          .options = {{"json", QT_TRANSLATE_NOOP("cli", "print JSON")}},
          .run = &list},
         {.verb = "add",
          .options = {{"kind",
                       QT_TRANSLATE_NOOP("cli", "contains (the default), equals, startsWith, "
                                                "endsWith or regex"),
                       "KIND"},
                      {"pattern", QT_TRANSLATE_NOOP("cli", "the text to match titles with"),
                       "TEXT"},
                      {"location",
                       QT_TRANSLATE_NOOP("cli", "eventList, fullscreenNotifications, "
                                                "upcomingEventInMenuBar or "
                                                "systemNotifications"),
                       "PLACE", true},
                      {"disabled", QT_TRANSLATE_NOOP("cli", "add the rule switched off")}},
          .notes = QT_TRANSLATE_NOOP("cli", "Without --location a new matcher applies everywhere."),
          .run = &add},
         {.verb = "remove",
          .arguments = "ID",
          .minArguments = 1,
          .maxArguments = 1,
          .run = &remove}}};
}

} // namespace ruvo::cli
