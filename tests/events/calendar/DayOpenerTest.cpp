// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a day outside Ruvo: Google Calendar, the default application, or a message.
#include "events/calendar/DayOpener.h"

#include "platform/fake/FakeCalendarApplication.h"
#include "platform/fake/FakeUrlOpener.h"
#include "settings/Keys.h"

#include <gtest/gtest.h>

using namespace ruvo;
using Outcome = platform::CalendarApplicationResult::Outcome;

TEST(DayOpenerTest, OpensTheDayOrSaysWhyNot) {
    struct Row {
        const char* name;
        bool inGoogleCalendar;
        Outcome outcome;
        const char* url;     // opened in the browser, or nullptr
        const char* message; // the start of the message shown, or nullptr
    };
    const Row rows[] = {
        {"google", true, Outcome::openedAtDate,
         "https://calendar.google.com/calendar/r/day/2027/1/5", nullptr},
        {"addressed at the day", false, Outcome::openedAtDate, nullptr, nullptr},
        {"launched normally", false, Outcome::launchedNormally, nullptr,
         "Ruvo doesn't know how to open your default calendar “Organizer” (org.example.Organizer."
         "desktop) at the selected date. The app will instead be launched normally."},
        {"no application", false, Outcome::noApplication, nullptr, "No calendar application found"},
        {"cannot start", false, Outcome::failed, nullptr, "Could not start “Organizer”"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        settings::Suite standard{QStringLiteral("standard")};
        settings::Suite shared{QStringLiteral("shared")};
        settings::Defaults defaults{standard, shared};
        defaults.set(settings::keys::calendarLongPressOpenInGoogleCalendar, row.inGoogleCalendar);
        platform::FakeUrlOpener urls;
        platform::FakeCalendarApplication app;
        app.answer = {row.outcome, QStringLiteral("Organizer"),
                      QStringLiteral("org.example.Organizer.desktop")};
        std::vector<calendar::UserMessage> told;
        calendar::DayOpener opener(defaults, urls, app,
                                   [&](const calendar::UserMessage& m) { told.push_back(m); });
        opener.open(QDate(2027, 1, 5));
        EXPECT_EQ(urls.opened.size(), row.url ? 1 : 0);
        if (row.url) {
            EXPECT_EQ(urls.opened.value(0), QUrl(QString::fromLatin1(row.url)));
        }
        EXPECT_EQ(app.openedDays.size(), row.inGoogleCalendar ? 0u : 1u);
        ASSERT_EQ(told.size(), row.message ? 1u : 0u);
        if (row.message) {
            EXPECT_EQ(told[0].text, QString::fromUtf8(row.message));
            EXPECT_FALSE(told[0].informativeText.isEmpty());
        }
    }
}
