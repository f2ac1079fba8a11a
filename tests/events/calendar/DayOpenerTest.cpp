// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a day outside Ruvo: Google Calendar, the default application, or a message.
#include "events/calendar/DayOpener.h"

#include "MemoryDefaults.h"
#include "platform/fake/FakeCalendarApplication.h"
#include "platform/fake/FakeUrlOpener.h"
#include "settings/Keys.h"

#include <gtest/gtest.h>

using namespace ruvo;
using Outcome = platform::CalendarApplicationResult::Outcome;

TEST(DayOpenerTest, OpensTheDayOrSaysWhyNot) {
    const struct {
        const char* name;
        bool inGoogleCalendar;
        Outcome outcome;
        const char* url;     // opened in the browser, or ""
        const char* message; // the message shown, or ""
    } rows[] = {
        {"google", true, Outcome::openedAtDate,
         "https://calendar.google.com/calendar/r/day/2027/1/5", ""},
        {"addressed at the day", false, Outcome::openedAtDate, "", ""},
        {"launched normally", false, Outcome::launchedNormally, "",
         "Ruvo doesn't know how to open your default calendar “Organizer” (org.example.Organizer."
         "desktop) at the selected date. The app will instead be launched normally."},
        {"no application", false, Outcome::noApplication, "", "No calendar application found"},
        {"cannot start", false, Outcome::failed, "", "Could not start “Organizer”"},
    };
    test::MemoryDefaults memory;
    settings::Defaults& defaults = memory.defaults;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        defaults.set(settings::keys::calendarLongPressOpenInGoogleCalendar, row.inGoogleCalendar);
        platform::FakeUrlOpener urls;
        platform::FakeCalendarApplication app;
        app.answer = {row.outcome, QStringLiteral("Organizer"),
                      QStringLiteral("org.example.Organizer.desktop")};
        QStringList told; // each message with its informative text
        calendar::DayOpener opener(defaults, urls, app, [&](const calendar::UserMessage& m) {
            told << m.text << m.informativeText;
        });
        opener.open(QDate(2027, 1, 5));
        EXPECT_EQ(urls.opened.value(0).toString(), QString::fromLatin1(row.url));
        EXPECT_EQ(urls.opened.size(), *row.url ? 1 : 0);
        EXPECT_EQ(app.openedDays.size(), row.inGoogleCalendar ? 0u : 1u);
        EXPECT_EQ(told.value(0), QString::fromUtf8(row.message));
        EXPECT_EQ(told.size(), *row.message ? 2 : 0);
        EXPECT_FALSE(*row.message && told.value(1).isEmpty());
    }
}
