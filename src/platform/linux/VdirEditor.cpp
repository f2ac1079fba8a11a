// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirEditor.h"

#include "platform/linux/VdirIcal.h"
#include "platform/linux/VdirRecords.h"
#include "platform/linux/VdirWriter.h"

#include <functional>
#include <vector>

namespace ruvo::platform::vdir {

namespace {

QString tzidOf(icalproperty* p) {
    icalparameter* param = icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER);
    const char* id = param ? icalparameter_get_tzid(param) : nullptr;
    return id ? QString::fromUtf8(id) : QString();
}

// Reads and writes the times of one file the way the store's parser reads them.
class FileTimes {
public:
    FileTimes(icalcomponent* root, ZoneTable& zones) : m_root(root), m_zones(zones) {}

    UtcSeconds toUtc(icaltimetype t, const QString& tzid) const {
        const LocalSeconds local = localSeconds(t.year, t.month, t.day, t.hour, t.minute, t.second);
        if (t.is_date)
            return m_zones.toUtc(m_zones.currentZone(), localSeconds(t.year, t.month, t.day));
        if (icaltime_is_utc(t))
            return local;
        if (!tzid.isEmpty()) {
            if (auto zone = m_zones.zone(tzid))
                return m_zones.toUtc(*zone, local);
            if (icaltimezone* own = ownZone(tzid)) {
                t.zone = own;
                return icaltime_as_timet_with_zone(t, own);
            }
        }
        return m_zones.toUtc(m_zones.currentZone(), local);
    }

    // `utc` written like `like` (a date, UTC, a TZID's wall clock or a floating time).
    icaltimetype like(icaltimetype like, const QString& tzid, UtcSeconds utc) const {
        if (icaltime_is_utc(like) && !like.is_date)
            return icaltime_from_timet_with_zone(time_t(utc), 0, icaltimezone_get_utc_timezone());
        ZoneIndex zone = m_zones.currentZone();
        if (!like.is_date && !tzid.isEmpty()) {
            if (auto known = m_zones.zone(tzid)) {
                zone = *known;
            } else if (icaltimezone* own = ownZone(tzid)) {
                icaltimetype t = icaltime_from_timet_with_zone(time_t(utc), 0, own);
                t.zone = nullptr;
                return t;
            }
        }
        return fromLocal(m_zones.toLocal(zone, utc), like.is_date != 0);
    }

private:
    icaltimezone* ownZone(const QString& tzid) const {
        return icalcomponent_get_timezone(m_root, tzid.toUtf8().constData());
    }
    static icaltimetype fromLocal(LocalSeconds local, bool isDate) {
        const qint64 days = local >= 0 ? local / 86400 : (local - 86399) / 86400;
        const qint64 seconds = local - days * 86400;
        icaltimetype t = icaltime_null_time();
        civilFromDays(days, t.year, t.month, t.day);
        t.is_date = isDate ? 1 : 0;
        if (!isDate) {
            t.hour = int(seconds / 3600);
            t.minute = int(seconds / 60 % 60);
            t.second = int(seconds % 60);
        }
        return t;
    }

    icalcomponent* m_root;
    ZoneTable& m_zones;
};

std::vector<icalcomponent*> componentsWithUid(icalcomponent* cal, icalcomponent_kind kind,
                                              const QString& uid) {
    const QByteArray wanted = uid.toUtf8();
    std::vector<icalcomponent*> found;
    for (icalcomponent* c = icalcomponent_get_first_component(cal, kind); c;
         c = icalcomponent_get_next_component(cal, kind))
        if (const char* u = icalcomponent_get_uid(c); u && wanted == u)
            found.push_back(c);
    return found;
}

bool hasRule(icalcomponent* c) {
    return icalcomponent_get_first_property(c, ICAL_RRULE_PROPERTY) ||
           icalcomponent_get_first_property(c, ICAL_RDATE_PROPERTY);
}

void removeProperties(icalcomponent* c, icalproperty_kind kind) {
    while (icalproperty* p = icalcomponent_get_first_property(c, kind)) {
        icalcomponent_remove_property(c, p);
        icalproperty_free(p);
    }
}

void touch(icalcomponent* c, kit::Instant now) {
    removeProperties(c, ICAL_LASTMODIFIED_PROPERTY);
    removeProperties(c, ICAL_DTSTAMP_PROPERTY);
    icalcomponent_add_property(c, icalproperty_new_lastmodified(utcTime(now)));
    icalcomponent_add_property(c, icalproperty_new_dtstamp(utcTime(now)));
}

kit::Result<void> writeBack(const QString& file, icalcomponent* cal) {
    const bool isEmpty = !icalcomponent_get_first_component(cal, ICAL_VTODO_COMPONENT) &&
                         !icalcomponent_get_first_component(cal, ICAL_VEVENT_COMPONENT);
    if (isEmpty)
        return QFile::remove(file) ? kit::Result<void>()
                                   : kit::fail(QStringLiteral("Cannot remove %1.").arg(file));
    auto bytes = serialize(cal);
    if (!bytes)
        return kit::fail(bytes.error());
    return writeFileAtomically(file, *bytes);
}

void removeComponent(icalcomponent* cal, icalcomponent* c) {
    icalcomponent_remove_component(cal, c);
    icalcomponent_free(c);
}

void addExdate(icalcomponent* master, const FileTimes& times, UtcSeconds occurrence) {
    icalproperty* start = icalcomponent_get_first_property(master, ICAL_DTSTART_PROPERTY);
    const QString tzid = tzidOf(start);
    const icaltimetype t = times.like(icalproperty_get_dtstart(start), tzid, occurrence);
    icalproperty* exdate = icalproperty_new_exdate(t);
    if (!tzid.isEmpty() && !t.is_date && !icaltime_is_utc(t))
        icalproperty_add_parameter(exdate, icalparameter_new_tzid(tzid.toUtf8().constData()));
    icalcomponent_add_property(master, exdate);
}

} // namespace

