// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CalendarItemJson.h"

#include <QCoreApplication>

namespace ruvo::cli {

using namespace ruvo::events;

namespace {

QString isoIn(kit::Instant t, const QTimeZone& zone) {
    return kit::toQDateTime(t).toTimeZone(zone).toString(Qt::ISODate);
}

struct Row {
    QString kind;
    QString title;
    kit::Instant start;
    kit::Instant end;
    bool allDay = false;
    QString calendarId;
    QString uid;
    kit::Instant occurrenceDate;
    QString location;
    QString url;
    bool isUndated = false; // a reminder without a due date
};

Row rowOf(const CalendarItem& item, const EventQueries& queries) {
    if (const auto* e = std::get_if<Event>(&item))
        return {QStringLiteral("event"),
                e->title(),
                e->start(),
                e->end(),
                e->isAllDay(),
                e->calendarIdentifier(),
                e->calendarItemExternalIdentifier(),
                e->occurrenceDate(),
                e->location(),
                e->url()};
    const auto& r = std::get<Reminder>(item);
    if (!r.due) {
        Row row{QStringLiteral("reminder"), r.title, {}, {}, false,
                r.calendarIdentifier,       r.uid,   {}, {}, {}};
        row.isUndated = true;
        return row;
    }
    const kit::Instant due = queries.sortInstant(item);
    return {QStringLiteral("reminder"), r.title, due, due, !r.due->time,
            r.calendarIdentifier,       r.uid,   due, {},  {}};
}

QJsonObject jsonOf(const Row& row, const QString& calendarTitle, const QTimeZone& zone) {
    QJsonObject o{{QStringLiteral("kind"), row.kind},
                  {QStringLiteral("title"), row.title},
                  {QStringLiteral("start"), isoIn(row.start, zone)},
                  {QStringLiteral("end"), isoIn(row.end, zone)},
                  {QStringLiteral("allDay"), row.allDay},
                  {QStringLiteral("calendar"), calendarTitle},
                  {QStringLiteral("calendarIdentifier"), row.calendarId},
                  {QStringLiteral("uid"), row.uid},
                  {QStringLiteral("occurrenceDate"), isoIn(row.occurrenceDate, zone)}};
    if (row.isUndated)
        for (const char* key : {"start", "end", "occurrenceDate"})
            o.remove(QLatin1String(key));
    if (!row.location.isEmpty())
        o.insert(QStringLiteral("location"), row.location);
    if (!row.url.isEmpty())
        o.insert(QStringLiteral("url"), row.url);
    return o;
}

QString textOf(const Row& row, const QString& calendarTitle, const QTimeZone& zone) {
    const QDateTime start = kit::toQDateTime(row.start).toTimeZone(zone);
    const QDateTime end = kit::toQDateTime(row.end).toTimeZone(zone);
    QString when;
    if (row.isUndated)
        return QCoreApplication::translate("cli", "no due date") + QStringLiteral("  ") +
               row.title + QStringLiteral("  [") + calendarTitle + QLatin1Char(']');
    if (row.kind == QLatin1String("reminder"))
        when = row.allDay ? QCoreApplication::translate("cli", "due")
                          : QCoreApplication::translate("cli", "due %1")
                                .arg(start.toString(QStringLiteral("HH:mm")));
    else if (row.allDay)
        when = QCoreApplication::translate("cli", "all day");
    else
        when = start.toString(QStringLiteral("HH:mm")) + QLatin1Char('-') +
               end.toString(QStringLiteral("HH:mm"));
    return start.toString(QStringLiteral("yyyy-MM-dd ")) + when.leftJustified(11) +
           QLatin1Char(' ') + row.title + QStringLiteral("  [") + calendarTitle + QLatin1Char(']');
}

QString calendarTitle(const Row& row, const EventQueries& queries) {
    const auto calendar = queries.store().calendarWithIdentifier(row.calendarId);
    return calendar ? calendar->title : QString();
}

} // namespace

QJsonObject calendarItemJson(const CalendarItem& item, const EventQueries& queries,
                             const QTimeZone& zone) {
    const Row row = rowOf(item, queries);
    return jsonOf(row, calendarTitle(row, queries), zone);
}

QString calendarItemText(const CalendarItem& item, const EventQueries& queries,
                         const QTimeZone& zone) {
    const Row row = rowOf(item, queries);
    return textOf(row, calendarTitle(row, queries), zone);
}

} // namespace ruvo::cli
