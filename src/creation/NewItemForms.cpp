// SPDX-License-Identifier: GPL-3.0-or-later
#include "creation/NewItemForms.h"

#include "kit/LocalTime.h"

#include <QUrl>

namespace ruvo::creation {

EventTimes defaultEventTimes(kit::Instant now, std::optional<kit::Instant> travelInstant,
                             qint64 defaultDurationSeconds) {
    const qint64 duration = defaultDurationSeconds > 0 ? defaultDurationSeconds : 3600;
    // Without time travel: the next full hour (zones with half-hour offsets see their :30).
    const kit::Instant start =
        travelInstant.value_or(std::chrono::floor<std::chrono::hours>(now) + std::chrono::hours(1));
    return {start, start + kit::Seconds(duration)};
}

namespace {

std::vector<platform::Alarm> alarmsOf(const NewEventForm& form) {
    std::vector<platform::Alarm> alarms;
    for (const auto& offset : {form.alert, form.alert2})
        if (offset)
            alarms.push_back({kit::Seconds(*offset)});
    return alarms;
}

QString webLink(const QString& text) {
    const QUrl url = QUrl::fromUserInput(text.trimmed());
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return {};
    return url.toString();
}

} // namespace

platform::EventDraft eventDraft(const NewEventForm& form, const QString& zoneId) {
    platform::EventDraft draft;
    draft.calendarIdentifier = form.calendarIdentifier;
    draft.title = form.title.trimmed();
    draft.isAllDay = form.isAllDay;
    draft.start = form.start;
    draft.end = form.end;
    if (form.isAllDay) {
        const QTimeZone zone = kit::zoneOrUtc(zoneId);
        const QDate first = kit::localDate(form.start, zoneId);
        const QDate last = std::max(first, kit::localDate(form.end, zoneId));
        draft.start = kit::fromQDateTime(first.startOfDay(zone));
        draft.end = kit::fromQDateTime(last.addDays(1).startOfDay(zone));
    }
    draft.location = form.location.trimmed();
    if (!form.url.trimmed().isEmpty())
        draft.url = webLink(form.url);
    if (!form.notes.trimmed().isEmpty())
        draft.notes = form.notes;
    draft.alarms = alarmsOf(form);
    return draft;
}

platform::ReminderDraft reminderDraft(const NewReminderForm& form, const QString& zoneId) {
    platform::ReminderDraft draft;
    draft.calendarIdentifier = form.listIdentifier;
    draft.title = form.title.trimmed();
    if (!form.notes.trimmed().isEmpty())
        draft.notes = form.notes;
    draft.priority = std::clamp(form.priority, 0, 9);
    if (form.useDueDate && form.dueDate.isValid()) {
        platform::DueDate due{form.dueDate, std::nullopt, QString()};
        if (form.isDueDateWithTime) {
            due.time = form.dueTime.isValid() ? form.dueTime : QTime(9, 0);
            due.timeZoneId = zoneId;
        }
        draft.due = due;
        draft.alarms.push_back({kit::Seconds(0)});
    }
    return draft;
}

bool hasContent(const NewEventForm& event, const NewReminderForm& reminder) {
    for (const QString* text : {&event.title, &event.location, &event.url, &event.notes,
                                &reminder.title, &reminder.notes})
        if (!text->trimmed().isEmpty())
            return true;
    return false;
}

} // namespace ruvo::creation
