// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/CalculatorText.h"

#include "kit/IcuText.h"

#include <QCoreApplication>
#include <memory>
#include <unicode/datefmt.h>
#include <unicode/gregocal.h>
#include <unicode/measfmt.h>
#include <unicode/msgfmt.h>
#include <unicode/timezone.h>

namespace ruvo::calculators {

namespace {

QString measureText(qint64 value, icu::MeasureUnit* unit, const icu::Locale& locale) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::MeasureFormat formatter(locale, UMEASFMT_WIDTH_WIDE, status);
    const icu::Measure measure(icu::Formattable(int64_t(value)), unit, status);
    icu::UnicodeString out;
    icu::FieldPosition position;
    formatter.formatMeasures(&measure, 1, out, position, status);
    return U_SUCCESS(status) ? kit::fromIcu(out) : QString::number(value);
}

// No unit of ICU says "working day", so the phrase is ours, with the locale's plural rules.
QString workingDaysText(qint64 value, const icu::Locale& locale) {
    const QString pattern = QCoreApplication::translate(
        "DateCalculator", "{0, plural, one {# working day} other {# working days}}");
    UErrorCode status = U_ZERO_ERROR;
    const icu::MessageFormat formatter(kit::toIcu(pattern), locale, status);
    const icu::Formattable arguments[] = {icu::Formattable(int64_t(value))};
    icu::UnicodeString out;
    icu::FieldPosition position;
    formatter.format(arguments, 1, out, position, status);
    return U_SUCCESS(status) ? kit::fromIcu(out) : QString::number(value);
}

} // namespace

QStringList intervalLines(const DateInterval& interval, const icu::Locale& locale) {
    UErrorCode status = U_ZERO_ERROR;
    return {measureText(interval.days, icu::MeasureUnit::createDay(status), locale),
            measureText(interval.weeks, icu::MeasureUnit::createWeek(status), locale),
            measureText(interval.months, icu::MeasureUnit::createMonth(status), locale),
            workingDaysText(interval.workingDays, locale)};
}

QString fullDateText(QDate date, const icu::Locale& locale) {
    std::unique_ptr<icu::DateFormat> formatter(
        icu::DateFormat::createDateInstance(icu::DateFormat::kFull, locale));
    if (!formatter)
        return date.toString(Qt::ISODate);
    formatter->adoptTimeZone(icu::TimeZone::getGMT()->clone());
    // ICU switches to the Julian calendar before 1582; QDate never does.
    if (auto* gregorian = dynamic_cast<icu::GregorianCalendar*>(
            const_cast<icu::Calendar*>(formatter->getCalendar()))) {
        UErrorCode status = U_ZERO_ERROR;
        gregorian->setGregorianChange(-8.64e15, status);
    }
    const double millis = double(QDate(1970, 1, 1).daysTo(date)) * U_MILLIS_PER_DAY;
    icu::UnicodeString out;
    formatter->format(millis, out);
    return kit::fromIcu(out);
}

} // namespace ruvo::calculators
