// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/EventsCommand.h"

#include "cli/CalendarItemJson.h"
#include "cli/CommandStore.h"
#include "events/EventQueries.h"
#include "events/EventsController.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace ruvo::cli {

using namespace ruvo::events;

namespace {

using cli::CommandContext;

const char* const kEventsUsage = "usage: ruvo events [--from ISO8601] [--to ISO8601] [--json]\n"
                                 "  (default: today and the next 6 days; a date alone means "
                                 "the start of that day)\n";

QTimeZone zoneOf(const CommandContext& context) {
    return commandZone(context.environment.timeZoneId);
}

// "2026-12-04T09:00:00-05:00", or a date alone for the start of that day.
std::optional<kit::Instant> parseBound(const QString& text, const QTimeZone& zone) {
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (date.isValid() && text.size() == 10)
        return kit::fromQDateTime(date.startOfDay(zone));
    return kit::parseIsoInstant(text, zone);
}

int runEvents(CommandContext& context, const QStringList& arguments) {
    const QTimeZone zone = zoneOf(context);
    const QDate today = kit::toQDateTime(context.clock.now()).toTimeZone(zone).date();
    std::optional<kit::Instant> from = kit::fromQDateTime(today.startOfDay(zone));
    std::optional<kit::Instant> to = kit::fromQDateTime(today.addDays(7).startOfDay(zone));
    bool asJson = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--json")) {
            asJson = true;
        } else if ((a == QLatin1String("--from") || a == QLatin1String("--to")) &&
                   i + 1 < arguments.size()) {
            auto& bound = a == QLatin1String("--from") ? from : to;
            bound = parseBound(arguments[++i], zone);
            if (!bound) {
                context.err << "ruvo: " << a << ": not an ISO 8601 date or time: " << arguments[i]
                            << "\n"
                            << kEventsUsage;
                return cli::kExitUsage;
            }
        } else {
            context.err << "ruvo: unexpected " << a << "\n" << kEventsUsage;
            return cli::kExitUsage;
        }
    }
    if (*to < *from) {
        context.err << "ruvo: --to is before --from\n" << kEventsUsage;
        return cli::kExitUsage;
    }
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
        context.err << "ruvo: no calendar store in this build\n";
        return nullptr;
    }
    auto store = context.services.openCalendarStore(context);
    if (!store) {
        context.err << "ruvo: " << store.error() << "\n";
        return nullptr;
    }
    return std::move(store.value());
}

cli::Command eventsCommand() {
    return {QStringLiteral("events"), QStringLiteral("print the events and reminders of a range"),
            QString::fromLatin1(kEventsUsage), &runEvents};
}

} // namespace ruvo::cli
