// SPDX-License-Identifier: GPL-3.0-or-later
#include "timezones/TimeTravel.h"

#include "timezones/IcuFormat.h"

#include <cmath>

namespace ruvo::timezones {

namespace {

std::unique_ptr<icu::Calendar> wallClockCalendar(const kit::Environment& env, kit::Instant at) {
    auto calendar = calendarAt(env.icuLocale(), env.timeZoneId, at);
    calendar->setRepeatedWallTimeOption(UCAL_WALLTIME_FIRST);
    calendar->setSkippedWallTimeOption(UCAL_WALLTIME_NEXT_VALID);
    return calendar;
}

std::optional<kit::Instant> timeOf(icu::Calendar& calendar) {
    UErrorCode status = U_ZERO_ERROR;
    const UDate t = calendar.getTime(status);
    if (U_FAILURE(status))
        return std::nullopt;
    return kit::instantFromMSecs(qint64(t));
}

kit::Instant wholeSeconds(kit::Instant t) {
    return std::chrono::floor<kit::Seconds>(t);
}

} // namespace

kit::Instant TimeTravel::baseDate(QDate selectedDay, kit::Instant now) const {
    const qint64 nowSeconds = std::chrono::floor<kit::Seconds>(now).time_since_epoch().count();
    if (m_baseCache && m_baseCache->day == selectedDay && m_baseCache->nowSeconds == nowSeconds)
        return m_baseCache->value;
    kit::Instant result = wholeSeconds(now);
    if (selectedDay.isValid() && selectedDay != localDate(m_environment.timeZoneId, now)) {
        auto calendar = wallClockCalendar(m_environment, now);
        UErrorCode status = U_ZERO_ERROR;
        const int h = calendar->get(UCAL_HOUR_OF_DAY, status);
        const int m = calendar->get(UCAL_MINUTE, status);
        const int s = calendar->get(UCAL_SECOND, status);
        calendar->clear();
        calendar->set(selectedDay.year(), selectedDay.month() - 1, selectedDay.day(), h, m, s);
        const auto rebuilt = timeOf(*calendar);
        result = rebuilt ? *rebuilt : now;
    }
    m_baseCache = BaseCache{selectedDay, nowSeconds, result};
    return result;
}

kit::Instant TimeTravel::nextBoundary(kit::Instant at, CalendarUnit unit, int step) const {
    if (step < 1)
        return at;
    auto calendar = wallClockCalendar(m_environment, at);
    const UCalendarDateFields field = unit == CalendarUnit::hour ? UCAL_HOUR_OF_DAY : UCAL_MINUTE;
    UErrorCode status = U_ZERO_ERROR;
    const int v = calendar->get(field, status);
    calendar->set(field, v + step - v % step);
    if (unit == CalendarUnit::hour)
        calendar->set(UCAL_MINUTE, 0);
    calendar->set(UCAL_SECOND, 0);
    calendar->set(UCAL_MILLISECOND, 0);
    return timeOf(*calendar).value_or(at);
}

kit::Instant TimeTravel::travelDate(const TimeTravelInput& input,
                                    const TimeZoneOffset& offset) const {
    const kit::Instant base = baseDate(input.selectedDay, input.now);
    if (!offset.value())
        return base;
    const kit::Instant t = base + kit::Seconds(*offset.value());
    if (offset.optionKeyPressedDuringLastInteraction() || input.isOptionHeld)
        return nextBoundary(t, CalendarUnit::minute, 15);
    if (input.use30MinuteSteps)
        return nextBoundary(t, CalendarUnit::minute, 30);
    return nextBoundary(t, CalendarUnit::hour, 1);
}

DayRelation TimeTravel::dayRelation(kit::Instant a, kit::Instant b) const {
    const qint64 days =
        localDate(m_environment.timeZoneId, b).daysTo(localDate(m_environment.timeZoneId, a));
    switch (days) {
    case 0:
        return DayRelation::same;
    case 1:
        return DayRelation::next;
    case -1:
        return DayRelation::previous;
    default:
        return DayRelation::other;
    }
}

QString TimeTravel::dayMarker(kit::Instant travel, kit::Instant base,
                              bool selectedDayIsToday) const {
    const DayRelation r = dayRelation(travel, base);
    if (r != DayRelation::next && r != DayRelation::previous)
        return {};
    const int days = r == DayRelation::next ? 1 : -1;
    if (selectedDayIsToday)
        if (auto named = namedDayText(m_environment.icuLocale(), days))
            return *named;
    return days > 0 ? QStringLiteral("+1") : QStringLiteral("-1");
}

QString TimeTravel::sliderTimeText(kit::Instant travel, kit::Instant base,
                                   bool selectedDayIsToday) const {
    auto formatter = skeletonFormat(m_environment.icuLocale(), "jmm", m_environment.timeZoneId);
    const QString time = formatter ? format(*formatter, travel) : QString();
    const QString marker = dayMarker(travel, base, selectedDayIsToday);
    if (marker.isEmpty())
        return time;
    if (marker.contains(QLatin1Char('+')) || marker.contains(QLatin1Char('-')))
        return time + marker;
    return time + QStringLiteral(", ") + marker;
}

QString TimeTravel::sliderOffsetText(kit::Instant travel, kit::Instant base) const {
    const kit::Instant baseMinute = std::chrono::floor<std::chrono::minutes>(base);
    const qint64 d = std::chrono::floor<kit::Seconds>(travel - baseMinute).count();
    return QLatin1Char(d >= 0 ? '+' : '-') + durationText(m_environment.icuLocale(), std::abs(d));
}

QString TimeTravel::sliderDateText(kit::Instant travel) const {
    auto formatter = skeletonFormat(m_environment.icuLocale(), "EdMMM", m_environment.timeZoneId);
    return formatter ? format(*formatter, travel) : QString();
}

void stepTimeTravel(TimeZoneOffset& offset, Direction direction, bool fine, bool use30MinuteSteps,
                    bool onlyOptionHeld) {
    if (!offset.value()) {
        offset.set(0, onlyOptionHeld);
        return;
    }
    const qint64 step = fine ? 900 : use30MinuteSteps ? 1800 : 3600;
    const qint64 sign = direction == Direction::forward ? 1 : -1;
    offset.set(*offset.value() + sign * step, onlyOptionHeld);
}

void resetTimeTravel(TimeZoneOffset& offset, bool onlyOptionHeld) {
    offset.set(std::nullopt, onlyOptionHeld);
}

int TimeTravelSlider::step(bool optionHeld, bool use30MinuteSteps) {
    return optionHeld ? 900 : use30MinuteSteps ? 1800 : 3600;
}

qint64 TimeTravelSlider::snapped(qint64 value, int step) {
    const qint64 clamped = std::clamp(value, minimum, maximum);
    const double ticks = std::round(double(clamped - minimum) / step);
    return std::min(maximum, minimum + qint64(ticks) * step);
}

bool isRowVisible(const settings::ChosenTimeZone& entry, bool shouldHide, bool isTravelling) {
    return isTravelling || (!shouldHide && entry.showInMenu);
}

} // namespace ruvo::timezones
