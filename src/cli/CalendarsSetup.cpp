// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CalendarsSetup.h"

#include "cli/CommandStore.h"
#include "settings/Keys.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace ruvo::cli {

namespace {

using platform::EntityType;
namespace keys = settings::keys;

bool isWithin(const QString& path, const QString& folder) {
    return !folder.isEmpty() && (path == folder || path.startsWith(folder + QLatin1Char('/')));
}

QJsonObject jsonOf(const platform::FoundFolder& f) {
    return {{QStringLiteral("origin"), f.origin},
            {QStringLiteral("name"), f.name},
            {QStringLiteral("path"), f.path},
            {QStringLiteral("calendars"), QJsonArray::fromStringList(f.calendars)},
            {QStringLiteral("added"), f.isAdded},
            {QStringLiteral("readOnly"), f.isReadOnly}};
}

void printText(CommandContext& context, const platform::SetupDiscovery& d) {
    context.out << (d.hasEdsRegistry
                        ? QCoreApplication::translate(
                              "cli", "Evolution Data Server: found; its calendars are read "
                                     "without setting anything up")
                        : QCoreApplication::translate("cli", "Evolution Data Server: not found"))
                << "\n";
    for (const auto& f : d.folders) {
        //: %1: vdirsyncer or khal, %2: the name in its configuration, %3: a folder.
        context.out
            << QCoreApplication::translate("cli", "%1 “%2”: %3").arg(f.origin, f.name, f.path)
            << "  "
            << QCoreApplication::translate("cli", "%n calendar(s)", nullptr,
                                           int(f.calendars.size()))
            << "  "
            << (f.isAdded ? QCoreApplication::translate("cli", "added")
                          : QCoreApplication::translate("cli", "not added"))
            << "\n";
    }
    if (d.folders.empty())
        context.out << QCoreApplication::translate("cli",
                                                   "No vdirsyncer or khal calendar folders found")
                    << "\n";
}

} // namespace

void enableCalendarsIn(const settings::Defaults& defaults, const platform::CalendarStore& store,
                       const QString& folder) {
    auto calendars = defaults.get(keys::enabledCalendars);
    auto lists = defaults.get(keys::enabledRemindersLists);
    for (EntityType kind : {EntityType::event, EntityType::reminder})
        for (const auto& c : store.calendars(kind))
            if (isWithin(c.source, folder))
                (kind == EntityType::event ? calendars : lists).insert(c.identifier);
    defaults.set(keys::enabledCalendars, calendars);
    defaults.set(keys::enabledRemindersLists, lists);
}

std::optional<platform::SetupDiscovery> discoverSetup(CommandContext& context) {
    if (!context.services.discoverSetup)
        return std::nullopt;
    return context.services.discoverSetup(context);
}

QString calendarOrigin(const platform::Calendar& calendar,
                       const std::optional<platform::SetupDiscovery>& discovery) {
    if (calendar.backend == QLatin1String("eds"))
        return QStringLiteral("eds");
    if (!discovery)
        return QStringLiteral("added");
    if (isWithin(calendar.source, discovery->builtInFolder))
        return QStringLiteral("built-in");
    const QString origin = discovery->originOf(calendar.source);
    return origin.isEmpty() ? QStringLiteral("added") : origin;
}

QString originText(const QString& origin) {
    if (origin == QLatin1String("eds"))
        return QCoreApplication::translate("cli", "EDS account");
    if (origin == QLatin1String("built-in"))
        return QCoreApplication::translate("cli", "built in");
    if (origin == QLatin1String("added"))
        return QCoreApplication::translate("cli", "added by hand");
    //: %1: vdirsyncer or khal.
    return QCoreApplication::translate("cli", "from %1").arg(origin);
}

int runDiscover(CommandContext& context, const Invocation& line) {
    const auto d = discoverSetup(context);
    if (!d) {
        printError(context,
                   QCoreApplication::translate("cli", "no calendar discovery in this build"));
        return kExitFailure;
    }
    if (line.isSet("json")) {
        QJsonArray folders;
        for (const auto& f : d->folders)
            folders.append(jsonOf(f));
        const QJsonObject o{
            {QStringLiteral("eds"), d->hasEdsRegistry},
            {QStringLiteral("folders"), folders},
            {QStringLiteral("configFiles"), QJsonArray::fromStringList(d->configFiles)},
            {QStringLiteral("problems"), QJsonArray::fromStringList(d->problems)}};
        context.out << QJsonDocument(o).toJson(QJsonDocument::Indented);
    } else {
        printText(context, *d);
        for (const QString& p : d->problems)
            context.err << p << "\n";
    }
    return d->hasEdsRegistry || !d->folders.empty() ? kExitOk : kExitNothing;
}

int addVdirsyncerFolders(CommandContext& context, const Invocation& line) {
    const auto d = discoverSetup(context);
    auto sources = context.services.openCalendarSources
                       ? context.services.openCalendarSources(context)
                       : nullptr;
    if (!d || !sources) {
        printError(context,
                   QCoreApplication::translate("cli", "no calendar discovery in this build"));
        return kExitFailure;
    }
    for (const QString& p : d->problems)
        context.err << p << "\n";
    QStringList added;
    for (const auto& f : d->folders) {
        if (f.origin != QLatin1String("vdirsyncer"))
            continue;
        if (f.isAdded) {
            context.out
                << QCoreApplication::translate("cli", "Skipped %1 (already added)").arg(f.path)
                << "\n";
        } else if (f.calendars.isEmpty()) {
            context.out << QCoreApplication::translate(
                               "cli", "Skipped %1 (no calendars in it yet: run vdirsyncer sync)")
                               .arg(f.path)
                        << "\n";
        } else if (auto done =
                       sources->add({f.path, line.values("email"), line.isSet("read-only")});
                   !done) {
            context.err
                << QCoreApplication::translate("cli", "Skipped %1: %2").arg(f.path, done.error())
                << "\n";
        } else {
            added << f.path;
            context.out << QCoreApplication::translate("cli", "Added %1").arg(f.path) << "\n";
        }
    }
    if (added.isEmpty()) {
        if (std::none_of(d->folders.begin(), d->folders.end(),
                         [](const auto& f) { return f.origin == QLatin1String("vdirsyncer"); }))
            context.out << QCoreApplication::translate(
                               "cli",
                               "No vdirsyncer configuration with a \"filesystem\" storage found")
                        << "\n";
        return kExitNothing;
    }
    auto store = openCommandStore(context);
    if (!store)
        return kExitFailure;
    for (const QString& folder : added)
        enableCalendarsIn(context.defaults, *store, folder);
    return kExitOk;
}

} // namespace ruvo::cli
