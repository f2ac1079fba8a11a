// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirOwnZones.h"

#include "kit/SystemTimeZones.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QRegularExpression>
#include <QTimeZone>
#include <libical/ical.h>

namespace ruvo::platform::vdir {

namespace {

constexpr qint64 kDay = 86400;

qint64 yearStart(int year) {
    return QDateTime(QDate(year, 1, 1), QTime(0, 0), Qt::UTC).toSecsSinceEpoch();
}

int offsetOf(icaltimezone* zone, qint64 utc) {
    icaltimetype t =
        icaltime_from_timet_with_zone(static_cast<time_t>(utc), 0, icaltimezone_get_utc_timezone());
    int isDaylight = 0;
    return icaltimezone_get_utc_offset_of_utc_time(zone, &t, &isDaylight);
}

struct Transitions {
    std::vector<UtcSeconds> at;
    std::vector<int> offsets; // offsets[0] at the start, offsets[i + 1] from at[i]
};

// The zone's changes of offset in [from, to): a look a day apart finds each, halving that
// day finds its second. No zone changes twice within a day.
Transitions transitionsOf(icaltimezone* zone, qint64 from, qint64 to) {
    Transitions result;
    result.offsets.push_back(offsetOf(zone, from));
    for (qint64 day = from; day < to; day += kDay) {
        const qint64 next = std::min(day + kDay, to);
        if (offsetOf(zone, next) == result.offsets.back())
            continue;
        qint64 low = day, high = next; // the offset changes in (low, high]
        while (high - low > 1) {
            const qint64 middle = low + (high - low) / 2;
            (offsetOf(zone, middle) == result.offsets.back() ? low : high) = middle;
        }
        result.at.push_back(high);
        result.offsets.push_back(offsetOf(zone, high));
    }
    return result;
}

bool matches(const QString& id, qint64 from, qint64 to, const std::vector<UtcSeconds>& at,
             const std::vector<int>& offsets) {
    const QTimeZone zone(id.toUtf8());
    const QDateTime start = QDateTime::fromSecsSinceEpoch(from, Qt::UTC);
    if (!zone.isValid() || zone.offsetFromUtc(start) != offsets.front())
        return false;
    std::size_t i = 0;
    int current = offsets.front();
    for (const auto& t : zone.transitions(start, QDateTime::fromSecsSinceEpoch(to - 1, Qt::UTC))) {
        if (t.offsetFromUtc == current) // a change of name only
            continue;
        if (i == at.size() || at[i] != t.atUtc.toSecsSinceEpoch() ||
            offsets[i + 1] != t.offsetFromUtc)
            return false;
        current = t.offsetFromUtc;
        ++i;
    }
    return i == at.size();
}

// Cities the name mentions ("Amsterdam, Berlin, Bern" or "Eastern") as a zone id's last part
// would spell them.
QStringList citiesIn(const QString& tzid) {
    QString text = tzid;
    text.remove(QRegularExpression(QStringLiteral("\\(.*?\\)")));
    QStringList cities;
    for (QString part : text.split(QRegularExpression(QStringLiteral("[,/]")), Qt::SkipEmptyParts))
        if (part = part.trimmed().replace(QLatin1Char(' '), QLatin1Char('_')); !part.isEmpty())
            cities << part;
    return cities;
}

bool isSingle(const short* byValues) {
    return byValues[0] == ICAL_RECURRENCE_ARRAY_MAX || byValues[1] == ICAL_RECURRENCE_ARRAY_MAX;
}

bool isPlausibleRule(const icalrecurrencetype& r) {
    return (r.freq == ICAL_YEARLY_RECURRENCE || r.freq == ICAL_MONTHLY_RECURRENCE) &&
           isSingle(r.by_hour) && isSingle(r.by_minute) && isSingle(r.by_second);
}

bool isPlausiblePart(icalcomponent* part) {
    if (icalcomponent_count_properties(part, ICAL_RDATE_PROPERTY) > kMaxZoneRdates)
        return false;
    for (icalproperty* p = icalcomponent_get_first_property(part, ICAL_RRULE_PROPERTY); p;
         p = icalcomponent_get_next_property(part, ICAL_RRULE_PROPERTY))
        if (!isPlausibleRule(icalproperty_get_rrule(p)))
            return false;
    return true;
}

} // namespace

icaltimezone* usableOwnZone(icalcomponent* root, const QString& tzid) {
    icaltimezone* own =
        root ? icalcomponent_get_timezone(root, tzid.toUtf8().constData()) : nullptr;
    icalcomponent* definition = own ? icaltimezone_get_component(own) : nullptr;
    if (!definition)
        return nullptr;
    for (icalcomponent* part = icalcomponent_get_first_component(definition, ICAL_ANY_COMPONENT);
         part; part = icalcomponent_get_next_component(definition, ICAL_ANY_COMPONENT))
        if (!isPlausiblePart(part))
            return nullptr;
    return own;
}

QString matchingSystemZone(const QString& tzid, qint64 from, qint64 to,
                           const std::vector<UtcSeconds>& at, const std::vector<int>& offsets) {
    const QStringList all = kit::SystemTimeZones::all();
    QStringList named;
    const QStringList cities = citiesIn(tzid);
    for (const auto& id : all)
        if (cities.contains(id.section(QLatin1Char('/'), -1), Qt::CaseInsensitive))
            named << id;
    for (const auto& id : named)
        if (matches(id, from, to, at, offsets))
            return id;
    // Region zones only: the POSIX-style and Etc/ names say nothing about a place.
    for (const auto& id : all)
        if (id.contains(QLatin1Char('/')) && !id.startsWith(QLatin1String("Etc/")) &&
            !named.contains(id) && matches(id, from, to, at, offsets))
            return id;
    return {};
}

std::optional<ZoneIndex> ownZone(ZoneTable& zones, const QString& tzid, icaltimezone* own,
                                 int fromYear) {
    icalcomponent* definition = icaltimezone_get_component(own);
    if (!definition)
        return std::nullopt;
    char* text = icalcomponent_as_ical_string_r(definition);
    const QByteArray hash =
        QCryptographicHash::hash(QByteArray(text ? text : ""), QCryptographicHash::Sha1).toHex();
    icalmemory_free_buffer(text);
    const QString key =
        QStringLiteral("%1#%2@%3").arg(tzid, QString::fromLatin1(hash.left(12))).arg(fromYear);
    if (auto known = zones.registered(key))
        return known;
    const qint64 from = yearStart(fromYear);
    const qint64 to = yearStart(fromYear + kOwnZoneYears);
    const Transitions own_ = transitionsOf(own, from, to);
    const QString system = matchingSystemZone(tzid, from, to, own_.at, own_.offsets);
    if (!system.isEmpty()) {
        if (auto zone = zones.zone(system)) {
            zones.addAlias(key, *zone);
            return zone;
        }
    }
    return zones.addZone(key, own_.at, own_.offsets);
}

} // namespace ruvo::platform::vdir
