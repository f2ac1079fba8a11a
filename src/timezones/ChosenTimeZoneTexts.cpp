// SPDX-License-Identifier: GPL-3.0-or-later
#include "timezones/ChosenTimeZoneTexts.h"

#include "kit/IcuText.h"
#include "timezones/IcuFormat.h"
#include "timezones/ZoneTexts.h"

#include <QCoreApplication>

namespace ruvo::timezones {

QString displayName(const ChosenTimeZone& entry) {
    if (entry.name)
        return *entry.name;
    if (entry.originalName)
        return *entry.originalName;
    return entry.timeZone.city;
}

void rename(ChosenTimeZone& entry, std::optional<QString> name) {
    entry.name = std::move(name);
    if (entry.name && entry.name->trimmed().isEmpty())
        entry.name = entry.originalName ? *entry.originalName : entry.timeZone.city;
}

QString ChosenTimeZoneTexts::timeText(const ChosenTimeZone& entry, kit::Instant at) const {
    const QString& zone = entry.timeZone.identifier;
    std::unique_ptr<icu::SimpleDateFormat> formatter;
    switch (entry.timeFormat) {
    case ChosenTimeZone::TimeFormat::system:
        formatter = skeletonFormat(m_environment.icuLocale(), "jmm", zone);
        break;
    case ChosenTimeZone::TimeFormat::twentyFourHour:
        formatter = skeletonFormat(icu::Locale("en_US_POSIX"), "HHmm", zone);
        break;
    case ChosenTimeZone::TimeFormat::twelveHour:
        formatter = skeletonFormat(m_environment.icuLocale(), "hhmma", zone, true);
        break;
    }
    return formatter ? format(*formatter, at) : QString();
}

bool ChosenTimeZoneTexts::shouldHide(const ChosenTimeZone& entry) const {
    switch (entry.hide) {
    case ChosenTimeZone::Hide::never:
        return false;
    case ChosenTimeZone::Hide::sameTimeZone:
        return entry.timeZone.identifier == m_environment.timeZoneId;
    case ChosenTimeZone::Hide::sameTime:
        return offsetFromLocal(entry, now()) == 0;
    }
    return false;
}

bool ChosenTimeZoneTexts::isDaytime(const ChosenTimeZone& entry, kit::Instant at) const {
    auto calendar = calendarAt(m_environment.icuLocale(), entry.timeZone.identifier, at);
    UErrorCode status = U_ZERO_ERROR;
    const int hour = calendar->get(UCAL_HOUR_OF_DAY, status);
    return hour >= 8 && hour <= 17;
}

int ChosenTimeZoneTexts::offsetFromLocal(const ChosenTimeZone& entry, kit::Instant at) const {
    return utcOffsetSeconds(entry.timeZone, at) - utcOffsetSeconds(m_environment.timeZoneId, at);
}

QString ChosenTimeZoneTexts::relativeOffsetText(const ChosenTimeZone& entry,
                                                kit::Instant at) const {
    const int d = offsetFromLocal(entry, at);
    if (d == 0)
        //: The offset column of the row for the zone the computer is in.
        return QCoreApplication::translate("ChosenTimeZoneTexts", "Current");
    const QString text = durationText(m_environment.icuLocale(), d);
    return d >= 0 ? QLatin1Char('+') + text : text;
}

QString ChosenTimeZoneTexts::weekdayText(const ChosenTimeZone& entry, kit::Instant at) const {
    auto formatter = skeletonFormat(m_environment.icuLocale(), "E", entry.timeZone.identifier);
    return formatter ? format(*formatter, at) : QString();
}

namespace {

QString stripYear(QString text, int year) {
    const QString suffix = QLatin1Char(' ') + QString::number(year);
    if (text.endsWith(suffix))
        text.chop(suffix.size());
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(',')))
        text.chop(1);
    return text.trimmed();
}

} // namespace

QString ChosenTimeZoneTexts::relativeDayText(const ChosenTimeZone& entry, kit::Instant at) const {
    const QString& local = m_environment.timeZoneId;
    const kit::Instant wall = at + kit::Seconds(offsetFromLocal(entry, at));
    const QDate day = localDate(local, wall);
    if (auto named = namedDayText(m_environment.icuLocale(), localDate(local, now()).daysTo(day)))
        return *named;
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::DateFormat> formatter(
        icu::DateFormat::createDateInstance(icu::DateFormat::kMedium, m_environment.icuLocale()));
    formatter->adoptTimeZone(icuZone(local).release());
    formatter->setContext(UDISPCTX_CAPITALIZATION_FOR_STANDALONE, status);
    return stripYear(format(*formatter, wall), localDate(local, at).year());
}

} // namespace ruvo::timezones
