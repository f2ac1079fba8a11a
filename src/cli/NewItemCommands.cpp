// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/NewItemCommands.h"

#include "cli/CalendarItemJson.h"
#include "cli/CommandStore.h"
#include "creation/NewItemForms.h"
#include "creation/SaveNewItem.h"
#include "events/EventQueries.h"
#include "kit/LocalTime.h"

#include <QCoreApplication>
#include <QJsonDocument>

namespace ruvo::cli {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("cli", text);
}

// A day alone ("2026-12-24"), or a date and time.
struct When {
    QDate day;
    std::optional<kit::Instant> instant;
};

std::optional<When> parseWhen(const QString& text, const QTimeZone& zone) {
    const QDate day = QDate::fromString(text, Qt::ISODate);
    if (day.isValid() && text.size() == 10)
        return When{day, std::nullopt};
    const auto instant = kit::parseIsoInstant(text, zone);
    if (!instant)
        return std::nullopt;
    return When{kit::toQDateTime(*instant).toTimeZone(zone).date(), instant};
}

int print(CommandContext& context, const Invocation& line, platform::CalendarStore& store,
          const events::CalendarItem& item) {
    const QTimeZone zone = kit::zoneOrUtc(context.environment.timeZoneId);
    const events::EventQueries queries(store, context.defaults, context.environment.timeZoneId);
    if (line.isSet("json"))
        context.out
            << QJsonDocument(calendarItemJson(item, queries, zone)).toJson(QJsonDocument::Indented);
    else
        context.out << calendarItemText(item, queries, zone) << "\n";
    return kExitOk;
}

std::optional<std::vector<platform::Alarm>> parseAlarms(const QStringList& values) {
    std::vector<platform::Alarm> alarms;
    for (const QString& value : values) {
        bool ok = false;
        const qint64 before = value.toLongLong(&ok);
        if (!ok || std::abs(before) > 366LL * 86400)
            return std::nullopt;
        alarms.push_back({kit::Seconds(-before)});
    }
    return alarms;
}

// The event of the command line, or the usage error it printed.
std::variant<platform::EventDraft, int> eventOf(const CommandContext& context,
                                                const Invocation& line) {
    const QTimeZone zone = kit::zoneOrUtc(context.environment.timeZoneId);
    const bool isAllDay = line.isSet("all-day");
    if (isAllDay == line.isSet("end") && !isAllDay)
        return line.usageError(tr("give --end or --all-day"));
    const auto start = parseWhen(line.value("start"), zone);
    if (!start || (!isAllDay && !start->instant))
        return line.usageError(
            tr("--start: not an ISO 8601 date and time: %1").arg(line.value("start")));
    std::optional<When> end = start;
    if (line.isSet("end"))
        end = parseWhen(line.value("end"), zone);
    if (!end || (!isAllDay && !end->instant))
        return line.usageError(
            tr("--end: not an ISO 8601 date and time: %1").arg(line.value("end")));
    const auto alarms = parseAlarms(line.values("alarm"));
    if (!alarms)
        return line.usageError(tr("--alarm: not a number of seconds within a year"));
    creation::NewEventForm form;
    form.title = line.value("title");
    form.isAllDay = isAllDay;
    form.start = start->instant.value_or(kit::fromQDateTime(start->day.startOfDay(zone)));
    form.end = end->instant.value_or(kit::fromQDateTime(end->day.startOfDay(zone)));
    form.location = line.value("location");
    form.calendarIdentifier = line.value("calendar");
    auto draft = creation::eventDraft(form, context.environment.timeZoneId);
    draft.alarms = *alarms; // any number of them here, not just the window's two
    return draft;
}

int runNewEvent(CommandContext& context, const Invocation& line) {
    if (line.value("title").trimmed().isEmpty())
        return line.usageError(tr("--title is missing"));
    const auto draft = eventOf(context, line);
    if (const int* status = std::get_if<int>(&draft))
        return *status;
    auto store = openCommandStore(context);
    if (!store)
        return kExitFailure;
    const auto saved = creation::saveNewEvent(*store, std::get<platform::EventDraft>(draft));
    if (!saved) {
        printError(context, saved.error());
        return kExitFailure;
    }
    return print(context, line, *store, *saved);
}

