// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirFileTimes.h"

#include "platform/linux/VdirOwnZones.h"
#include "platform/linux/VdirRecords.h"

namespace ruvo::platform::vdir {

namespace {

icaltimetype fromLocal(LocalSeconds local, bool isDate) {
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

} // namespace

icaltimezone* FileTimes::ownZone(const QString& tzid) const {
    return usableOwnZone(m_root, tzid);
}

UtcSeconds FileTimes::toUtc(icaltimetype t, const QString& tzid) const {
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

icaltimetype FileTimes::like(icaltimetype like, const QString& tzid, UtcSeconds utc) const {
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

QByteArray icalTimeText(icaltimetype t) {
    if (t.is_date)
        return QString::asprintf("%04d%02d%02d", t.year, t.month, t.day).toLatin1();
    return QString::asprintf("%04d%02d%02dT%02d%02d%02d%s", t.year, t.month, t.day, t.hour,
                             t.minute, t.second, icaltime_is_utc(t) ? "Z" : "")
        .toLatin1();
}

QByteArray icalUtcText(kit::Instant t) {
    return kit::toQDateTime(t).toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")).toLatin1();
}

} // namespace ruvo::platform::vdir
