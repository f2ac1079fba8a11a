// SPDX-License-Identifier: GPL-3.0-or-later
#include "creation/SaveNewItem.h"

#include <QCoreApplication>

namespace ruvo::creation {

using platform::Calendar;
using platform::EntityType;

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("SaveNewItem", text);
}

// The calendar an item goes into: the named one, else the store's default for its kind.
kit::Result<Calendar> targetCalendar(const platform::CalendarStore& store, const QString& id,
                                     EntityType kind) {
    std::optional<Calendar> calendar;
    if (!id.isEmpty())
        calendar = store.calendarWithIdentifier(id);
    else if (kind == EntityType::event)
        calendar = store.defaultCalendarForNewEvents();
    else if (auto lists = store.calendars(kind); !lists.empty())
        calendar = lists.front();
    if (!calendar && id.isEmpty())
        return kit::fail(kind == EntityType::event ? tr("There is no calendar to save into.")
                                                   : tr("There is no reminder list to save into."));
    if (!calendar)
        return kit::fail(tr("There is no calendar \"%1\".").arg(id));
    if (calendar->kind != kind)
        return kit::fail(
            kind == EntityType::event
                ? tr("\"%1\" is a reminder list, not a calendar.").arg(calendar->title)
                : tr("\"%1\" is a calendar, not a reminder list.").arg(calendar->title));
    if (!calendar->isWritable)
        return kit::fail(
            tr("The calendar \"%1\" is read-only. Choose another calendar.").arg(calendar->title));
    return *calendar;
}

std::optional<QString> draftError(const platform::EventDraft& draft) {
    if (draft.title.trimmed().isEmpty())
        return tr("The event needs a title.");
    if (draft.end < draft.start)
        return tr("The event ends before it starts.");
    return std::nullopt;
}

} // namespace

kit::Result<platform::Event> saveNewEvent(platform::CalendarStore& store,
                                          const platform::EventDraft& draft) {
    if (auto error = draftError(draft))
        return kit::fail(*error);
    auto calendar = targetCalendar(store, draft.calendarIdentifier, EntityType::event);
    if (!calendar)
        return kit::fail(calendar.error());
    platform::EventDraft exact = draft;
    exact.calendarIdentifier = calendar->identifier;
    auto identifier = store.saveEvent(exact);
    if (!identifier)
        return kit::fail(identifier.error());
    store.refreshSourcesIfNecessary();
    auto saved = store.eventWithIdentifier(*identifier);
    if (!saved)
        return kit::fail(tr("The event was saved but cannot be read back."));
    return *saved;
}

kit::Result<platform::Reminder> saveNewReminder(platform::CalendarStore& store,
                                                const platform::ReminderDraft& draft) {
    if (draft.title.trimmed().isEmpty())
        return kit::fail(tr("The reminder needs a title."));
    auto list = targetCalendar(store, draft.calendarIdentifier, EntityType::reminder);
    if (!list)
        return kit::fail(list.error());
    platform::ReminderDraft exact = draft;
    exact.calendarIdentifier = list->identifier;
    auto identifier = store.saveReminder(exact);
    if (!identifier)
        return kit::fail(identifier.error());
    store.refreshSourcesIfNecessary();
    platform::Reminder saved;
    saved.identifier = *identifier;
    saved.calendarIdentifier = list->identifier;
    saved.uid = identifier->section(QLatin1Char('/'), -1);
    saved.title = draft.title;
    saved.notes = draft.notes;
    saved.due = draft.due;
    saved.priority = draft.priority;
    return saved;
}

} // namespace ruvo::creation
