// SPDX-License-Identifier: GPL-3.0-or-later
// The user's default calendar application, opened at a day where it can be told one, else
// launched normally ("Show in Calendar", a long press on a day of the month calendar).
#pragma once

#include <QDate>
#include <QString>

namespace ruvo::platform {

struct CalendarApplicationResult {
    enum class Outcome {
        openedAtDate,     // started with the day on its command line
        launchedNormally, // it cannot be addressed at a day: started without one
        noApplication,    // no application handles calendars
        failed,           // found, but it could not be started
    };
    Outcome outcome = Outcome::noApplication;
    QString name;      // the application's display name ("Calendar", "Evolution")
    QString desktopId; // "org.gnome.Calendar.desktop"
};

class CalendarApplication {
public:
    virtual ~CalendarApplication() = default;
    virtual CalendarApplicationResult openAtDate(QDate day) = 0;
};

} // namespace ruvo::platform
