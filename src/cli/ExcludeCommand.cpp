// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ExcludeCommand.h"

#include "cli/Verbs.h"
#include "events/exclusion/TitleMatcher.h"
#include "settings/Keys.h"

#include <QJsonDocument>

namespace ruvo::cli {

using namespace ruvo::exclusion;

namespace {

using M = settings::EventExcludeMatcher;
namespace keys = settings::keys;

const char kUsage[] =
    "usage: ruvo exclude list [--json]\n"
    "       ruvo exclude add --kind equals|contains|startsWith|endsWith|regex --pattern TEXT\n"
    "                        [--location eventList|fullscreenNotifications|"
    "upcomingEventInMenuBar|systemNotifications]... [--disabled]\n"
    "       ruvo exclude remove ID\n"
    "Without --location a new matcher applies everywhere.";

int usage(cli::CommandContext& c, const QString& problem) {
    c.err << "ruvo exclude: " << problem << "\n" << kUsage << "\n";
    return cli::kExitUsage;
}

QString locationsText(const std::set<M::Location>& locations) {
    QStringList names;
    for (M::Location l : locations)
        names << settings::caseName(l);
    return names.join(u',');
}

int list(cli::CommandContext& c, const QStringList& args) {
    const bool json = args.contains(QStringLiteral("--json"));
    if (args.size() > (json ? 1 : 0))
        return usage(c, QStringLiteral("list takes only --json"));
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

// Reads "--kind K --pattern P --location L... --disabled" into `m`; an error text on failure.
QString parseAdd(const QStringList& args, M& m) {
    bool hasPattern = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& option = args[i];
        if (option == QLatin1String("--disabled")) {
            m.isEnabled = false;
            continue;
        }
        if (i + 1 >= args.size())
            return QStringLiteral("%1 needs a value").arg(option);
        const QString value = args[++i];
        if (option == QLatin1String("--kind")) {
            const auto kind = settings::enumFromCaseName<M::Kind>(value);
            if (!kind)
                return QStringLiteral("unknown kind \"%1\"").arg(value);
            m.kind = *kind;
        } else if (option == QLatin1String("--pattern")) {
            m.pattern = value;
            hasPattern = true;
        } else if (option == QLatin1String("--location")) {
            const auto location = settings::enumFromCaseName<M::Location>(value);
            if (!location)
                return QStringLiteral("unknown location \"%1\"").arg(value);
            m.locations.insert(*location);
        } else {
            return QStringLiteral("unknown option %1").arg(option);
        }
    }
    return hasPattern ? QString() : QStringLiteral("add needs --pattern");
}

int add(cli::CommandContext& c, const QStringList& args) {
    M m;
    m.id = QUuid::createUuid();
    if (const QString problem = parseAdd(args, m); !problem.isEmpty())
        return usage(c, problem);
    if (m.kind == M::Kind::regex && regexError(m.pattern)) {
        c.err << "ruvo exclude: Invalid Regex\n";
        return cli::kExitUsage;
    }
    if (m.locations.empty())
        m.locations = M::allLocations();
    settings::ExcludeMatcherList matchers =
        c.defaults.get(keys::fullscreenNotifications_excludeMatcher);
    matchers.push_back(m);
    c.defaults.set(keys::fullscreenNotifications_excludeMatcher, matchers);
    c.out << settings::uuidText(m.id) << '\n';
    return cli::kExitOk;
}

int remove(cli::CommandContext& c, const QStringList& args) {
    if (args.size() != 1)
        return usage(c, QStringLiteral("remove takes one matcher ID"));
    const std::optional<QUuid> id = settings::uuidFromText(args[0]);
    if (!id)
        return usage(c, QStringLiteral("\"%1\" is not a matcher ID").arg(args[0]));
    settings::ExcludeMatcherList matchers =
        c.defaults.get(keys::fullscreenNotifications_excludeMatcher);
    const auto removed = std::erase_if(matchers, [&](const M& m) { return m.id == *id; });
    if (removed == 0) {
        c.err << "ruvo exclude: no matcher with ID " << args[0] << "\n";
        return cli::kExitNothing;
    }
    c.defaults.set(keys::fullscreenNotifications_excludeMatcher, matchers);
    return cli::kExitOk;
}

int run(cli::CommandContext& c, const QStringList& arguments) {
    if (arguments.isEmpty())
        return usage(c, QStringLiteral("missing list, add or remove"));
    if (auto status =
            cli::runVerb(c, arguments, {{"list", list}, {"add", add}, {"remove", remove}}))
        return *status;
    return usage(c, QStringLiteral("unknown action \"%1\"").arg(arguments.first()));
}

} // namespace

cli::Command excludeCommand() {
    return cli::Command{QStringLiteral("exclude"),
                        QStringLiteral("list, add or remove the rules that hide events by title"),
                        QString::fromUtf8(kUsage), run};
}

} // namespace ruvo::cli
