// SPDX-License-Identifier: GPL-3.0-or-later
// Records the days it was asked to open and answers with a preset outcome.
#pragma once

#include "platform/CalendarApplication.h"

#include <vector>

namespace ruvo::platform {

class FakeCalendarApplication final : public CalendarApplication {
public:
    CalendarApplicationResult answer{CalendarApplicationResult::Outcome::openedAtDate,
                                     QStringLiteral("Calendar"),
                                     QStringLiteral("org.gnome.Calendar.desktop")};
    std::vector<QDate> openedDays;

    CalendarApplicationResult openAtDate(QDate day) override {
        openedDays.push_back(day);
        return answer;
    }
};

} // namespace ruvo::platform
