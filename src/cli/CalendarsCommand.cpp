// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandStore.h"
#include "cli/EventsCommand.h"
#include "cli/Verbs.h"
#include "settings/Keys.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace ruvo::cli {

namespace {

using cli::CommandContext;
using platform::EntityType;
namespace keys = settings::keys;

const char* const kCalendarsUsage =
    "usage: ruvo calendars [--json]\n"
    "       ruvo calendars add PATH [--email ADDRESS]... [--read-only]\n"
    "       ruvo calendars remove ID\n";
const char* const kImportUsage = "usage: ruvo import FILE.ics [--calendar ID]\n";

int usage(CommandContext& context, const char* text, const QString& problem = {}) {
    if (!problem.isEmpty())
        context.err << "ruvo: " << problem << "\n";
    context.err << text;
    return cli::kExitUsage;
}

int fail(CommandContext& context, const QString& problem) {
    context.err << "ruvo: " << problem << "\n";
    return cli::kExitFailure;
}

int list(CommandContext& context, bool asJson) {
    auto store = openCommandStore(context);
    if (!store)
        return cli::kExitFailure;
    QJsonArray array;
    for (EntityType kind : {EntityType::event, EntityType::reminder}) {
        for (const auto& c : store->calendars(kind)) {
            if (!asJson) {
                context.out << c.identifier << "  " << kindName(kind).leftJustified(9) << "  "
                            << c.colour << "  " << c.title << "  " << c.source << "\n";
                continue;
            }
            array.append(QJsonObject{{QStringLiteral("identifier"), c.identifier},
                                     {QStringLiteral("title"), c.title},
                                     {QStringLiteral("colour"), c.colour},
                                     {QStringLiteral("kind"), kindName(kind)},
                                     {QStringLiteral("folder"), c.source}});
        }
    }
    if (asJson)
        context.out << QJsonDocument(array).toJson(QJsonDocument::Indented);
    return cli::kExitOk;
}

// The new calendars of a folder are enabled at once: the user asked for them.
void enable(const settings::Defaults& defaults, const platform::CalendarStore& store,
            const QString& folder) {
    auto calendars = defaults.get(keys::enabledCalendars);
    auto lists = defaults.get(keys::enabledRemindersLists);
    for (EntityType kind : {EntityType::event, EntityType::reminder})
        for (const auto& c : store.calendars(kind))
            if (c.source == folder || c.source.startsWith(folder + QLatin1Char('/')))
                (kind == EntityType::event ? calendars : lists).insert(c.identifier);
    defaults.set(keys::enabledCalendars, calendars);
    defaults.set(keys::enabledRemindersLists, lists);
}

std::unique_ptr<platform::CalendarSources> openSources(CommandContext& context) {
    if (!context.services.openCalendarSources) {
        context.err << "ruvo: no calendar sources in this build\n";
        return nullptr;
    }
    return context.services.openCalendarSources(context);
}

int add(CommandContext& context, const QStringList& arguments) {
    QString path;
    QStringList emails;
    bool isReadOnly = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--email") && i + 1 < arguments.size())
            emails << arguments[++i];
        else if (arguments[i] == QLatin1String("--read-only"))
            isReadOnly = true;
        else if (path.isEmpty() && !arguments[i].startsWith(QLatin1String("--")))
            path = arguments[i];
        else
            return usage(context, kCalendarsUsage,
                         QStringLiteral("unexpected %1").arg(arguments[i]));
    }
    if (path.isEmpty())
        return usage(context, kCalendarsUsage, QStringLiteral("a folder is needed"));
    const QString folder = QFileInfo(path).absoluteFilePath();
    if (!QFileInfo(folder).isDir())
        return usage(context, kCalendarsUsage, QStringLiteral("%1 is not a folder").arg(path));
    auto sources = openSources(context);
    if (!sources)
        return cli::kExitFailure;
    if (auto added = sources->add({folder, emails, isReadOnly}); !added)
        return usage(context, kCalendarsUsage, added.error());
    auto store = openCommandStore(context);
    if (!store)
        return cli::kExitFailure;
    enable(context.defaults, *store, folder);
    context.out << "Added " << folder << "\n";
    return cli::kExitOk;
}

