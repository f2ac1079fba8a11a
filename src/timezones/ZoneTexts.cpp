// SPDX-License-Identifier: GPL-3.0-or-later
#include "timezones/ZoneTexts.h"

#include "kit/IcuText.h"
#include "timezones/SystemZones.h"

#include <memory>
#include <unicode/tzfmt.h>

namespace ruvo::timezones {

int utcOffsetSeconds(const QString& zoneId, kit::Instant at) {
    const ZonePtr zone = SystemZones::zone(zoneId);
    return zone ? offsetSeconds(*zone, at) : 0;
}

int utcOffsetSeconds(const ZuTimeZone& zone, kit::Instant at) {
    return utcOffsetSeconds(zone.identifier, at);
}

bool isDaylightTime(const ZuTimeZone& zone, kit::Instant at) {
    const ZonePtr z = SystemZones::zone(zone.identifier);
    return z && timezones::isDaylightTime(*z, at);
}

QString utcOffsetText(int seconds) {
    if (seconds == 0)
        return QStringLiteral("UTC");
    const int magnitude = std::abs(seconds);
    QString text = QStringLiteral("UTC") + QLatin1Char(seconds < 0 ? '-' : '+') +
                   QString::number(magnitude / 3600);
    const int minutes = (magnitude % 3600) / 60;
    if (minutes >= 1)
        text += QLatin1Char(':') + QString::number(minutes);
    return text;
}

QString utcOffsetText(const ZuTimeZone& zone, kit::Instant at) {
    return utcOffsetText(utcOffsetSeconds(zone, at));
}

std::optional<QString> platformAbbreviation(const ZuTimeZone& zone, kit::Instant at) {
    const ZonePtr z = SystemZones::zone(zone.identifier);
    if (!z)
        return std::nullopt;
    // ICU formatters are not safe to share between threads; one per thread is cheap enough.
    thread_local std::unique_ptr<icu::TimeZoneFormat> format = [] {
        UErrorCode status = U_ZERO_ERROR;
        return std::unique_ptr<icu::TimeZoneFormat>(
            icu::TimeZoneFormat::createInstance(icu::Locale("en_US"), status));
    }();
    if (!format)
        return std::nullopt;
    icu::UnicodeString name;
    format->format(UTZFMT_STYLE_SPECIFIC_SHORT, *z, kit::toUDate(at), name);
    if (name.isEmpty())
        return std::nullopt;
    return kit::fromIcu(name);
}

std::optional<QString> normalizedAbbreviation(const ZuTimeZone& zone, kit::Instant at) {
    std::optional<QString> a = platformAbbreviation(zone, at);
    if (!a)
        return std::nullopt;
    if (a->startsWith(QLatin1String("GMT")))
        if (auto known = gmtAbbreviation(zone.identifier + QLatin1Char(' ') + *a))
            return known;
    a->replace(QLatin1String("GMT"), QLatin1String("UTC"));
    return a;
}

QString zoneLabel(const ZuTimeZone& zone, kit::Instant at) {
    const QString offset = utcOffsetText(zone, at);
    const std::optional<QString> abbreviation = normalizedAbbreviation(zone, at);
    if (!abbreviation || *abbreviation == offset)
        return offset;
    return offset + QStringLiteral(" (") + *abbreviation + QLatin1Char(')');
}

bool isBeforeByOffset(const ZuTimeZone& a, const ZuTimeZone& b, kit::Instant now) {
    return utcOffsetSeconds(a, now) < utcOffsetSeconds(b, now);
}

} // namespace ruvo::timezones
