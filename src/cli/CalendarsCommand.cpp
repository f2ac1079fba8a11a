// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CalendarsSetup.h"
#include "cli/CommandStore.h"
#include "cli/EventsCommand.h"
#include "cli/ImportSummary.h"
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

int fail(CommandContext& context, const QString& problem) {
    printError(context, problem);
    return cli::kExitFailure;
}

int list(CommandContext& context, bool asJson) {
    auto store = openCommandStore(context);
    if (!store)
        return cli::kExitFailure;
    const auto discovery = discoverSetup(context);
    QJsonArray array;
    for (EntityType kind : {EntityType::event, EntityType::reminder}) {
        for (const auto& c : store->calendars(kind)) {
            const bool isFolder = c.backend.isEmpty() || c.backend == QLatin1String("vdir");
            const QString origin = calendarOrigin(c, discovery);
            if (!asJson) {
                // The folder (or account) last: scripts take it from the end of the line.
                context.out << c.identifier << "  " << kindName(kind).leftJustified(9) << "  "
                            << c.colour << "  " << c.title << "  (" << originText(origin) << ")  "
                            << (c.backend.isEmpty() ? c.source
                                                    : c.backend + QStringLiteral(": ") + c.source)
                            << "\n";
                continue;
            }
            QJsonObject object{{QStringLiteral("identifier"), c.identifier},
                               {QStringLiteral("title"), c.title},
                               {QStringLiteral("colour"), c.colour},
                               {QStringLiteral("kind"), kindName(kind)},
                               {QStringLiteral("backend"),
                                c.backend.isEmpty() ? QStringLiteral("vdir") : c.backend},
                               {QStringLiteral("writable"), c.isWritable},
                               {QStringLiteral("origin"), origin}};
            // A vdir calendar lives in a folder, an EDS one in an account.
            object.insert(isFolder ? QStringLiteral("folder") : QStringLiteral("account"),
                          c.source);
            array.append(object);
        }
    }
    if (asJson)
        context.out << QJsonDocument(array).toJson(QJsonDocument::Indented);
    return cli::kExitOk;
}

std::unique_ptr<platform::CalendarSources> openSources(CommandContext& context) {
    if (!context.services.openCalendarSources) {
        printError(context,
                   QCoreApplication::translate("cli", "no calendar sources in this build"));
        return nullptr;
    }
    return context.services.openCalendarSources(context);
}

int add(CommandContext& context, const Invocation& line) {
    if (line.isSet("vdirsyncer"))
        return line.arguments().isEmpty() ? addVdirsyncerFolders(context, line)
                                          : line.usageError(QCoreApplication::translate(
                                                "cli", "give a folder or --vdirsyncer, not both"));
    if (line.arguments().isEmpty())
        return line.usageError(
            QCoreApplication::translate("cli", "give a folder, or --vdirsyncer"));
    const QString path = line.argument(0);
    const QStringList emails = line.values("email");
    const bool isReadOnly = line.isSet("read-only");
    const QString folder = QFileInfo(path).absoluteFilePath();
    if (!QFileInfo(folder).isDir())
        return line.usageError(QCoreApplication::translate("cli", "%1 is not a folder").arg(path));
    auto sources = openSources(context);
    if (!sources)
        return cli::kExitFailure;
    if (auto added = sources->add({folder, emails, isReadOnly}); !added)
        return line.usageError(added.error());
    auto store = openCommandStore(context);
    if (!store)
        return cli::kExitFailure;
    enableCalendarsIn(context.defaults, *store, folder);
    context.out << QCoreApplication::translate("cli", "Added %1").arg(folder) << "\n";
    return cli::kExitOk;
}

int remove(CommandContext& context, const Invocation& line) {
    const QString id = line.argument(0);
    auto store = openCommandStore(context);
    auto sources = store ? openSources(context) : nullptr;
    if (!sources)
        return cli::kExitFailure;
    const auto calendar = store->calendarWithIdentifier(id);
    const QString folder = calendar ? calendar->source : QFileInfo(id).absoluteFilePath();
    auto removed = sources->remove(folder);
    if (!removed)
        return fail(context, removed.error());
    if (!*removed)
        return line.usageError(
            calendar
                ? QCoreApplication::translate("cli", "%1 is not an added calendar folder "
                                                     "(the default calendars cannot be "
                                                     "removed)")
                      .arg(id)
                : QCoreApplication::translate("cli", "%1 is not an added calendar folder").arg(id));
    // Opened again without the folder, the store leaves the calendars' snapshot current, so
    // that the next command answers from it at once.
    store.reset();
    (void)openCommandStore(context);
    context.out << QCoreApplication::translate("cli", "Removed %1 (its files are kept)").arg(folder)
                << "\n";
    return cli::kExitOk;
}

int runList(CommandContext& context, const Invocation& line) {
    return list(context, line.isSet("json"));
}

int runImport(CommandContext& context, const Invocation& line) {
    const QString file = line.argument(0);
    const QString calendar = line.value("calendar");
    auto store = openCommandStore(context);
    if (!store)
        return cli::kExitFailure;
    if (!calendar.isEmpty() && !store->calendarWithIdentifier(calendar))
        return line.usageError(QCoreApplication::translate("cli", "no calendar %1").arg(calendar));
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
    return {QStringLiteral("calendars"),
            QT_TRANSLATE_NOOP("cli", "list, add, discover and remove calendar folders"),
            {{.options = {{"json", QT_TRANSLATE_NOOP("cli", "print JSON")}}, .run = &runList},
             {.verb = "add",
              .arguments = "[PATH]",
              .minArguments = 0,
              .maxArguments = 1,
              .options = {{"email", QT_TRANSLATE_NOOP("cli", "an address of yours in its events"),
                           "ADDRESS", true},
                          {"read-only", QT_TRANSLATE_NOOP("cli", "never change its files")},
                          {"vdirsyncer",
                           QT_TRANSLATE_NOOP("cli", "add the folders vdirsyncer syncs into")}},
              .run = &add},
             {.verb = "discover",
              .options = {{"json", QT_TRANSLATE_NOOP("cli", "print JSON")}},
              .notes = QT_TRANSLATE_NOOP("cli", "  (what EDS, vdirsyncer and khal hold; changes "
                                                "nothing)"),
              .run = &runDiscover},
             {.verb = "remove",
              .arguments = "ID",
              .minArguments = 1,
              .maxArguments = 1,
              .notes = QT_TRANSLATE_NOOP("cli", "  (the folder's files are kept)"),
              .run = &remove}}};
}

cli::Command importCommand() {
    return {
        QStringLiteral("import"),
        QT_TRANSLATE_NOOP("cli", "copy an iCalendar file into a calendar"),
        {{.arguments = "FILE.ics",
          .minArguments = 1,
          .maxArguments = 1,
          .options = {{"calendar", QT_TRANSLATE_NOOP("cli", "the calendar to copy into"), "ID"}},
          .run = &runImport}}};
}

} // namespace ruvo::cli