int remove(CommandContext& context, const QString& id) {
    auto store = openCommandStore(context);
    auto sources = store ? openSources(context) : nullptr;
    if (!sources)
        return cli::kExitFailure;
    const auto calendar = store->calendarWithIdentifier(id);
    const QString folder = calendar ? calendar->source : QFileInfo(id).absoluteFilePath();
    auto removed = sources->remove(folder);
    if (!removed)
        return fail(context, removed.error());
    if (!*removed) {
        context.err << "ruvo: " << id << " is not an added calendar folder"
                    << (calendar ? " (the default calendars cannot be removed)" : "") << "\n";
        return cli::kExitUsage;
    }
    context.out << "Removed " << folder << " (its files are kept)\n";
    return cli::kExitOk;
}

int runCalendars(CommandContext& context, const QStringList& arguments) {
    if (arguments.isEmpty() || arguments == QStringList{QStringLiteral("--json")})
        return list(context, !arguments.isEmpty());
    const auto removeOne = [](CommandContext& c, const QStringList& rest) {
        return rest.size() == 1 ? remove(c, rest[0]) : usage(c, kCalendarsUsage);
    };
    if (auto status = cli::runVerb(context, arguments, {{"add", add}, {"remove", removeOne}}))
        return *status;
    return usage(context, kCalendarsUsage);
}

// "Imported 2 events and 1 reminder from FILE (1 replaced an older version, 1 skipped)"
QString importSummary(const platform::ImportReport& r, const QString& file) {
    const auto tr = [](const char* text) {
        return QCoreApplication::translate("ruvo::import", text);
    };
    const QString eventCount =
        r.events == 1 ? tr("1 event") : tr("%1 events").arg(QString::number(r.events));
    const QString reminderCount =
        r.reminders == 1 ? tr("1 reminder") : tr("%1 reminders").arg(QString::number(r.reminders));
    QString text = tr("Imported %1 and %2 from %3").arg(eventCount, reminderCount, file);
    QStringList details;
    if (r.replaced > 0)
        details << (r.replaced == 1 ? tr("1 replaced an older version")
                                    : tr("%1 replaced older versions").arg(r.replaced));
    const auto failed = std::count_if(r.notes.begin(), r.notes.end(),
                                      [](const platform::ImportNote& n) { return n.isError; });
    if (const auto skipped = qsizetype(r.notes.size()) - failed; skipped > 0)
        details << tr("%1 skipped").arg(skipped);
    if (failed > 0)
        details << tr("%1 failed").arg(failed);
    if (!details.isEmpty())
        text += QStringLiteral(" (") + details.join(QStringLiteral(", ")) + QLatin1Char(')');
    return text;
}

int runImport(CommandContext& context, const QStringList& arguments) {
    QString file, calendar;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--calendar") && i + 1 < arguments.size())
            calendar = arguments[++i];
        else if (file.isEmpty() && !arguments[i].startsWith(QLatin1String("--")))
            file = arguments[i];
        else
            return usage(context, kImportUsage, QStringLiteral("unexpected %1").arg(arguments[i]));
    }
    if (file.isEmpty())
        return usage(context, kImportUsage);
    auto store = openCommandStore(context);
    if (!store)
        return cli::kExitFailure;
    if (!calendar.isEmpty() && !store->calendarWithIdentifier(calendar))
        return usage(context, kImportUsage, QStringLiteral("no calendar %1").arg(calendar));
    auto counts = store->importFile(file, calendar);
    if (!counts)
        return fail(context, counts.error());
    context.out << importSummary(*counts, file) << "\n";
    for (const auto& note : counts->notes)
        (note.isError ? context.err : context.out) << note.text << "\n";
    if (counts->hasErrors())
        return cli::kExitFailure;
    return counts->events + counts->reminders > 0 ? cli::kExitOk : cli::kExitNothing;
}

} // namespace

cli::Command calendarsCommand() {
    return {QStringLiteral("calendars"), QStringLiteral("list, add and remove calendar folders"),
            QString::fromLatin1(kCalendarsUsage), &runCalendars};
}

cli::Command importCommand() {
    return {QStringLiteral("import"), QStringLiteral("copy an iCalendar file into a calendar"),
            QString::fromLatin1(kImportUsage), &runImport};
}

} // namespace ruvo::cli
