// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirWriter.h"

#include "kit/AtomicFile.h"
#include "kit/LocalTime.h"
#include "platform/linux/VdirIcal.h"

#include <QCryptographicHash>
#include <QTimeZone>
#include <QUuid>
#include <libical/ical.h>

namespace ruvo::platform::vdir {

namespace {

constexpr int kMaxNameLength = 200;  // well below the 255 bytes file systems allow
constexpr int kMaxNameAttempts = 50; // names tried for one new item

icaltimetype dateOf(kit::Instant t, const QString& zoneId) {
    const QDate d = kit::localDate(t, zoneId);
    icaltimetype result = icaltime_null_date();
    result.year = d.year();
    result.month = d.month();
    result.day = d.day();
    return result;
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

kit::Result<NewItem> newItemText(icalcomponent* cal, const QString& uid) {
    auto bytes = serialize(cal);
    if (!bytes)
        return kit::fail(bytes.error());
    return NewItem{uid, *bytes};
}

icalcomponent* newItem(icalcomponent* cal, icalcomponent* item, const QString& uid,
                       kit::Instant now) {
    icalcomponent_add_property(item, icalproperty_new_uid(uid.toUtf8().constData()));
    icalcomponent_add_property(item, icalproperty_new_dtstamp(utcTime(now)));
    icalcomponent_add_component(cal, item);
    return item;
}

} // namespace

QString itemFileName(const QString& uid, int attempt) {
    QString safe;
    for (QChar c : uid)
        safe += (c.isLetterOrNumber() && c.unicode() < 128) || QStringLiteral("@._-").contains(c)
                    ? c
                    : QLatin1Char('_');
    const bool isSafe = safe == uid && !uid.isEmpty() && uid.size() <= kMaxNameLength &&
                        !uid.startsWith(QLatin1Char('.'));
    if (isSafe && attempt == 0)
        return uid + QLatin1String(".ics");
    // The exact UID's hash keeps UIDs apart that read alike once made safe ("a b", "a_b").
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(uid.toUtf8(), QCryptographicHash::Sha1).toHex().left(10));
    QString name = safe.left(kMaxNameLength - 20) + QLatin1Char('-') + hash;
    if (const int tries = isSafe ? attempt - 1 : attempt; tries > 0)
        name += QLatin1Char('-') + QString::number(tries + 1);
    return name + QLatin1String(".ics");
}

kit::Result<QString> writeNewItemFile(const QString& folder, const QString& uid,
                                      const QByteArray& bytes) {
    kit::ReplaceOptions options;
    options.mustBeNew = true;
    for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
        const QString path = folder + QLatin1Char('/') + itemFileName(uid, attempt);
        auto written = kit::replaceFile(path, bytes, options);
        if (!written)
            return kit::fail(written.error());
        if (*written == kit::ReplaceOutcome::written)
            return path;
    }
    return kit::fail(QStringLiteral("No free file name for %1 in %2.").arg(uid, folder));
}

namespace {

// A VTODO has no DTSTART here, so its alarms count from DUE (RELATED=END).
void addAlarms(icalcomponent* item, const std::vector<Alarm>& alarms, const QString& title,
               bool fromEnd) {
    for (const Alarm& a : alarms) {
        icalcomponent* alarm = icalcomponent_new_valarm();
        icaltriggertype trigger{icaltime_null_time(),
                                icaldurationtype_from_int(int(a.relativeOffset.count()))};
        icalproperty* p = icalproperty_new_trigger(trigger);
        if (fromEnd)
            icalproperty_add_parameter(p, icalparameter_new_related(ICAL_RELATED_END));
        icalcomponent_add_property(alarm, p);
        icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
        setText(alarm, icalproperty_new_description, title);
        icalcomponent_add_component(item, alarm);
    }
}

} // namespace

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
    auto item = newEventText(draft, zoneId, now);
    if (!item)
        return kit::fail(item.error());
    if (auto written = writeNewItemFile(folder, item->uid, item->text); !written)
        return kit::fail(written.error());
    return item->uid;
}

kit::Result<NewItem> newEventText(const EventDraft& draft, const QString& zoneId,
                                  kit::Instant now) {
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
    addAlarms(e, draft.alarms, draft.title, false);
    return newItemText(cal.get(), uid);
}

kit::Result<QString> writeNewReminder(const QString& folder, const ReminderDraft& draft,
                                      kit::Instant now) {
    auto item = newReminderText(draft, now);
    if (!item)
        return kit::fail(item.error());
    if (auto written = writeNewItemFile(folder, item->uid, item->text); !written)
        return kit::fail(written.error());
    return item->uid;
}

kit::Result<NewItem> newReminderText(const ReminderDraft& draft, kit::Instant now) {
    const QString uid = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    ComponentPtr cal = newCalendar();
    icalcomponent* t = newItem(cal.get(), icalcomponent_new_vtodo(), uid, now);
    setText(t, icalproperty_new_summary, draft.title);
    setText(t, icalproperty_new_description, draft.notes);
    if (draft.priority > 0)
        icalcomponent_add_property(t, icalproperty_new_priority(std::clamp(draft.priority, 1, 9)));
    if (draft.due) {
        icalcomponent_add_property(t, newDueProperty(*draft.due));
        addAlarms(t, draft.alarms, draft.title, true);
    }
    icalcomponent_add_property(t, icalproperty_new_status(ICAL_STATUS_NEEDSACTION));
    return newItemText(cal.get(), uid);
}

} // namespace ruvo::platform::vdir
