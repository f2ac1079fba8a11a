// SPDX-License-Identifier: GPL-3.0-or-later
// What the calendar tests build most: their calendars, an event with a title, an external
// identifier and a calendar, nothing else; a store change.
#pragma once

#include "platform/CalendarTypes.h"
#include "platform/StoreChange.h"

#include <memory>
#include <optional>
#include <vector>

namespace ruvo::test {

// Event calendars "A" Work and "B" Home, and "R" Todo for reminders.
inline std::vector<platform::Calendar> workHomeTodoCalendars(bool withReminders = true) {
    using platform::EntityType;
    std::vector<platform::Calendar> calendars{
        {QStringLiteral("A"), QStringLiteral("Work"), {}, EntityType::event, {}, true, {}},
        {QStringLiteral("B"), QStringLiteral("Home"), {}, EntityType::event, {}, true, {}}};
    if (withReminders)
        calendars.push_back(
            {QStringLiteral("R"), QStringLiteral("Todo"), {}, EntityType::reminder, {}, true, {}});
    return calendars;
}

inline std::shared_ptr<platform::EventData> eventData(const char* title, const char* uid,
                                                      const char* calendar = "A") {
    auto data = std::make_shared<platform::EventData>();
    data->title = QString::fromUtf8(title);
    data->calendarItemExternalIdentifier = QString::fromUtf8(uid);
    data->calendarIdentifier = QString::fromUtf8(calendar);
    return data;
}

// A change of `span`, or of unknown extent without one.
inline platform::StoreChange changeOf(const std::optional<platform::DateRange>& span) {
    auto change = span ? platform::StoreChange::nothing() : platform::StoreChange::everything();
    if (span)
        change.add(*span);
    return change;
}

} // namespace ruvo::test
