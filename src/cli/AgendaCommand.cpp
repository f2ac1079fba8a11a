// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/AgendaCommand.h"

#include "cli/CalendarItemJson.h"
#include "cli/CommandCalls.h"
#include "cli/CommandStore.h"
#include "events/EventsController.h"
#include "events/list/EventListModel.h"
#include "events/list/EventRowTexts.h"
#include "events/videocalls/VideoCallDetector.h"
#include "kit/LocalTime.h"
#include "timezones/IcuFormat.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

namespace ruvo::cli {

using namespace ruvo::events;

namespace {

using cli::CommandContext;

struct Printer {
    const EventQueries& queries;
    const EventRowTexts& texts;
    QTimeZone zone;
    kit::Instant now;
    EventRowTexts::Options options;

    QJsonObject json(const CalendarItem& item) const {
        const EventRow row = texts.row(item, now, options);
        QJsonObject o = calendarItemJson(item, queries, zone);
        o.insert(QStringLiteral("state"),
                 row.state == RowState::none ? QJsonValue() : QJsonValue(stateName(row.state)));
        o.insert(QStringLiteral("relative"), row.relative);
        o.insert(QStringLiteral("timing"), timingText(row.state, row.relative));
        QJsonValue call;
        if (row.videoCall)
            call = QJsonObject{
                {QStringLiteral("name"),
                 row.videoCall->name ? QJsonValue(*row.videoCall->name) : QJsonValue()},
                {QStringLiteral("url"), row.videoCall->url.toString(QUrl::FullyEncoded)}};
        o.insert(QStringLiteral("videoCall"), call);
        return o;
    }
    QJsonArray json(const std::vector<CalendarItem>& items) const {
        QJsonArray array;
        for (const auto& item : items)
            array.append(json(item));
        return array;
    }

    QString text(const CalendarItem& item) const {
        const EventRow row = texts.row(item, now, options);
        QString line = QStringLiteral("  ");
        if (row.isReminder)
            line += (row.isCompleted ? QStringLiteral("[x] ") : QStringLiteral("[ ] ")) +
                    (row.priorityMarks.isEmpty() ? QString() : row.priorityMarks + u' ');
        line += std::get_if<Event>(&item) ? std::get<Event>(item).title()
                                          : std::get<Reminder>(item).title;
        const QString timing = timingText(row.state, row.relative);
        for (const QString& part : {row.timeText, timing, row.location})
            if (!part.isEmpty())
                line += QStringLiteral(" · ") + part;
        if (row.showsJoinButton)
            line += QStringLiteral(" · ") + QCoreApplication::translate("cli", "Join %1")
                                                .arg(row.videoCall->name.value_or(QString()))
                                                .trimmed();
        return line.trimmed().prepend(QStringLiteral("  "));
    }
    void text(QTextStream& out, const QString& title,
              const std::vector<CalendarItem>& items) const {
        if (items.empty())
            return;
        out << title << "\n";
        for (const auto& item : items)
            out << text(item) << "\n";
    }
};

std::optional<QDate> parseDate(const QString& text) {
    const QDate date = QDate::fromString(text, Qt::ISODate);
    return date.isValid() && text.size() == 10 ? std::optional(date) : std::nullopt;
}

void printJson(CommandContext& context, const EventList& list, const Printer& printer) {
    QJsonArray sections;
    for (const auto& section : list.sections)
        sections.append(QJsonObject{{QStringLiteral("date"), section.date.toString(Qt::ISODate)},
                                    {QStringLiteral("items"), printer.json(section.items)}});
    const QJsonObject o{{QStringLiteral("sections"), sections},
                        {QStringLiteral("pastEvents"), printer.json(list.pastEvents)},
                        {QStringLiteral("overdueReminders"), printer.json(list.overdueReminders)}};
    context.out << QJsonDocument(o).toJson(QJsonDocument::Indented);
}

void printText(CommandContext& context, const EventList& list, const Printer& printer) {
    printer.text(context.out, QCoreApplication::translate("cli", "Overdue reminders"),
                 list.overdueReminders);
    printer.text(context.out, QCoreApplication::translate("cli", "Past events"), list.pastEvents);
    for (const auto& section : list.sections) {
        context.out << printer.texts.dayHeader(section.date, printer.now) << "\n";
        if (section.items.empty())
            context.out << "  " << QCoreApplication::translate("cli", "No Events") << "\n";
        for (const auto& item : section.items)
            context.out << printer.text(item) << "\n";
    }
}

int runAgenda(CommandContext& context, const Invocation& line) {
    const QString& zoneId = context.environment.timeZoneId;
    const kit::Instant now = context.clock.now();
    const bool asJson = line.isSet("json");
    const auto date = line.isSet("date") ? parseDate(line.value("date"))
                                         : std::optional(timezones::localDate(zoneId, now));
    if (!date)
        return line.usageError(
            QCoreApplication::translate("cli", "--date: not a date (YYYY-MM-DD): %1")
                .arg(line.value("date")));
    auto store = openCommandStore(context);
    if (!store)
        return cli::kExitFailure;
    enableAllCalendarsOnNewInstallation(*store, context.defaults);
    const EventQueries queries(*store, context.defaults, zoneId);
    CommandCalls calls;
    videocalls::VideoCallDetector& detector = calls.detector();
    const EventListModel model(queries, detector, context.environment, context.clock);
    const EventList list = model.build(*date, EventListOptions::from(context.defaults));
    const EventRowTexts texts(context.environment, detector);
    const Printer printer{
        queries,
        texts,
        kit::zoneOrUtc(zoneId),
        now,
        {context.defaults.get(settings::keys::showVideoCallButtonOnlyForUpcomingEvents)}};
    if (asJson)
        printJson(context, list, printer);
    else
        printText(context, list, printer);
    return cli::kExitOk;
}

} // namespace

cli::Command agendaCommand() {
    return {QStringLiteral("agenda"),
            QT_TRANSLATE_NOOP(
                "cli", "print the event list of the menu: days, past events, overdue reminders"),
            {{.options = {{"date", QT_TRANSLATE_NOOP("cli", "the first day"), "YYYY-MM-DD"},
                          {"json", QT_TRANSLATE_NOOP("cli", "print JSON")}},
              .notes = QT_TRANSLATE_NOOP(
                  "cli", "  (default: today; shows as many days as the list in the menu)"),
              .run = &runAgenda}}};
}

} // namespace ruvo::cli