int runNewReminder(CommandContext& context, const Invocation& line) {
    if (line.value("title").trimmed().isEmpty())
        return line.usageError(tr("--title is missing"));
    const QTimeZone zone = kit::zoneOrUtc(context.environment.timeZoneId);
    creation::NewReminderForm form;
    form.title = line.value("title");
    form.listIdentifier = line.value("list");
    if (line.isSet("due")) {
        const auto due = parseWhen(line.value("due"), zone);
        if (!due)
            return line.usageError(
                tr("--due: not an ISO 8601 date or time: %1").arg(line.value("due")));
        form.useDueDate = true;
        form.dueDate = due->day;
        form.isDueDateWithTime = due->instant.has_value();
        if (due->instant)
            form.dueTime = kit::toQDateTime(*due->instant).toTimeZone(zone).time();
    }
    if (line.isSet("priority")) {
        bool ok = false;
        form.priority = line.value("priority").toInt(&ok);
        if (!ok || form.priority < 0 || form.priority > 9)
            return line.usageError(tr("--priority: a number from 0 (none) to 9 (lowest)"));
    }
    auto store = openCommandStore(context);
    if (!store)
        return kExitFailure;
    const auto saved = creation::saveNewReminder(
        *store, creation::reminderDraft(form, context.environment.timeZoneId));
    if (!saved) {
        printError(context, saved.error());
        return kExitFailure;
    }
    return print(context, line, *store, *saved);
}

} // namespace

cli::Command newEventCommand() {
    return {QStringLiteral("new-event"),
            QT_TRANSLATE_NOOP("cli", "add an event to a calendar"),
            {{.options = {{"title", QT_TRANSLATE_NOOP("cli", "the event's title"), "TITLE"},
                          {"start", QT_TRANSLATE_NOOP("cli", "when it starts"), "ISO8601"},
                          {"end", QT_TRANSLATE_NOOP("cli", "when it ends"), "ISO8601"},
                          {"all-day", QT_TRANSLATE_NOOP("cli", "an all-day event")},
                          {"calendar",
                           QT_TRANSLATE_NOOP("cli", "the calendar (default: the "
                                                    "default calendar)"),
                           "ID"},
                          {"location", QT_TRANSLATE_NOOP("cli", "where it takes place"), "TEXT"},
                          {"alarm", QT_TRANSLATE_NOOP("cli", "an alarm, seconds before the start"),
                           "SECONDS", true},
                          {"json", QT_TRANSLATE_NOOP("cli", "print JSON")}},
              .notes = QT_TRANSLATE_NOOP(
                  "cli", "  (with --all-day, --start and --end may be dates: the first and the "
                         "last day)"),
              .run = &runNewEvent}}};
}

cli::Command newReminderCommand() {
    return {QStringLiteral("new-reminder"),
            QT_TRANSLATE_NOOP("cli", "add a reminder to a reminder list"),
            {{.options = {{"title", QT_TRANSLATE_NOOP("cli", "the reminder's title"), "TITLE"},
                          {"due", QT_TRANSLATE_NOOP("cli", "a day, or a day and time"), "ISO8601"},
                          {"priority", QT_TRANSLATE_NOOP("cli", "0 none, 1 highest ... 9 lowest"),
                           "0-9"},
                          {"list",
                           QT_TRANSLATE_NOOP("cli", "the reminder list (default: the "
                                                    "first one)"),
                           "ID"},
                          {"json", QT_TRANSLATE_NOOP("cli", "print JSON")}},
              .notes = QT_TRANSLATE_NOOP("cli", "  (a due date gets an alarm at that moment)"),
              .run = &runNewReminder}}};
}

} // namespace ruvo::cli
