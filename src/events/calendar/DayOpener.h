// SPDX-License-Identifier: GPL-3.0-or-later
// Opens a day outside Ruvo (a long press on a day, "Show in Calendar"): in Google Calendar in
// the browser when `calendarLongPressOpenInGoogleCalendar` is on, else in the default
// calendar application, telling the user when that application could only be launched
// without the day or could not be found.
#pragma once

#include "platform/CalendarApplication.h"
#include "platform/UrlOpener.h"
#include "settings/Defaults.h"

#include <functional>

namespace ruvo::calendar {

struct UserMessage {
    QString text;
    QString informativeText;
    friend bool operator==(const UserMessage&, const UserMessage&) = default;
};

// https://calendar.google.com/calendar/r/day/2026/12/4
QUrl googleCalendarDayUrl(QDate day);

// The message for an application that was launched without the day; nullopt when none is due.
std::optional<UserMessage> messageFor(const platform::CalendarApplicationResult& result);

class DayOpener {
public:
    DayOpener(const settings::Defaults& defaults, platform::UrlOpener& urls,
              platform::CalendarApplication& application,
              std::function<void(const UserMessage&)> tell)
        : m_defaults(defaults), m_urls(urls), m_application(application), m_tell(std::move(tell)) {}

    void open(QDate day);

private:
    const settings::Defaults& m_defaults;
    platform::UrlOpener& m_urls;
    platform::CalendarApplication& m_application;
    std::function<void(const UserMessage&)> m_tell;
};

} // namespace ruvo::calendar
