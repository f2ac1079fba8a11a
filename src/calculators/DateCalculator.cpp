// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/DateCalculator.h"

#include <QCoreApplication>
#include <array>

namespace ruvo::calculators {

namespace {

constexpr qint64 kLargestNumber = 1'000'000; // more than any year range needs in days

QString tr(const char* text) {
    return QCoreApplication::translate("DateCalculator", text);
}

// Whole months from `first` towards `second`, counting a month only when moving `first` by it
// (clamped to the month's end) does not pass `second`.
qint64 wholeMonths(QDate first, QDate second) {
    qint64 months = (second.year() - first.year()) * 12LL + (second.month() - first.month());
    const auto moved = [&](qint64 m) { return first.addMonths(static_cast<int>(m)); };
    if (months > 0 && moved(months) > second)
        --months;
    else if (months < 0 && moved(months) < second)
        ++months;
    return months;
}

// Monday to Friday in [from, from + count days), count >= 0.
qint64 weekdaysFrom(QDate from, qint64 count) {
    qint64 weekdays = count / 7 * 5;
    int dayOfWeek = from.dayOfWeek(); // 1 = Monday
    for (qint64 i = 0; i < count % 7; ++i, dayOfWeek = dayOfWeek % 7 + 1)
        weekdays += dayOfWeek <= 5 ? 1 : 0;
    return weekdays;
}

bool isInRange(QDate date) {
    return date.isValid() && date.year() >= kFirstYear && date.year() <= kLastYear;
}

} // namespace

DateInterval between(QDate first, QDate second) {
    DateInterval interval;
    interval.days = first.daysTo(second);
    interval.weeks = interval.days / 7;
    interval.months = wholeMonths(first, second);
    interval.workingDays = interval.days >= 0 ? weekdaysFrom(first, interval.days)
                                              : -weekdaysFrom(second, -interval.days);
    return interval;
}

kit::Result<QDate> parseDate(const QString& text) {
    const QDate date = QDate::fromString(text.trimmed(), Qt::ISODate);
    if (!date.isValid() || text.trimmed().size() != 10)
        return kit::fail(tr("not a date: %1 (use YYYY-MM-DD)").arg(text));
    if (!isInRange(date))
        return kit::fail(tr("%1 is outside the years 1 to 9999").arg(text));
    return date;
}

kit::Result<DateDuration> parseDuration(const QString& text) {
    const QString invalid =
        tr("not a duration: %1 (use ISO 8601 such as P1M, P2W or -P1Y2M3D)").arg(text);
    QStringView rest(text);
    rest = rest.trimmed();
    const bool isNegative = rest.startsWith(u'-');
    if (rest.startsWith(u'-') || rest.startsWith(u'+'))
        rest = rest.mid(1);
    if (!rest.startsWith(u'P') || rest.size() < 3)
        return kit::fail(invalid);
    rest = rest.mid(1);
    if (rest.contains(u'T'))
        return kit::fail(
            tr("%1 has hours, minutes or seconds; the calculator counts whole days").arg(text));
    DateDuration duration;
    const std::array<std::pair<QChar, qint64*>, 4> parts{{{u'Y', &duration.years},
                                                          {u'M', &duration.months},
                                                          {u'W', &duration.weeks},
                                                          {u'D', &duration.days}}};
    std::size_t next = 0; // designators come in this order, each at most once
    while (!rest.isEmpty()) {
        qsizetype digits = 0;
        while (digits < rest.size() && rest[digits].isDigit() && rest[digits].unicode() < 128)
            ++digits;
        if (digits == 0 || digits > 7 || digits == rest.size())
            return kit::fail(invalid);
        const qint64 number = rest.left(digits).toLongLong();
        while (next < parts.size() && parts[next].first != rest[digits])
            ++next;
        if (next == parts.size() || number > kLargestNumber)
            return kit::fail(invalid);
        *parts[next++].second = isNegative ? -number : number;
        rest = rest.mid(digits + 1);
    }
    return duration;
}

kit::Result<QDate> add(QDate date, const DateDuration& duration) {
    const qint64 months = duration.years * 12 + duration.months;
    const qint64 days = duration.weeks * 7 + duration.days;
    const qint64 limit = (kLastYear - kFirstYear + 1) * 12LL;
    QDate result;
    if (std::abs(months) <= limit && std::abs(days) <= limit * 31)
        result = date.addMonths(static_cast<int>(months)).addDays(days);
    if (!isInRange(result))
        return kit::fail(tr("the result is outside the years 1 to 9999"));
    return result;
}

} // namespace ruvo::calculators
