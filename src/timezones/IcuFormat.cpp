// SPDX-License-Identifier: GPL-3.0-or-later
#include "timezones/IcuFormat.h"

#include "kit/IcuText.h"
#include "timezones/SystemZones.h"
#include "timezones/ZoneTexts.h"

#include <unicode/dtptngen.h>
#include <unicode/measfmt.h>
#include <unicode/measunit.h>
#include <unicode/measure.h>
#include <unicode/reldatefmt.h>

namespace ruvo::timezones {

std::unique_ptr<icu::TimeZone> icuZone(const QString& id) {
    if (const ZonePtr zone = SystemZones::zone(id))
        return std::unique_ptr<icu::TimeZone>(zone->clone());
    return std::unique_ptr<icu::TimeZone>(icu::TimeZone::getGMT()->clone());
}

std::unique_ptr<icu::SimpleDateFormat> skeletonFormat(const icu::Locale& locale,
                                                      const char* skeleton, const QString& zoneId,
                                                      bool keepHourLength) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::DateTimePatternGenerator> generator(
        icu::DateTimePatternGenerator::createInstance(locale, status));
    if (U_FAILURE(status))
        return nullptr;
    const auto options = keepHourLength ? UDATPG_MATCH_HOUR_FIELD_LENGTH : UDATPG_MATCH_NO_OPTIONS;
    const icu::UnicodeString pattern =
        generator->getBestPattern(icu::UnicodeString(skeleton), options, status);
    auto formatter = std::make_unique<icu::SimpleDateFormat>(pattern, locale, status);
    if (U_FAILURE(status))
        return nullptr;
    formatter->adoptTimeZone(icuZone(zoneId).release());
    formatter->setContext(UDISPCTX_CAPITALIZATION_FOR_STANDALONE, status);
    return formatter;
}

QString format(icu::DateFormat& formatter, kit::Instant at) {
    icu::UnicodeString out;
    formatter.format(kit::toUDate(at), out);
    return kit::fromIcu(out);
}

std::unique_ptr<icu::Calendar> calendarAt(const icu::Locale& locale, const QString& zoneId,
                                          kit::Instant at) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> calendar(
        icu::Calendar::createInstance(icuZone(zoneId).release(), locale, status));
    Q_ASSERT(U_SUCCESS(status));
    calendar->setTime(kit::toUDate(at), status);
    return calendar;
}

QDate localDate(const QString& zoneId, kit::Instant at) {
    const qint64 local = kit::msecsSinceEpoch(at) + qint64(utcOffsetSeconds(zoneId, at)) * 1000;
    return QDateTime::fromMSecsSinceEpoch(local, Qt::UTC).date();
}

QString durationText(const icu::Locale& locale, qint64 seconds) {
    const qint64 magnitude = std::abs(seconds);
    const int sign = seconds < 0 ? -1 : 1;
    const qint64 hours = magnitude / 3600;
    const qint64 minutes = (magnitude % 3600) / 60;
    UErrorCode status = U_ZERO_ERROR;
    icu::MeasureFormat formatter(locale, UMEASFMT_WIDTH_NARROW, status);
    icu::Measure measures[2] = {
        icu::Measure(icu::Formattable(int64_t(0)), icu::MeasureUnit::createHour(status), status),
        icu::Measure(icu::Formattable(int64_t(0)), icu::MeasureUnit::createMinute(status), status)};
    int count = 0;
    if (hours > 0)
        measures[count++] = icu::Measure(icu::Formattable(int64_t(sign * hours)),
                                         icu::MeasureUnit::createHour(status), status);
    if (minutes > 0 || hours == 0) {
        const qint64 value = count == 0 ? sign * minutes : minutes;
        measures[count++] = icu::Measure(icu::Formattable(int64_t(value)),
                                         icu::MeasureUnit::createMinute(status), status);
    }
    icu::UnicodeString out;
    icu::FieldPosition position;
    formatter.formatMeasures(measures, count, out, position, status);
    return U_SUCCESS(status) ? kit::fromIcu(out) : QString();
}

QString shortTimeText(const kit::Environment& environment, kit::Instant at) {
    std::unique_ptr<icu::DateFormat> formatter(
        icu::DateFormat::createTimeInstance(icu::DateFormat::kShort, environment.icuLocale()));
    if (!formatter)
        return {};
    formatter->adoptTimeZone(icuZone(environment.timeZoneId).release());
    return format(*formatter, at);
}

std::optional<QString> namedDayText(const icu::Locale& locale, qint64 days) {
    if (days < -1 || days > 1)
        return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    icu::RelativeDateTimeFormatter formatter(locale, nullptr, UDAT_STYLE_LONG,
                                             UDISPCTX_CAPITALIZATION_FOR_BEGINNING_OF_SENTENCE,
                                             status);
    const UDateDirection direction = days < 0   ? UDAT_DIRECTION_LAST
                                     : days > 0 ? UDAT_DIRECTION_NEXT
                                                : UDAT_DIRECTION_THIS;
    icu::UnicodeString out;
    formatter.format(direction, UDAT_ABSOLUTE_DAY, out, status);
    if (U_FAILURE(status) || out.isEmpty())
        return std::nullopt;
    return kit::fromIcu(out);
}

} // namespace ruvo::timezones
