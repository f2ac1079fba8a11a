// SPDX-License-Identifier: GPL-3.0-or-later
// The calendars the events tests share: "A" Work and "B" Home (events), "R" Todo (reminders).
#pragma once

#include "platform/CalendarTypes.h"

#include <vector>

namespace ruvo::test {

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

} // namespace ruvo::test
