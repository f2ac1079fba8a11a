// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirEditor.h"

#include "platform/linux/VdirContentLines.h"
#include "platform/linux/VdirEditParts.h"
#include "platform/linux/VdirFileEdit.h"
#include "platform/linux/VdirFileTimes.h"
#include "platform/linux/VdirIcal.h"
#include "platform/linux/VdirParser.h"
#include "platform/linux/VdirRecurrence.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace ruvo::platform::vdir {

namespace {

using Component = ContentLines::Component;

QString fileUid(const QString& file) {
    return QFileInfo(file).completeBaseName();
}

} // namespace

// The components of `type` that hold `uid`. One without a UID holds the file's name, as the
// loader reads it.
std::vector<Component> itemComponents(const ContentLines& lines, const QByteArray& type,
                                      const QString& uid, const QString& file) {
    std::vector<Component> found;
    const QByteArray wanted = uid.toUtf8();
    const bool isFileName = uid == fileUid(file);
    for (const Component& c : lines.children()) {
        if (c.type != type)
            continue;
        const auto line = lines.property(c, "UID");
        if (line ? unescapeText(propertyValue(lines.logical(*line))) == wanted : isFileName)
            found.push_back(c);
    }
    return found;
}

namespace {

// Removes components found together, the last first, so the others' lines stay put.
void removeAll(ContentLines& lines, const std::vector<Component>& components) {
    for (auto it = components.rbegin(); it != components.rend(); ++it)
        lines.removeComponent(*it);
}

} // namespace

Component touch(ContentLines& lines, Component c, kit::Instant now, bool isSignificant) {
    if (isSignificant) {
        const int sequence = lines.value(c, "SEQUENCE").trimmed().toInt();
        c = lines.setProperty(c, "SEQUENCE:" + QByteArray::number(qMax(sequence, 0) + 1));
    }
    c = lines.setProperty(c, "DTSTAMP:" + icalUtcText(now));
    return lines.setProperty(c, "LAST-MODIFIED:" + icalUtcText(now));
}

namespace {

int countParseErrors(icalcomponent* c) {
    int count = icalcomponent_count_properties(c, ICAL_XLICERROR_PROPERTY);
    for (icalcomponent* child = icalcomponent_get_first_component(c, ICAL_ANY_COMPONENT); child;
         child = icalcomponent_get_next_component(c, ICAL_ANY_COMPONENT))
        count += countParseErrors(child);
    return count;
}

int countParseErrors(const QByteArray& text) {
    ComponentPtr root(icalparser_parse_string(text.constData()));
    return root ? countParseErrors(root.get()) : 0;
}

} // namespace

kit::Result<FileChange> finishEdit(const ContentLines& lines, const QByteArray& before) {
    const auto children = lines.children();
    const bool isEmpty = std::all_of(children.begin(), children.end(),
                                     [](const Component& c) { return c.type == "VTIMEZONE"; });
    if (isEmpty)
        return FileChange::remove();
    QByteArray after = lines.text();
    if (countParseErrors(after) > countParseErrors(before))
        return kit::fail(QCoreApplication::translate(
            "VdirEditor", "The change would make the file unreadable; it was not saved."));
    return FileChange::replace(std::move(after));
}

PropertyPtr readProperty(const QByteArray& logicalLine) {
    return PropertyPtr(icalproperty_new_from_string(logicalLine.constData()));
}

bool hasOccurrence(const QByteArray& text, const QString& uid, UtcSeconds utc, ZoneTable& zones,
                   const QString& file) {
    const ParseContext context{{}, {}, fileUid(file), &zones};
    const auto parsed = parseCalendarFile(text, context);
    if (!parsed)
        return false;
    for (const auto& s : parsed->singles) {
        if (s.data->calendarItemExternalIdentifier != uid)
            continue;
        if (s.recurrenceId ? kit::msecsSinceEpoch(*s.recurrenceId) / 1000 == utc
                           : zones.toUtc(s.times.zone, s.times.start) == utc)
            return true;
    }
    bool found = false;
    for (const auto& s : parsed->series) {
        if (s.data->calendarItemExternalIdentifier != uid)
            continue;
        const LocalSeconds local = zones.toLocal(s.times.zone, utc);
        constexpr qint64 kDstSlack = 3 * 3600; // a start near a DST change
        forEachStart(s, local - kDstSlack, local + kDstSlack, [&](LocalSeconds start) {
            found = found || zones.toUtc(s.times.zone, start) == utc;
        });
    }
    return found;
}

