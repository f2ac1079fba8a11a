// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/AddCommand.h"

#include "cli/CalendarItemJson.h"
#include "cli/CommandStore.h"
#include "creation/SaveNewItem.h"
#include "events/EventQueries.h"
#include "kit/LocalTime.h"
#include "quickadd/QuickAdd.h"
#include "quickadd/QuickAddTarget.h"
#include "settings/Keys.h"

#include <QCoreApplication>
#include <QJsonDocument>

namespace ruvo::cli {

namespace {

quickadd::QuickAddContext readingContext(const CommandContext& context) {
    const auto length = context.defaults.get(settings::keys::defaultEventDuration);
    return {context.clock.now(), context.environment,
            std::chrono::duration_cast<kit::Seconds>(length.toMilliseconds())};
}

void print(CommandContext& context, platform::CalendarStore& store, const platform::Event& event,
           bool asJson) {
    const QTimeZone zone = kit::zoneOrUtc(context.environment.timeZoneId);
    const events::EventQueries queries(store, context.defaults, context.environment.timeZoneId);
    if (asJson)
        context.out << QJsonDocument(calendarItemJson(event, queries, zone))
                           .toJson(QJsonDocument::Indented);
    else
        context.out << calendarItemText(event, queries, zone) << "\n";
}

int runAdd(CommandContext& context, const Invocation& line) {
    const QString sentence = line.arguments().join(QLatin1Char(' '));
    const auto read = quickadd::readQuickAdd(sentence, readingContext(context));
    if (!read) {
        printError(context, read.error());
        return kExitUsage;
    }
    auto store = openCommandStore(context);
    if (!store)
        return kExitFailure;
    const auto calendar = quickadd::targetCalendar(*store, line.value("calendar"));
    if (!calendar) {
        printError(context, calendar.error());
        return kExitFailure;
    }
    const bool asJson = line.isSet("json");
    // With --json the output is the item alone; what was understood goes to standard error.
    (asJson ? context.err : context.out)
        << quickadd::describe(*read, calendar->title, context.environment, context.clock.now())
        << "\n";
    const platform::Event unsaved = quickadd::unsavedEvent(*read, calendar->identifier);
    if (line.isSet("dry-run")) {
        print(context, *store, unsaved, asJson);
        return kExitOk;
    }
    const auto saved =
        creation::saveNewEvent(*store, quickadd::eventDraft(*read, calendar->identifier));
    if (!saved) {
        printError(context, saved.error());
        return kExitFailure;
    }
    print(context, *store, *saved, asJson);
    return kExitOk;
}

} // namespace

cli::Command addCommand() {
    return {QStringLiteral("add"),
            QT_TRANSLATE_NOOP("cli", "add an event written in plain words"),
            {{.arguments = "SENTENCE",
              .minArguments = 1,
              .maxArguments = 64,
              .options = {{"calendar", QT_TRANSLATE_NOOP("cli", "the calendar to add to"), "ID"},
                          {"dry-run", QT_TRANSLATE_NOOP("cli", "show what would be added, save "
                                                               "nothing")},
                          {"json", QT_TRANSLATE_NOOP("cli", "print the event as JSON")}},
              .notes = QT_TRANSLATE_NOOP(
                  "cli", "  ruvo add \"Lunch with Ana Friday 1pm at Café Central\"\n"
                         "  ruvo add \"Zahnarzt morgen um 9 für 30 Minuten\"\n"
                         "  (no time: all day; no length: the default event duration)"),
              .run = &runAdd}}};
}

} // namespace ruvo::cli
