// SPDX-License-Identifier: GPL-3.0-or-later
#include "quickadd/QuickAddTarget.h"

#include <QCoreApplication>

namespace ruvo::quickadd {

using platform::Calendar;
using platform::EntityType;

kit::Result<Calendar> targetCalendar(const platform::CalendarStore& store,
                                     const QString& identifier) {
    if (!identifier.isEmpty()) {
        const auto calendar = store.calendarWithIdentifier(identifier);
        if (!calendar || calendar->kind != EntityType::event)
            return kit::fail(QCoreApplication::translate("QuickAdd", "There is no calendar “%1”.")
                                 .arg(identifier));
        if (!calendar->isWritable)
            return kit::fail(
                QCoreApplication::translate("QuickAdd", "The calendar “%1” is read-only.")
                    .arg(calendar->title));
        return *calendar;
    }
    if (auto chosen = store.defaultCalendarForNewEvents(); chosen && chosen->isWritable)
        return *chosen;
    for (const Calendar& calendar : store.calendars(EntityType::event))
        if (calendar.isWritable)
            return calendar;
    return kit::fail(
        QCoreApplication::translate("QuickAdd", "There is no calendar that can take new events."));
}

bool hasWritableCalendar(const platform::CalendarStore& store) {
    const auto calendars = store.calendars(EntityType::event);
    return std::any_of(calendars.begin(), calendars.end(),
                       [](const Calendar& c) { return c.isWritable; });
}

platform::EventDraft eventDraft(const QuickAddEvent& event, const QString& calendarIdentifier) {
    platform::EventDraft draft;
    draft.calendarIdentifier = calendarIdentifier;
    draft.title = event.title;
    draft.start = event.start;
    draft.end = event.end;
    draft.isAllDay = event.isAllDay;
    draft.location = event.location;
    return draft;
}

platform::Event unsavedEvent(const QuickAddEvent& event, const QString& calendarIdentifier) {
    auto data = std::make_shared<platform::EventData>();
    data->calendarIdentifier = calendarIdentifier;
    data->title = event.title;
    data->isAllDay = event.isAllDay;
    if (!event.location.isEmpty())
        data->extra().location = event.location;
    return platform::Event(std::move(data), event.start, event.end, event.start);
}

} // namespace ruvo::quickadd
