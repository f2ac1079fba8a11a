// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirWriter.h"

#include "kit/LocalTime.h"
#include "platform/linux/VdirIcal.h"

#include <QFile>
#include <QSaveFile>
#include <QTimeZone>
#include <QUuid>
#include <libical/ical.h>
#include <map>
#include <set>

namespace ruvo::platform::vdir {

namespace {

icaltimetype dateOf(kit::Instant t, const QString& zoneId) {
    const QDate d = kit::localDate(t, zoneId);
    icaltimetype result = icaltime_null_date();
    result.year = d.year();
    result.month = d.month();
    result.day = d.day();
    return result;
}

QString fileNameFor(const QString& uid) {
    QString name;
    for (QChar c : uid)
        name += (c.isLetterOrNumber() && c.unicode() < 128) || QStringLiteral("@._-").contains(c)
                    ? c
                    : QLatin1Char('_');
    return name.left(200) + QLatin1String(".ics");
}

ComponentPtr newCalendar() {
    ComponentPtr cal(icalcomponent_new_vcalendar());
    icalcomponent_add_property(cal.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(cal.get(), icalproperty_new_prodid("-//Ruvo//Ruvo//EN"));
    return cal;
}

void setText(icalcomponent* c, icalproperty* (*make)(const char*), const QString& value) {
    if (!value.isEmpty())
        icalcomponent_add_property(c, make(value.toUtf8().constData()));
}

kit::Result<QString> writeItem(const QString& folder, icalcomponent* cal, const QString& uid) {
    auto bytes = serialize(cal);
    if (!bytes)
        return kit::fail(bytes.error());
    if (auto r = writeFileAtomically(folder + QLatin1Char('/') + fileNameFor(uid), *bytes); !r)
        return kit::fail(r.error());
    return uid;
}

icalcomponent* newItem(icalcomponent* cal, icalcomponent* item, const QString& uid,
                       kit::Instant now) {
    icalcomponent_add_property(item, icalproperty_new_uid(uid.toUtf8().constData()));
    icalcomponent_add_property(item, icalproperty_new_dtstamp(utcTime(now)));
    icalcomponent_add_component(cal, item);
    return item;
}

icalcomponent* findTodo(icalcomponent* cal, const QString& uid) {
    const QByteArray wanted = uid.toUtf8();
    for (icalcomponent* c = icalcomponent_get_first_component(cal, ICAL_VTODO_COMPONENT); c;
         c = icalcomponent_get_next_component(cal, ICAL_VTODO_COMPONENT))
        if (const char* u = icalcomponent_get_uid(c); u && wanted == u)
            return c;
    return nullptr;
}

} // namespace

kit::Result<void> writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile f(path); // writes a new file, syncs it and renames it over `path` on commit
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit())
        return kit::fail(QStringLiteral("Cannot write %1: %2").arg(path, f.errorString()));
    return {};
}

icalproperty* newDueProperty(const DueDate& due) {
    icaltimetype value = icaltime_null_date();
    value.year = due.date.year();
    value.month = due.date.month();
    value.day = due.date.day();
    if (due.time) {
        value.is_date = 0;
        value.hour = due.time->hour();
        value.minute = due.time->minute();
        value.second = due.time->second();
        if (due.timeZoneId == QLatin1String("UTC"))
            value.zone = icaltimezone_get_utc_timezone();
    }
    icalproperty* p = icalproperty_new_due(value);
    if (due.time && !due.timeZoneId.isEmpty() && due.timeZoneId != QLatin1String("UTC"))
        icalproperty_add_parameter(p, icalparameter_new_tzid(due.timeZoneId.toUtf8().constData()));
    return p;
}

kit::Result<QString> writeNewEvent(const QString& folder, const EventDraft& draft,
                                   const QString& zoneId, kit::Instant now) {
    if (draft.end < draft.start)
        return kit::fail(QStringLiteral("The event ends before it starts."));
    const QString uid = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    ComponentPtr cal = newCalendar();
    icalcomponent* e = newItem(cal.get(), icalcomponent_new_vevent(), uid, now);
    if (draft.isAllDay) {
        icaltimetype start = dateOf(draft.start, zoneId);
        icaltimetype end = dateOf(draft.end, zoneId);
        if (icaltime_compare_date_only(end, start) <= 0)
            end = icaltime_add(start, icaldurationtype_from_int(86400));
        icalcomponent_add_property(e, icalproperty_new_dtstart(start));
        icalcomponent_add_property(e, icalproperty_new_dtend(end));
    } else {
        icalcomponent_add_property(e, icalproperty_new_dtstart(utcTime(draft.start)));
        icalcomponent_add_property(e, icalproperty_new_dtend(utcTime(draft.end)));
    }
    setText(e, icalproperty_new_summary, draft.title);
    setText(e, icalproperty_new_location, draft.location);
    setText(e, icalproperty_new_url, draft.url);
    setText(e, icalproperty_new_description, draft.notes);
    for (const Alarm& a : draft.alarms) {
        icalcomponent* alarm = icalcomponent_new_valarm();
        icaltriggertype trigger{icaltime_null_time(),
                                icaldurationtype_from_int(int(a.relativeOffset.count()))};
        icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
        icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
        setText(alarm, icalproperty_new_description, draft.title);
        icalcomponent_add_component(e, alarm);
    }
    return writeItem(folder, cal.get(), uid);
}

