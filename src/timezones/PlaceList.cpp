// SPDX-License-Identifier: GPL-3.0-or-later
#include "timezones/PlaceList.h"

#include "kit/LocalTime.h"
#include "kit/SystemTimeZones.h"
#include "settings/records/ZuTimeZone.h"
#include "timezones/TimeZoneSearch.h"
#include "timezones/TimeZonesLog.h"
#include "timezones/ZoneTexts.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace ruvo::timezones {

namespace {

const QString kResourceName = QStringLiteral("time-zones");
const QString kUnknown = QStringLiteral("<Unknown>");

struct GenericZone {
    const char* name;
    const char* identifier;
};
constexpr GenericZone kUnitedStates[] = {
    {"Eastern Time — ET (EST/EDT)", "America/New_York"},
    {"Central Time — CT (CST/CDT)", "America/Chicago"},
    {"Mountain Time — MT (MST/MDT)", "America/Denver"},
    {"Pacific Time — PT (PST/PDT)", "America/Los_Angeles"},
};

std::optional<JsonTimeZone> decodePlace(const QJsonValue& value) {
    const QJsonObject o = value.toObject();
    const QJsonValue name = o.value(QLatin1String("name"));
    const QJsonValue country = o.value(QLatin1String("country"));
    const QJsonValue zone = o.value(QLatin1String("timeZone"));
    const QJsonValue admin = o.value(QLatin1String("adminName"));
    if (!name.isString() || !country.isString() || !zone.isString() ||
        !(admin.isUndefined() || admin.isString()))
        return std::nullopt;
    JsonTimeZone place{name.toString(), country.toString(), zone.toString(), std::nullopt,
                       o.value(QLatin1String("searchNames")).toString()};
    if (admin.isString())
        place.adminName = admin.toString();
    return place;
}

QString key(const JsonTimeZone& p) {
    return p.name + QChar(1) + p.country + QChar(1) + p.timeZone + QChar(1) +
           p.adminName.value_or(QStringLiteral("\2"));
}

// "são paulo" -> "sao paulo": decomposed, combining marks dropped.
QString withoutMarks(const QString& text) {
    bool isAscii = true;
    for (QChar c : text)
        isAscii = isAscii && c.unicode() < 0x80;
    if (isAscii)
        return text;
    QString out = text.normalized(QString::NormalizationForm_D);
    out.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    return out;
}

struct ZoneTexts {
    QString abbreviation;
    QString label;
};

TimeZoneResult resultFor(const JsonTimeZone& place, const ZoneTexts& zone) {
    TimeZoneResult r;
    r.id = QUuid::createUuid();
    r.city = place.name;
    r.country = place.country;
    r.timeZoneIdentifier = place.timeZone;
    r.timeZoneAbbreviation = zone.abbreviation;
    r.displayTimeZone = zone.label;
    QStringList parts{place.name};
    if (place.adminName && !place.adminName->isEmpty())
        parts << *place.adminName;
    if (!place.country.isEmpty())
        parts << place.country;
    r.displayPlace = parts.join(QStringLiteral(", "));
    r.displayText = r.displayPlace;
    r.countrySearchable = place.country.toLower();
    const QString lower = r.displayPlace.toLower();
    QStringList forms{lower};
    if (const QString plain = withoutMarks(lower); plain != lower)
        forms << plain;
    if (!place.searchNames.isEmpty())
        forms << place.searchNames;
    if (place.country.isEmpty()) { // zone entries are also found by their identifier
        const QString id = place.timeZone.toLower();
        forms << QString(id).replace(QLatin1Char('_'), QLatin1Char(' '))
              << QString(id).remove(QLatin1Char('_'));
    }
    r.displayPlaceSearchable = forms.join(QLatin1Char('|'));
    return r;
}

std::vector<JsonTimeZone> loadResource() {
    const QString path = QStringLiteral(":/") + kResourceName + QStringLiteral(".json");
    QFile file(path);
    if (!file.exists())
        qFatal("Failed to locate %s in the bundle.", qPrintable(kResourceName));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("Failed to load %s from the bundle.", qPrintable(kResourceName));
    auto places = JsonTimeZone::decodeList(file.readAll());
    if (!places)
        qFatal("Failed to decode %s from the bundle.", qPrintable(kResourceName));
    return std::move(places.value());
}

} // namespace

kit::Result<std::vector<JsonTimeZone>> JsonTimeZone::decodeList(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (!document.isArray())
        return kit::fail(error.errorString());
    std::vector<JsonTimeZone> places;
    const QJsonArray array = document.array();
    places.reserve(array.size());
    for (qsizetype i = 0; i < array.size(); ++i) {
        auto place = decodePlace(array.at(i));
        if (!place)
            return kit::fail(QStringLiteral("place %1 is not a place").arg(i));
        places.push_back(std::move(*place));
    }
    return places;
}

std::vector<JsonTimeZone> PlaceList::withGeneratedEntries(std::vector<JsonTimeZone> places,
                                                          kit::Instant now) {
    QSet<QString> generic;
    for (const GenericZone& g : kUnitedStates) {
        places.push_back({QString::fromUtf8(g.name),
                          QStringLiteral("United States"),
                          QLatin1String(g.identifier),
                          std::nullopt,
                          {}});
        generic.insert(QLatin1String(g.identifier));
    }
    for (const QString& id : kit::SystemTimeZones::all()) {
        const auto zone = settings::ZuTimeZone::make(id);
        const auto abbreviation = zone ? normalizedAbbreviation(*zone, now) : std::nullopt;
        if (!abbreviation || generic.contains(id))
            continue;
        QString name = *abbreviation;
        if (name == QLatin1String("BST")) // British Summer Time and Bangladesh Standard Time
            name += QStringLiteral(" (") + id + QLatin1Char(')');
        places.push_back({name, QString(), id, std::nullopt, {}});
    }
    places.push_back(
        {QStringLiteral("UTC-12"), QString(), QStringLiteral("Etc/GMT+12"), std::nullopt, {}});
    return places;
}

std::vector<TimeZoneResult> PlaceList::prepare(const std::vector<JsonTimeZone>& places,
                                               kit::Instant now) {
    QHash<QString, ZoneTexts> zones; // a few hundred zones for tens of thousands of places
    QSet<QString> seen;
    std::vector<TimeZoneResult> results;
    results.reserve(places.size());
    for (const JsonTimeZone& place : places) {
        const QString k = key(place);
        if (seen.contains(k))
            continue;
        seen.insert(k);
        auto it = zones.find(place.timeZone);
        if (it == zones.end()) {
            const auto zone = settings::ZuTimeZone::make(place.timeZone);
            ZoneTexts texts{kUnknown, kUnknown};
            if (zone)
                texts = {normalizedAbbreviation(*zone, now).value_or(kUnknown),
                         zoneLabel(*zone, now)};
            it = zones.insert(place.timeZone, texts);
        }
        results.push_back(resultFor(place, *it));
    }
    return results;
}

PlaceList::PlaceList() = default;
PlaceList::~PlaceList() = default;

const TimeZoneCandidates& PlaceList::candidates(kit::Instant now) {
    const QDate day = kit::localDate(now, QStringLiteral("UTC"));
    if (!m_candidates || day != m_preparedDay) {
        m_candidates = std::make_unique<TimeZoneCandidates>(
            prepare(withGeneratedEntries(loadResource(), now), now));
        m_preparedDay = day;
        qCInfo(lcTimeZones) << "Finished loading timezone data";
    }
    return *m_candidates;
}

} // namespace ruvo::timezones
