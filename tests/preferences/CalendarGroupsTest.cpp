// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar lists' headings: each calendar under the folder the user added that holds it.
#include "preferences/CalendarGroups.h"

#include <gtest/gtest.h>

using namespace ruvo;
using namespace ruvo::preferences;

namespace {

// "title@source" makes a calendar; "~" before the title makes it a reminder list.
// The groups come back as "heading: title title | ...", with "*" before the built-in one.
QString grouped(const std::vector<const char*>& calendars,
                const std::vector<CalendarFolder>& folders) {
    std::vector<platform::Calendar> all;
    for (const char* text : calendars) {
        const QString c = QString::fromLatin1(text);
        platform::Calendar calendar;
        calendar.title = c.section(QLatin1Char('@'), 0, 0).remove(QLatin1Char('~'));
        calendar.source = c.section(QLatin1Char('@'), 1);
        calendar.kind = c.startsWith(QLatin1Char('~')) ? platform::EntityType::reminder
                                                       : platform::EntityType::event;
        all.push_back(calendar);
    }
    QStringList parts;
    for (const CalendarGroup& g : groupCalendars(all, platform::EntityType::event, folders)) {
        QStringList titles;
        for (const platform::Calendar& c : g.calendars)
            titles << c.title;
        parts << (g.isBuiltIn ? QStringLiteral("*") : QString()) + g.source + QStringLiteral(": ") +
                     titles.join(QLatin1Char(' '));
    }
    return parts.join(QStringLiteral(" | "));
}

TEST(CalendarGroupsTest, CalendarsGoUnderTheInnermostFolderTheUserAdded) {
    const std::vector<CalendarFolder> folders{{QStringLiteral("/d/ruvo/calendars"), true},
                                              {QStringLiteral("/h/.calendars/"), false},
                                              {QStringLiteral("/h/.calendars/work"), false},
                                              {QStringLiteral("/h/cal"), false}};
    struct Row {
        std::vector<const char*> calendars;
        const char* expected;
    };
    const Row rows[] = {
        // A root's collections, a root inside it, a sibling sharing its prefix, the built-in.
        {{"a@/h/.calendars/a", "b@/h/.calendars/b", "team@/h/.calendars/work/team",
          "work@/h/.calendars/work", "x@/h/calendar-x", "cal@/h/cal", "C@/d/ruvo/calendars/c"},
         "/h/.calendars: a b | /h/.calendars/work: team work | /h/calendar-x: x | /h/cal: cal | "
         "*/d/ruvo/calendars: C"},
        // Accounts, unlisted folders and none keep their own, in order; paths are cleaned.
        {{"g1@Google", "old@/h/old/one", "none@", "g2@Google", "dots@/h/.calendars/./z/../z",
          "~todo@/h/.calendars/todo"},
         "Google: g1 g2 | /h/old/one: old | : none | /h/.calendars: dots"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(grouped(row.calendars, folders), QString::fromLatin1(row.expected));
    EXPECT_EQ(folderTitle(QStringLiteral("/home/ann/.cal"), QStringLiteral("/home/ann/")),
              QStringLiteral("~/.cal"));
    EXPECT_EQ(folderTitle(QStringLiteral("/home/anna/cal"), QStringLiteral("/home/ann")),
              QStringLiteral("/home/anna/cal"));
    EXPECT_EQ(folderTitle(QStringLiteral("/srv/cal"), QStringLiteral("/")),
              QStringLiteral("/srv/cal"));
}

} // namespace