bool hasRule(const ContentLines& lines, const Component& c) {
    return lines.property(c, "RRULE") || lines.property(c, "RDATE");
}

std::optional<QByteArray> timeLineLike(const ContentLines& lines, const Component& master,
                                       const FileTimes& times, UtcSeconds utc,
                                       const QByteArray& name) {
    const auto startLine = lines.property(master, "DTSTART");
    const PropertyPtr start = startLine ? readProperty(lines.logical(*startLine)) : nullptr;
    if (!start)
        return std::nullopt;
    const QByteArray tzid = parameterValue(lines.logical(*startLine), "TZID");
    const icaltimetype t =
        times.like(icalproperty_get_dtstart(start.get()), QString::fromUtf8(tzid), utc);
    QByteArray line = name;
    if (t.is_date)
        line += ";VALUE=DATE";
    else if (!tzid.isEmpty() && !icaltime_is_utc(t))
        line += ";TZID=" + quotedParameter(tzid);
    return line + ':' + icalTimeText(t);
}

std::vector<Component> overridesAt(const ContentLines& lines,
                                   const std::vector<Component>& components, const FileTimes& times,
                                   UtcSeconds utc) {
    std::vector<Component> found;
    for (const Component& c : components) {
        const auto ridLine = lines.property(c, "RECURRENCE-ID");
        const PropertyPtr rid = ridLine ? readProperty(lines.logical(*ridLine)) : nullptr;
        const QString tzid =
            ridLine ? QString::fromUtf8(parameterValue(lines.logical(*ridLine), "TZID"))
                    : QString();
        if (rid && times.toUtc(icalproperty_get_recurrenceid(rid.get()), tzid) == utc)
            found.push_back(c);
    }
    return found;
}

namespace {

kit::Result<FileChange> withoutOccurrence(const QByteArray& current, const QString& file,
                                          const QString& uid, UtcSeconds wanted, ZoneTable& zones,
                                          kit::Instant now) {
    ContentLines lines(current);
    const auto events = itemComponents(lines, "VEVENT", uid, file);
    if (events.empty())
        return kit::fail(
            QCoreApplication::translate("VdirEditor", "No event %1 in %2.").arg(uid, file));
    if (!hasOccurrence(current, uid, wanted, zones, file))
        return kit::fail(QCoreApplication::translate(
                             "VdirEditor", "The event %1 has no occurrence at that time in %2.")
                             .arg(uid, file));
    const auto master = std::find_if(events.begin(), events.end(), [&](const Component& c) {
        return !lines.property(c, "RECURRENCE-ID");
    });
    if (master != events.end() && !hasRule(lines, *master)) {
        removeAll(lines, events); // a single event: the occurrence is the event
        return finishEdit(lines, current);
    }
    const ComponentPtr root(icalparser_parse_string(current.constData()));
    const FileTimes times(root.get(), zones);
    std::optional<QByteArray> exdate;
    if (master != events.end()) {
        exdate = timeLineLike(lines, *master, times, wanted, "EXDATE");
        if (!exdate)
            return kit::fail(QCoreApplication::translate(
                                 "VdirEditor", "The event %1 in %2 has no readable start.")
                                 .arg(uid, file));
    }
    removeAll(lines, overridesAt(lines, events, times, wanted));
    for (const Component& c : itemComponents(lines, "VEVENT", uid, file)) {
        if (exdate && !lines.property(c, "RECURRENCE-ID")) {
            touch(lines, lines.addProperty(c, *exdate), now, true);
            break;
        }
    }
    auto change = finishEdit(lines, current);
    if (change && change->kind == FileChange::Kind::replace &&
        hasOccurrence(change->text, uid, wanted, zones, file))
        return kit::fail(QCoreApplication::translate(
                             "VdirEditor", "The occurrence of %1 in %2 could not be excluded.")
                             .arg(uid, file));
    return change;
}

kit::Result<FileChange> withoutItem(const QByteArray& current, const QString& file,
                                    const QByteArray& type, const QString& uid) {
    ContentLines lines(current);
    const auto components = itemComponents(lines, type, uid, file);
    if (components.empty())
        return kit::fail(
            type == "VTODO"
                ? QCoreApplication::translate("VdirEditor", "No reminder %1 in %2.").arg(uid, file)
                : QCoreApplication::translate("VdirEditor", "No event %1 in %2.").arg(uid, file));
    removeAll(lines, components);
    return finishEdit(lines, current);
}

// Reads the file, lets `change` edit the VTODO `uid` and writes the file back. `change`
// answers the component, or nullopt when there is nothing to change.
using TodoChange = std::function<std::optional<Component>(ContentLines&, Component)>;

kit::Result<void> editTodo(const QString& file, const QString& uid, const TodoChange& change) {
    return editFile(file, [&](const QByteArray& current) -> kit::Result<FileChange> {
        ContentLines lines(current);
        const auto todos = itemComponents(lines, "VTODO", uid, file);
        if (todos.empty())
            return kit::fail(
                QCoreApplication::translate("VdirEditor", "No reminder %1 in %2.").arg(uid, file));
        if (!change(lines, todos.front()))
            return FileChange::keep();
        return finishEdit(lines, current);
    });
}

} // namespace