kit::Result<void> removeEventOccurrence(const QString& file, const QString& uid,
                                        kit::Instant occurrence, ZoneTable& zones) {
    ComponentPtr cal = readCalendar(file);
    if (!cal)
        return kit::fail(QStringLiteral("Cannot read %1.").arg(file));
    const FileTimes times(cal.get(), zones);
    const UtcSeconds wanted = kit::msecsSinceEpoch(occurrence) / 1000;
    icalcomponent* master = nullptr;
    bool found = false;
    for (icalcomponent* c : componentsWithUid(cal.get(), ICAL_VEVENT_COMPONENT, uid)) {
        icalproperty* rid = icalcomponent_get_first_property(c, ICAL_RECURRENCEID_PROPERTY);
        if (!rid) {
            master = c;
        } else if (times.toUtc(icalproperty_get_recurrenceid(rid), tzidOf(rid)) == wanted) {
            removeComponent(cal.get(), c);
            found = true;
        }
    }
    if (master && !hasRule(master))
        return removeEventSeries(file, uid);
    if (master && icalcomponent_get_first_property(master, ICAL_DTSTART_PROPERTY)) {
        addExdate(master, times, wanted);
        found = true;
    }
    if (!found)
        return kit::fail(QStringLiteral("No such occurrence of %1 in %2.").arg(uid, file));
    return writeBack(file, cal.get());
}

kit::Result<void> removeEventSeries(const QString& file, const QString& uid) {
    ComponentPtr cal = readCalendar(file);
    if (!cal)
        return kit::fail(QStringLiteral("Cannot read %1.").arg(file));
    const auto components = componentsWithUid(cal.get(), ICAL_VEVENT_COMPONENT, uid);
    if (components.empty())
        return kit::fail(QStringLiteral("No event %1 in %2.").arg(uid, file));
    for (icalcomponent* c : components)
        removeComponent(cal.get(), c);
    return writeBack(file, cal.get());
}

namespace {

// Reads the file, lets `change` edit the reminder with `uid`, stamps it and writes it back.
kit::Result<void> editTodo(const QString& file, const QString& uid, kit::Instant now,
                           const std::function<void(icalcomponent*)>& change) {
    ComponentPtr cal = readCalendar(file);
    const auto todos = cal ? componentsWithUid(cal.get(), ICAL_VTODO_COMPONENT, uid)
                           : std::vector<icalcomponent*>{};
    if (todos.empty())
        return kit::fail(QStringLiteral("No reminder %1 in %2.").arg(uid, file));
    change(todos.front());
    touch(todos.front(), now);
    return writeBack(file, cal.get());
}

} // namespace

kit::Result<void> setTodoDue(const QString& file, const QString& uid,
                             const std::optional<DueDate>& due, kit::Instant now) {
    return editTodo(file, uid, now, [&](icalcomponent* todo) {
        removeProperties(todo, ICAL_DUE_PROPERTY);
        removeProperties(todo, ICAL_DURATION_PROPERTY); // DURATION counts from DTSTART to DUE
        if (due)
            icalcomponent_add_property(todo, newDueProperty(*due));
    });
}

kit::Result<void> setTodoPriority(const QString& file, const QString& uid, int priority,
                                  kit::Instant now) {
    return editTodo(file, uid, now, [&](icalcomponent* todo) {
        removeProperties(todo, ICAL_PRIORITY_PROPERTY);
        if (priority > 0)
            icalcomponent_add_property(todo, icalproperty_new_priority(std::clamp(priority, 1, 9)));
    });
}

} // namespace ruvo::platform::vdir
