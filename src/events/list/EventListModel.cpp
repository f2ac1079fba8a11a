// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/list/EventListModel.h"

#include "events/CallEventConversion.h"
#include "events/exclusion/ExclusionFilter.h"
#include "events/videocalls/VideoCallDetector.h"
#include "kit/LocalTime.h"
#include "timezones/IcuFormat.h"

#include <QTimeZone>

namespace ruvo::events {

namespace keys = settings::keys;

namespace {

QString titleOf(const CalendarItem& item) {
    if (const auto* event = std::get_if<Event>(&item))
        return event->title();
    return std::get<Reminder>(item).title;
}

} // namespace

EventListOptions EventListOptions::from(const settings::Defaults& defaults) {
    return {defaults.get(keys::calendarEventsDayCount), defaults.get(keys::hideTodaysPastEvents),
            defaults.get(keys::showVideoCallEventsOnlyInMainList),
            defaults.get(keys::fullscreenNotifications_excludeMatcher)};
}

std::optional<platform::DateRange> eventListRange(QDate selectedDate, int dayCount,
                                                  const QString& zoneId) {
    if (dayCount < 1 || !selectedDate.isValid())
        return std::nullopt;
    const QTimeZone zone = kit::zoneOrUtc(zoneId);
    return platform::DateRange{kit::fromQDateTime(selectedDate.startOfDay(zone)),
                               kit::fromQDateTime(selectedDate.addDays(dayCount).startOfDay(zone))};
}

EventList EventListModel::build(QDate selectedDate, const EventListOptions& options) const {
    const auto range = eventListRange(selectedDate, options.dayCount, m_environment.timeZoneId);
    if (!range)
        return {};
    const kit::Instant now = m_clock.now();
    const QDate today = timezones::localDate(m_environment.timeZoneId, now);
    const auto todayRange = eventListRange(today, 1, m_environment.timeZoneId);
    const bool isToday = selectedDate == today;
    const QDate last = selectedDate.addDays(options.dayCount - 1);

    EventList list;
    for (QDate day = selectedDate; day <= last; day = day.addDays(1))
        list.sections.push_back({day, {}});
    for (CalendarItem& item : filtered(m_queries.calendarItems(*range), options)) {
        if (const auto* event = std::get_if<Event>(&item)) {
            if (options.hideTodaysPastEvents && event->end() < now) {
                list.pastEvents.push_back(std::move(item));
                continue;
            }
        } else if (isToday && isOverdue(std::get<Reminder>(item), now, todayRange->start)) {
            list.overdueReminders.push_back(std::move(item));
            continue;
        }
        for (const QDate& day : daysOf(item, selectedDate, last))
            list.sections[std::size_t(selectedDate.daysTo(day))].items.push_back(item);
    }
    return list;
}

std::vector<CalendarItem> EventListModel::filtered(std::vector<CalendarItem> items,
                                                   const EventListOptions& options) const {
    if (options.showVideoCallEventsOnlyInMainList)
        std::erase_if(items, [this](const CalendarItem& item) { return !hasVideoCall(item); });
    return exclusion::filterCalendarItems(std::move(items), options.excludeMatchers,
                                          exclusion::Location::eventList, m_steady, &titleOf);
}

bool EventListModel::hasVideoCall(const CalendarItem& item) const {
    const auto* event = std::get_if<Event>(&item);
    return event && !event->isAllDay() && m_detector.videoCall(toCallEvent(*event)).has_value();
}

bool EventListModel::isOverdue(const Reminder& reminder, kit::Instant now,
                               kit::Instant startOfToday) const {
    if (!reminder.due)
        return false;
    const kit::Instant due = platform::dueInstant(*reminder.due, m_environment.timeZoneId);
    return reminder.due->time ? due < now : due < startOfToday;
}

std::vector<QDate> EventListModel::daysOf(const CalendarItem& item, QDate first, QDate last) const {
    const QString& zone = m_environment.timeZoneId;
    if (std::holds_alternative<Reminder>(item)) {
        const QDate day = timezones::localDate(zone, m_queries.sortInstant(item));
        if (day < first || day > last) // fetched for the overdue row only
            return {};
        return {day};
    }
    const platform::DateRange span = std::get<Event>(item).dateRange();
    const kit::Instant lastMoment =
        span.end > span.start ? span.end - std::chrono::seconds(1) : span.start;
    const QDate from = std::max(timezones::localDate(zone, span.start), first);
    const QDate to = std::min(timezones::localDate(zone, lastMoment), last);
    std::vector<QDate> days;
    for (QDate day = from; day <= to; day = day.addDays(1))
        days.push_back(day);
    if (days.empty()) // an empty event right at the start of the range
        days.push_back(first);
    return days;
}

} // namespace ruvo::events
