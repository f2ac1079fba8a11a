// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/EventsCommand.h"

#include "cli/CalendarItemJson.h"
#include "cli/CommandStore.h"
#include "events/EventQueries.h"
#include "events/EventsController.h"
#include "kit/LocalTime.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <string_view>

namespace ruvo::cli {

using namespace ruvo::events;

namespace {

using cli::CommandContext;

QTimeZone zoneOf(const CommandContext& context) {
    return kit::zoneOrUtc(context.environment.timeZoneId);
}

// "2026-12-04T09:00:00-05:00", or a date alone for the start of that day.
std::optional<kit::Instant> parseBound(const QString& text, const QTimeZone& zone) {
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (date.isValid() && text.size() == 10)
        return kit::fromQDateTime(date.startOfDay(zone));
    return kit::parseIsoInstant(text, zone);
}

int runEvents(CommandContext& context, const Invocation& line) {
    const QTimeZone zone = zoneOf(context);
    const QDate today = kit::localDate(context.clock.now(), context.environment.timeZoneId);
    std::optional<kit::Instant> from = kit::fromQDateTime(today.startOfDay(zone));
    std::optional<kit::Instant> to = kit::fromQDateTime(today.addDays(7).startOfDay(zone));
    for (const char* option : {"from", "to"}) {
        if (!line.isSet(option))
            continue;
        auto& bound = option == std::string_view("from") ? from : to;
        bound = parseBound(line.value(option), zone);
        if (!bound)
            return line.usageError(
                QCoreApplication::translate("cli", "--%1: not an ISO 8601 date or time: %2")
                    .arg(QLatin1String(option), line.value(option)));
    }
    if (*to < *from)
        return line.usageError(QCoreApplication::translate("cli", "--to is before --from"));
    const bool asJson = line.isSet("json");
    auto store = openCommandStore(context);
    if (!store)
        return cli::kExitFailure;
    enableAllCalendarsOnNewInstallation(*store, context.defaults);
    const EventQueries queries(*store, context.defaults, QString::fromUtf8(zone.id()));
    const auto items = queries.calendarItems({*from, *to});
    QJsonArray array;
    for (const auto& item : items) {
        if (asJson)
            array.append(calendarItemJson(item, queries, zone));
        else
            context.out << calendarItemText(item, queries, zone) << "\n";
    }
    if (asJson)
        context.out << QJsonDocument(array).toJson(QJsonDocument::Indented);
    return cli::kExitOk;
}

} // namespace

QString kindName(platform::EntityType kind) {
    return kind == platform::EntityType::event ? QStringLiteral("events")
                                               : QStringLiteral("reminders");
}

std::unique_ptr<platform::CalendarStore> openCommandStore(CommandContext& context) {
    if (!context.services.openCalendarStore) {
        printError(context, QCoreApplication::translate("cli", "no calendar store in this build"));
        return nullptr;
    }
    auto store = context.services.openCalendarStore(context);
    if (!store) {
        printError(context, store.error());
        return nullptr;
    }
    return std::move(store.value());
}

cli::Command eventsCommand() {
    return {QStringLiteral("events"),
            QT_TRANSLATE_NOOP("cli", "print the events and reminders of a range"),
            {{.options = {{"from", QT_TRANSLATE_NOOP("cli", "the start of the range"), "ISO8601"},
                          {"to", QT_TRANSLATE_NOOP("cli", "the end of the range"), "ISO8601"},
                          {"json", QT_TRANSLATE_NOOP("cli", "print JSON")}},
              .notes = QT_TRANSLATE_NOOP("cli", "  (default: today and the next 6 days; a date "
                                                "alone means the start of that day)"),
              .run = &runEvents}}};
}

} // namespace ruvo::cli
