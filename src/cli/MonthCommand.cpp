// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/MonthCommand.h"

#include "cli/CommandStore.h"
#include "events/EventsController.h"
#include "events/calendar/DayCells.h"
#include "kit/LocalTime.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTimeZone>

namespace ruvo::cli {

using namespace ruvo::calendar;

namespace {

using cli::CommandContext;
namespace keys = settings::keys;

std::optional<QDate> parseMonth(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{4})-(\\d{2})$"));
    const auto match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QDate month(match.captured(1).toInt(), match.captured(2).toInt(), 1);
    return month.isValid() ? std::optional(month) : std::nullopt;
}

QJsonObject jsonOf(const DayCell& cell) {
    QJsonArray dots;
    for (const QColor& colour : cell.dots)
        dots.append(colourName(colour));
    return {{QStringLiteral("date"), cell.date.toString(Qt::ISODate)},
            {QStringLiteral("inMonth"), cell.isInMonth},
            {QStringLiteral("today"), cell.isToday},
            {QStringLiteral("selected"), cell.isSelected},
            {QStringLiteral("highlighted"), cell.isHighlightedWeekday},
            {QStringLiteral("dots"), dots}};
}

QJsonObject jsonOf(const MonthGrid& grid, const std::vector<DayCell>& cells) {
    QJsonArray rows;
    for (std::size_t r = 0; r < grid.rows.size(); ++r) {
        QJsonArray days;
        for (std::size_t c = 0; c < 7; ++c)
            days.append(jsonOf(cells[r * 7 + c]));
        rows.append(QJsonObject{{QStringLiteral("week"), grid.rows[r].weekOfYear},
                                {QStringLiteral("days"), days}});
    }
    return {{QStringLiteral("title"), grid.title},
            {QStringLiteral("weekdays"), QJsonArray::fromStringList(grid.weekdays)},
            {QStringLiteral("rows"), rows}};
}

// A cell of three columns: the day number, then "*" with events ("[" and "]" around today).
QString textOf(const DayCell& cell) {
    if (!cell.isInMonth)
        return QStringLiteral("    ");
    const QString number = QString::number(cell.date.day()).rightJustified(2);
    const QString mark = cell.dots.empty() ? QStringLiteral(" ") : QStringLiteral("*");
    return cell.isToday ? QLatin1Char('[') + number + QLatin1Char(']')
                        : QLatin1Char(' ') + number + mark;
}

QString textOf(const MonthGrid& grid, const std::vector<DayCell>& cells, bool withWeeks) {
    const QString gutter = withWeeks ? QStringLiteral("    ") : QString();
    QString text =
        gutter + grid.title.rightJustified(14 + grid.title.size() / 2) + QLatin1Char('\n');
    text += gutter;
    for (const QString& symbol : grid.weekdays)
        text += symbol.rightJustified(3) + QLatin1Char(' ');
    text += QLatin1Char('\n');
    for (std::size_t r = 0; r < grid.rows.size(); ++r) {
        if (!grid.isInMonth(grid.rows[r].days.front()) && !grid.isInMonth(grid.rows[r].days.back()))
            continue; // a row of the next month only
        QString line = withWeeks ? QString::number(grid.rows[r].weekOfYear).rightJustified(3) +
                                       QLatin1Char(' ')
                                 : QString();
        for (std::size_t c = 0; c < 7; ++c)
            line += textOf(cells[r * 7 + c]);
        text += line + QLatin1Char('\n');
    }
    return text + QCoreApplication::translate("cli", "(* days with events, [ ] today)") +
           QLatin1Char('\n');
}

int runMonth(CommandContext& context, const Invocation& line) {
    std::optional<QDate> month;
    if (!line.arguments().isEmpty()) {
        month = parseMonth(line.argument(0));
        if (!month)
            return line.usageError(
                QCoreApplication::translate("cli", "not a month (YYYY-MM, month 01 to 12): %1")
                    .arg(line.argument(0)));
    }
    const QTimeZone zone = kit::zoneOrUtc(context.environment.timeZoneId);
    const QDate today = kit::localDate(context.clock.now(), context.environment.timeZoneId);
    const MonthGrid grid = monthGrid(month.value_or(today), context.environment);
    const auto indicator = context.defaults.get(keys::indicateEventsInCalendar);
    Dots dots;
    if (indicator != EventIndicatorsInCalendar::none) {
        auto store = openCommandStore(context);
        if (!store)
            return cli::kExitFailure;
        events::enableAllCalendarsOnNewInstallation(*store, context.defaults);
        const events::EventQueries queries(*store, context.defaults, QString::fromUtf8(zone.id()));
        dots = computeDots(dotsInput(queries, grid.days(), indicator));
    }
    const CellContext cellContext{today, today,
                                  context.defaults.get(keys::highlightedDaysInCalendar),
                                  std::nullopt, QString::fromUtf8(zone.id())};
    const auto cells = dayCells(grid, dots, cellContext);
    if (line.isSet("json"))
        context.out << QJsonDocument(jsonOf(grid, cells)).toJson(QJsonDocument::Indented);
    else
        context.out << textOf(grid, cells, context.defaults.get(keys::showWeekNumbersInCalendar));
    return cli::kExitOk;
}

} // namespace

cli::Command monthCommand() {
    return {QStringLiteral("month"),
            QT_TRANSLATE_NOOP("cli", "print the month calendar with its event days"),
            {{.arguments = "[YYYY-MM]",
              .maxArguments = 1,
              .options = {{"json", QT_TRANSLATE_NOOP("cli", "print JSON")}},
              .notes = QT_TRANSLATE_NOOP("cli", "  (default: the month of today)"),
              .run = &runMonth}}};
}

} // namespace ruvo::cli