kit::Result<QString> writeNewReminder(const QString& folder, const ReminderDraft& draft,
                                      kit::Instant now) {
    const QString uid = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    ComponentPtr cal = newCalendar();
    icalcomponent* t = newItem(cal.get(), icalcomponent_new_vtodo(), uid, now);
    setText(t, icalproperty_new_summary, draft.title);
    setText(t, icalproperty_new_description, draft.notes);
    if (draft.priority > 0)
        icalcomponent_add_property(t, icalproperty_new_priority(std::clamp(draft.priority, 1, 9)));
    if (draft.due)
        icalcomponent_add_property(t, newDueProperty(*draft.due));
    icalcomponent_add_property(t, icalproperty_new_status(ICAL_STATUS_NEEDSACTION));
    return writeItem(folder, cal.get(), uid);
}

kit::Result<void> completeTodo(const QString& file, const QString& uid, kit::Instant now) {
    ComponentPtr cal = readCalendar(file);
    icalcomponent* todo = cal ? findTodo(cal.get(), uid) : nullptr;
    if (!todo)
        return kit::fail(QStringLiteral("No reminder %1 in %2.").arg(uid, file));
    icalcomponent_set_status(todo, ICAL_STATUS_COMPLETED);
    icalcomponent_add_property(todo, icalproperty_new_completed(utcTime(now)));
    auto bytes = serialize(cal.get());
    if (!bytes)
        return kit::fail(bytes.error());
    return writeFileAtomically(file, *bytes);
}

kit::Result<void> removeTodo(const QString& file, const QString& uid) {
    ComponentPtr cal = readCalendar(file);
    icalcomponent* todo = cal ? findTodo(cal.get(), uid) : nullptr;
    if (!todo)
        return kit::fail(QStringLiteral("No reminder %1 in %2.").arg(uid, file));
    icalcomponent_remove_component(cal.get(), todo);
    icalcomponent_free(todo);
    const bool isEmpty = !icalcomponent_get_first_component(cal.get(), ICAL_VTODO_COMPONENT) &&
                         !icalcomponent_get_first_component(cal.get(), ICAL_VEVENT_COMPONENT);
    if (isEmpty)
        return QFile::remove(file) ? kit::Result<void>()
                                   : kit::fail(QStringLiteral("Cannot remove %1.").arg(file));
    auto bytes = serialize(cal.get());
    if (!bytes)
        return kit::fail(bytes.error());
    return writeFileAtomically(file, *bytes);
}

kit::Result<ImportCounts> importCalendar(const QByteArray& text, const QString& eventsFolder,
                                         const QString& remindersFolder, kit::Instant now) {
    ComponentPtr source(icalparser_parse_string(text.constData()));
    if (!source || icalcomponent_isa(source.get()) != ICAL_VCALENDAR_COMPONENT)
        return kit::fail(QStringLiteral("The file is not an iCalendar file."));
    // Collected first: looking up components restarts libical's one iterator per parent.
    std::vector<icalcomponent*> zones, items;
    for (icalcomponent* c = icalcomponent_get_first_component(source.get(), ICAL_ANY_COMPONENT); c;
         c = icalcomponent_get_next_component(source.get(), ICAL_ANY_COMPONENT)) {
        const auto kind = icalcomponent_isa(c);
        if (kind == ICAL_VTIMEZONE_COMPONENT)
            zones.push_back(c);
        else if (kind == ICAL_VEVENT_COMPONENT || kind == ICAL_VTODO_COMPONENT)
            items.push_back(c);
    }
    std::map<QString, ComponentPtr> byUid;
    std::map<QString, bool> isTodo;
    ImportCounts counts;
    for (icalcomponent* c : items) {
        const bool todo = icalcomponent_isa(c) == ICAL_VTODO_COMPONENT;
        QString uid = QString::fromUtf8(icalcomponent_get_uid(c));
        if (uid.isEmpty()) {
            uid = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
            icalcomponent_add_property(c, icalproperty_new_uid(uid.toUtf8().constData()));
        }
        if (!icalcomponent_get_first_property(c, ICAL_DTSTAMP_PROPERTY))
            icalcomponent_add_property(c, icalproperty_new_dtstamp(utcTime(now)));
        auto& cal = byUid[uid];
        if (!cal) {
            cal = newCalendar();
            for (icalcomponent* z : zones)
                icalcomponent_add_component(cal.get(), icalcomponent_new_clone(z));
            isTodo[uid] = todo;
            (todo ? counts.reminders : counts.events)++;
        }
        icalcomponent_add_component(cal.get(), icalcomponent_new_clone(c));
    }
    for (auto& [uid, cal] : byUid) {
        auto written = writeItem(isTodo[uid] ? remindersFolder : eventsFolder, cal.get(), uid);
        if (!written)
            return kit::fail(written.error());
    }
    return counts;
}

} // namespace ruvo::platform::vdir
