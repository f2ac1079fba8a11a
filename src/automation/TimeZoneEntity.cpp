// SPDX-License-Identifier: GPL-3.0-or-later
#include "automation/TimeZoneEntity.h"

#include "kit/Time.h"
#include "settings/Json.h"
#include "timezones/ZoneTexts.h"

#include <iterator>

namespace ruvo::automation {

namespace {
const QString kId = QStringLiteral("id");
const QString kName = QStringLiteral("name");
const QString kAbbreviation = QStringLiteral("abbreviation");
const QString kZone = QStringLiteral("timeZoneIdentifier");
const QString kOffset = QStringLiteral("offset");
const QString kRaw = QStringLiteral("localTimeRaw");
const QString kLocal = QStringLiteral("localTime");

QString isoInZone(kit::Instant at, int utcOffset) {
    return kit::toQDateTime(at).toOffsetFromUtc(utcOffset).toString(Qt::ISODate);
}

std::optional<QString> text(const QVariantMap& map, const QString& key) {
    const QVariant value = map.value(key);
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}
} // namespace

TimeZoneEntity timeZoneEntity(const settings::ChosenTimeZone& entry,
                              const timezones::ChosenTimeZoneTexts& texts, kit::Instant at) {
    return TimeZoneEntity{
        settings::uuidText(entry.id),
        timezones::displayName(entry),
        timezones::zoneLabel(entry.timeZone, at),
        entry.timeZone.identifier,
        texts.offsetFromLocal(entry, at),
        isoInZone(at, timezones::utcOffsetSeconds(entry.timeZone, at)),
        texts.timeText(entry, at),
    };
}

QVariantMap toVariantMap(const TimeZoneEntity& e) {
    return QVariantMap{{kId, e.id},
                       {kName, e.name},
                       {kAbbreviation, e.abbreviation},
                       {kZone, e.timeZoneIdentifier},
                       {kOffset, e.offset},
                       {kRaw, e.localTimeRaw},
                       {kLocal, e.localTime}};
}

std::optional<TimeZoneEntity> timeZoneEntityFrom(const QVariantMap& map) {
    TimeZoneEntity e;
    QString* const texts[] = {&e.id,           &e.name,     &e.abbreviation, &e.timeZoneIdentifier,
                              &e.localTimeRaw, &e.localTime};
    const QString* const keys[] = {&kId, &kName, &kAbbreviation, &kZone, &kRaw, &kLocal};
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        auto value = text(map, *keys[i]);
        if (!value)
            return std::nullopt;
        *texts[i] = *value;
    }
    const QVariant offset = map.value(kOffset);
    if (offset.typeId() != QMetaType::Int)
        return std::nullopt;
    e.offset = offset.toInt();
    return e;
}

QJsonObject toJson(const TimeZoneEntity& e) {
    return QJsonObject::fromVariantMap(toVariantMap(e));
}

} // namespace ruvo::automation
