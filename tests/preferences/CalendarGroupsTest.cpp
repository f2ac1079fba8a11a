// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar lists' headings: each calendar under the folder the user added that holds it.
#include "preferences/CalendarGroups.h"

#include <gtest/gtest.h>

using namespace ruvo;
using namespace ruvo::preferences;

namespace {

platform::Calendar calendar(const char* title, const char* source,
                            platform::EntityType kind = platform::EntityType::event) {
    platform::Calendar c;
    c.identifier = QString::fromLatin1(title);
    c.title = QString::fromLatin1(title);
    c.source = QString::fromLatin1(source);
    c.kind = kind;
    return c;
}

// "heading: title title | heading: title", for one line of expectation per case.
QString outline(const std::vector<CalendarGroup>& groups) {
    QStringList parts;
    for (const CalendarGroup& g : groups) {
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
    using platform::EntityType;
    struct Row {
        const char* what;
        std::vector<platform::Calendar> calendars;
        const char* expected;
    };
    const Row rows[] = {
        {"six collections of one root are one group",
         {calendar("a", "/h/.calendars/a"), calendar("b", "/h/.calendars/b"),
          calendar("c", "/h/.calendars/c"), calendar("d", "/h/.calendars/d"),
          calendar("e", "/h/.calendars/e"), calendar("f", "/h/.calendars/f")},
         "/h/.calendars: a b c d e f"},
        {"a folder that is one collection heads itself",
         {calendar("cal", "/h/cal")},
         "/h/cal: cal"},
        {"a root added inside another root wins for its own",
         {calendar("home", "/h/.calendars/home"), calendar("team", "/h/.calendars/work/team"),
          calendar("work", "/h/.calendars/work")},
         "/h/.calendars: home | /h/.calendars/work: team work"},
        {"a sibling sharing the prefix is not inside",
         {calendar("x", "/h/calendar-x"), calendar("y", "/h/cal/y")},
         "/h/calendar-x: x | /h/cal: y"},
        {"the built-in store is marked",
         {calendar("Calendar", "/d/ruvo/calendars/calendar")},
         "*/d/ruvo/calendars: Calendar"},
        {"accounts and unlisted folders keep their own source, in order of appearance",
         {calendar("g1", "Google"), calendar("old", "/h/old/one"), calendar("none", ""),
          calendar("g2", "Google"), calendar("a", "/h/.calendars/a")},
         "Google: g1 g2 | /h/old/one: old | : none | /h/.calendars: a"},
        {"a path that cleans into a root still belongs to it",
         {calendar("dots", "/h/.calendars/./z/../z")},
         "/h/.calendars: dots"},
        {"only calendars of the kind asked for",
         {calendar("todo", "/h/.calendars/todo", EntityType::reminder)},
         ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(outline(groupCalendars(row.calendars, EntityType::event, folders)),
                  QString::fromLatin1(row.expected))
            << row.what;
}

TEST(CalendarGroupsTest, FolderTitlesStartFromHome) {
    struct Row {
        const char* source;
        const char* home;
        const char* expected;
    };
    const Row rows[] = {
        {"/home/ann/.calendars", "/home/ann", "~/.calendars"},
        {"/home/ann/.calendars", "/home/ann/", "~/.calendars"},
        {"/home/anna/cal", "/home/ann", "/home/anna/cal"},
        {"/home/ann", "/home/ann", "/home/ann"},
        {"/srv/cal", "/", "/srv/cal"},
        {"Google", "/home/ann", "Google"},
        {"/home/ann/cal", "", "/home/ann/cal"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(folderTitle(QString::fromLatin1(row.source), QString::fromLatin1(row.home)),
                  QString::fromLatin1(row.expected))
            << row.source << " in " << row.home;
}

} // namespace