QByteArray dueLine(const DueDate& due) {
    const QByteArray date = due.date.toString(QStringLiteral("yyyyMMdd")).toLatin1();
    if (!due.time)
        return "DUE;VALUE=DATE:" + date;
    const QByteArray local = date + 'T' + due.time->toString(QStringLiteral("HHmmss")).toLatin1();
    if (due.timeZoneId == QLatin1String("UTC"))
        return "DUE:" + local + 'Z';
    if (due.timeZoneId.isEmpty())
        return "DUE:" + local;
    return "DUE;TZID=" + quotedParameter(due.timeZoneId.toUtf8()) + ':' + local;
}

kit::Result<void> removeEventOccurrence(const QString& file, const QString& uid,
                                        kit::Instant occurrence, ZoneTable& zones,
                                        kit::Instant now) {
    const UtcSeconds wanted = kit::msecsSinceEpoch(occurrence) / 1000;
    return editFile(file, [&](const QByteArray& current) {
        return withoutOccurrence(current, file, uid, wanted, zones, now);
    });
}

kit::Result<void> removeEventSeries(const QString& file, const QString& uid) {
    return editFile(
        file, [&](const QByteArray& current) { return withoutItem(current, file, "VEVENT", uid); });
}

kit::Result<void> removeTodo(const QString& file, const QString& uid) {
    return editFile(
        file, [&](const QByteArray& current) { return withoutItem(current, file, "VTODO", uid); });
}

kit::Result<void> completeTodo(const QString& file, const QString& uid, kit::Instant now) {
    return editTodo(
        file, uid, [&](ContentLines& lines, Component todo) -> std::optional<Component> {
            const bool hasStatus = lines.value(todo, "STATUS").trimmed().toUpper() == "COMPLETED";
            const bool hasTime = lines.property(todo, "COMPLETED").has_value();
            if (hasStatus && hasTime)
                return std::nullopt; // completed already: its completion time stays
            todo = lines.setProperty(todo, "STATUS:COMPLETED");
            if (!hasTime)
                todo = lines.setProperty(todo, "COMPLETED:" + icalUtcText(now));
            if (lines.property(todo, "PERCENT-COMPLETE"))
                todo = lines.setProperty(todo, "PERCENT-COMPLETE:100");
            return touch(lines, todo, now, true);
        });
}

kit::Result<void> setTodoDue(const QString& file, const QString& uid,
                             const std::optional<DueDate>& due, kit::Instant now) {
    return editTodo(file, uid, [&](ContentLines& lines, Component todo) {
        todo = lines.removeProperties(todo, "DURATION"); // DURATION counts from DTSTART to DUE
        todo = due ? lines.setProperty(todo, dueLine(*due)) : lines.removeProperties(todo, "DUE");
        return std::optional(touch(lines, todo, now, true));
    });
}

kit::Result<void> setTodoPriority(const QString& file, const QString& uid, int priority,
                                  kit::Instant now) {
    return editTodo(file, uid, [&](ContentLines& lines, Component todo) {
        todo = priority > 0
                   ? lines.setProperty(todo,
                                       "PRIORITY:" + QByteArray::number(std::clamp(priority, 1, 9)))
                   : lines.removeProperties(todo, "PRIORITY");
        return std::optional(touch(lines, todo, now, false));
    });
}

} // namespace ruvo::platform::vdir
