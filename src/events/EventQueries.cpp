// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/EventQueries.h"

#include "kit/LocalTime.h"
#include "settings/Keys.h"

#include <QTimeZone>
#include <algorithm>

namespace ruvo::events {

using platform::AuthorizationStatus;
using platform::EntityType;
namespace keys = settings::keys;

bool isDeclinedByCurrentUser(const Event& event) {
    for (const auto& a : event.attendees())
        if (a.isCurrentUser)
            return a.participantStatus == platform::ParticipantStatus::declined;
    return false;
}

std::vector<platform::Calendar>
EventQueries::calendars(const std::set<QString>& identifiers) const {
    std::vector<platform::Calendar> result;
    for (const auto& id : identifiers)
        if (auto calendar = m_store.calendarWithIdentifier(id))
            result.push_back(std::move(*calendar));
    return result;
}

std::vector<QString> EventQueries::identifiers(const std::vector<platform::Calendar>& calendars) {
    std::vector<QString> ids;
    ids.reserve(calendars.size());
    for (const auto& c : calendars)
        ids.push_back(c.identifier);
    return ids;
}

std::vector<Event> EventQueries::events(const DateRange& range) const {
    if (m_store.authorizationStatus(EntityType::event) != AuthorizationStatus::fullAccess)
        return {};
    const auto enabled = calendars(m_defaults.get(keys::enabledCalendars));
    if (enabled.empty())
        return {};
    return events(platform::predicateForEvents(range.start, range.end, identifiers(enabled)));
}

std::vector<Event> EventQueries::events(const platform::EventPredicate& predicate) const {
    const auto hiddenList = m_defaults.get(keys::hiddenEvents);
    const std::set<QString> hidden(hiddenList.begin(), hiddenList.end());
    const bool showAllDay = m_defaults.get(keys::showAllDaysEvents);
    std::vector<Event> result = m_store.events(predicate);
    std::erase_if(result, [&](const Event& e) {
        return e.status() == platform::EventStatus::canceled || isDeclinedByCurrentUser(e) ||
               hidden.count(e.calendarItemExternalIdentifier()) || (!showAllDay && e.isAllDay());
    });
    std::stable_sort(result.begin(), result.end(), [](const Event& a, const Event& b) {
        return a.dateRange().start < b.dateRange().start;
    });
    return result;
}

std::vector<Reminder> EventQueries::reminders(const DateRange& range) const {
    if (!m_defaults.get(keys::showReminders) ||
        m_store.authorizationStatus(EntityType::reminder) != AuthorizationStatus::fullAccess)
        return {};
    const auto enabled = calendars(m_defaults.get(keys::enabledRemindersLists));
    if (enabled.empty())
        return {};
    const QTimeZone zone = kit::zoneOrUtc(m_timeZoneId);
    const int daysBack = m_defaults.get(keys::remindersDaysInThePastCount);
    const QDate firstDay = kit::localDate(range.start, m_timeZoneId).addDays(-daysBack);
    const kit::Instant windowStart = kit::fromQDateTime(firstDay.startOfDay(zone));
    auto found = m_store.incompleteReminders({windowStart, range.end, identifiers(enabled)});
    std::erase_if(found, [](const Reminder& r) { return !r.due.has_value(); });
    return found;
}

kit::Instant EventQueries::sortInstant(const CalendarItem& item) const {
    if (const auto* event = std::get_if<Event>(&item))
        return event->dateRange().start;
    const auto& reminder = std::get<Reminder>(item);
    return platform::dueInstant(*reminder.due, m_timeZoneId);
}

std::vector<CalendarItem> EventQueries::calendarItems(const DateRange& range) const {
    std::vector<CalendarItem> items;
    for (auto& e : events(range))
        items.emplace_back(std::move(e));
    for (auto& r : reminders(range))
        items.emplace_back(std::move(r));
    std::vector<std::pair<kit::Instant, std::size_t>> order;
    order.reserve(items.size());
    for (std::size_t i = 0; i < items.size(); ++i)
        order.emplace_back(sortInstant(items[i]), i);
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<CalendarItem> sorted;
    sorted.reserve(items.size());
    for (const auto& [instant, index] : order)
        sorted.push_back(std::move(items[index]));
    return sorted;
}

} // namespace ruvo::events
