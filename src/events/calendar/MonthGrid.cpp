// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/calendar/MonthGrid.h"

#include "kit/IcuText.h"

#include <memory>
#include <unicode/calendar.h>
#include <unicode/dtfmtsym.h>
#include <unicode/dtptngen.h>
#include <unicode/smpdtfmt.h>

namespace ruvo::calendar {

namespace {

// The grid is Gregorian whatever the locale's default calendar (fa_IR, ar_SA, th_TH).
icu::Locale gregorian(const kit::Environment& environment) {
    icu::Locale locale = environment.icuLocale();
    UErrorCode status = U_ZERO_ERROR;
    locale.setKeywordValue("calendar", "gregorian", status);
    return locale;
}

std::unique_ptr<icu::Calendar> calendarFor(const icu::Locale& locale) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> calendar(
        icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(), locale, status));
    if (U_FAILURE(status))
        calendar.reset(icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(),
                                                     icu::Locale::getRoot(), status));
    return calendar;
}

// ICU numbers weekdays Sunday 1 ... Saturday 7; Qt Monday 1 ... Sunday 7.
int qtWeekday(int icuWeekday) {
    return icuWeekday == UCAL_SUNDAY ? 7 : icuWeekday - 1;
}

int weekOfYear(icu::Calendar& calendar, QDate day) {
    UErrorCode status = U_ZERO_ERROR;
    calendar.clear();
    calendar.set(day.year(), day.month() - 1, day.day());
    const int week = calendar.get(UCAL_WEEK_OF_YEAR, status);
    return U_SUCCESS(status) ? week : 0;
}

QStringList weekdaySymbols(const icu::Locale& locale, int firstWeekday) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::DateFormatSymbols symbols(locale, status);
    int32_t count = 0;
    const icu::UnicodeString* names = symbols.getWeekdays(count, icu::DateFormatSymbols::STANDALONE,
                                                          icu::DateFormatSymbols::NARROW);
    QStringList result;
    for (int i = 0; i < 7; ++i) {
        const int qt = (firstWeekday - 1 + i) % 7 + 1;
        const int icuIndex = qt == 7 ? UCAL_SUNDAY : qt + 1;
        result << (U_SUCCESS(status) && icuIndex < count ? kit::fromIcu(names[icuIndex])
                                                         : QString::number(qt));
    }
    return result;
}

QString monthTitle(const icu::Locale& locale, QDate month) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::DateTimePatternGenerator> generator(
        icu::DateTimePatternGenerator::createInstance(locale, status));
    if (U_FAILURE(status))
        return month.toString(QStringLiteral("MMMM yyyy"));
    const icu::UnicodeString pattern = generator->getBestPattern(u"MMMMy", status);
    icu::SimpleDateFormat format(pattern, locale, status);
    format.setTimeZone(*icu::TimeZone::getGMT());
    const double noon = double(QDateTime(month, QTime(12, 0), Qt::UTC).toMSecsSinceEpoch());
    icu::UnicodeString text;
    format.format(noon, text);
    return U_SUCCESS(status) ? kit::fromIcu(text) : month.toString(QStringLiteral("MMMM yyyy"));
}

} // namespace

std::vector<QDate> MonthGrid::days() const {
    std::vector<QDate> result;
    result.reserve(rows.size() * 7);
    for (const GridRow& row : rows)
        result.insert(result.end(), row.days.begin(), row.days.end());
    return result;
}

MonthGrid monthGrid(QDate shown, const kit::Environment& environment) {
    Q_ASSERT(shown.isValid());
    const icu::Locale locale = gregorian(environment);
    const auto calendar = calendarFor(locale);
    MonthGrid grid;
    grid.month = QDate(shown.year(), shown.month(), 1);
    grid.firstWeekday = qtWeekday(calendar->getFirstDayOfWeek());
    grid.weekdays = weekdaySymbols(locale, grid.firstWeekday);
    grid.title = monthTitle(locale, grid.month);
    const int lead = (grid.month.dayOfWeek() - grid.firstWeekday + 7) % 7;
    QDate day = grid.month.addDays(-lead);
    for (int r = 0; r < MonthGrid::kRows; ++r) {
        GridRow row;
        row.weekOfYear = weekOfYear(*calendar, day);
        for (int c = 0; c < 7; ++c, day = day.addDays(1))
            row.days.push_back(day);
        grid.rows.push_back(std::move(row));
    }
    return grid;
}

} // namespace ruvo::calendar
