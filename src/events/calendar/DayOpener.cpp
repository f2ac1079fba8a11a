// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/calendar/DayOpener.h"

#include "settings/Keys.h"

#include <QCoreApplication>

namespace ruvo::calendar {

QUrl googleCalendarDayUrl(QDate day) {
    return QUrl(QStringLiteral("https://calendar.google.com/calendar/r/day/%1/%2/%3")
                    .arg(day.year())
                    .arg(day.month())
                    .arg(day.day()));
}

std::optional<UserMessage> messageFor(const platform::CalendarApplicationResult& result) {
    using Outcome = platform::CalendarApplicationResult::Outcome;
    switch (result.outcome) {
    case Outcome::openedAtDate:
        return std::nullopt;
    case Outcome::launchedNormally:
        return UserMessage{
            QCoreApplication::translate(
                "DayOpener", "Ruvo doesn't know how to open your default calendar “%1” (%2) at "
                             "the selected date. The app will instead be launched normally.")
                .arg(result.name, result.desktopId),
            QCoreApplication::translate(
                "DayOpener",
                "You can request support for your calendar through the feedback button in Ruvo.")};
    case Outcome::noApplication:
        return UserMessage{
            QCoreApplication::translate("DayOpener", "No calendar application found"),
            QCoreApplication::translate(
                "DayOpener", "No application on this computer is set to open calendars "
                             "(text/calendar). Install one, such as GNOME Calendar or Evolution, "
                             "or turn on opening days in Google Calendar in Ruvo's settings.")};
    case Outcome::failed:
        return UserMessage{
            QCoreApplication::translate("DayOpener", "Could not start “%1”").arg(result.name),
            QCoreApplication::translate("DayOpener", "The application %1 could not be started.")
                .arg(result.desktopId)};
    }
    return std::nullopt;
}

void DayOpener::open(QDate day) {
    if (!day.isValid())
        return;
    if (m_defaults.get(settings::keys::calendarLongPressOpenInGoogleCalendar)) {
        m_urls.open(googleCalendarDayUrl(day));
        return;
    }
    if (const auto message = messageFor(m_application.openAtDate(day)); message && m_tell)
        m_tell(*message);
}

} // namespace ruvo::calendar
