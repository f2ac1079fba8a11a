// SPDX-License-Identifier: GPL-3.0-or-later
// The month grid in several locales and the dots of its days.
#include "events/calendar/MonthGrid.h"

#include "MemoryDefaults.h"
#include "TestEvents.h"
#include "TestSupport.h"
#include "events/calendar/CalendarDots.h"
#include "platform/fake/FakeCalendarStore.h"
#include "settings/Keys.h"

#include <gtest/gtest.h>

using namespace ruvo;
using ruvo::test::at;
namespace keys = settings::keys;

TEST(MonthGridTest, FollowsTheLocalesWeekAndNames) {
    struct Row {
        const char* locale;
        QDate shown;
        int firstWeekday;
        const char* weekdays; // joined by spaces
        QDate firstDay;
        const char* title;
        int firstWeek; // of the first row
    };
    const Row rows[] = {
        {"en_US", QDate(2026, 12, 17), 7, "S M T W T F S", QDate(2026, 11, 29), "December 2026",
         49},
        {"de_DE", QDate(2026, 12, 1), 1, "M D M D F S S", QDate(2026, 11, 30), "Dezember 2026", 49},
        // Egypt's week starts on Saturday.
        {"ar_EG", QDate(2026, 12, 31), 6, "س ح ن ث ر خ ج", QDate(2026, 11, 28), "ديسمبر ٢٠٢٦", 49},
        // 1 January 2021 is a Friday: ISO weeks put it in week 53 of 2020, the US in week 1.
        {"de_DE", QDate(2021, 1, 1), 1, "M D M D F S S", QDate(2020, 12, 28), "Januar 2021", 53},
        {"en_US", QDate(2021, 1, 1), 7, "S M T W T F S", QDate(2020, 12, 27), "January 2021", 1},
        // Persian's own calendar is not used: the grid and its title stay Gregorian.
        {"fa_IR", QDate(2026, 3, 10), 6, "ش ی د س چ پ ج", QDate(2026, 2, 28), "مارس ۲۰۲۶", 10},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.locale) + " " + row.shown.toString().toStdString());
        const auto grid = calendar::monthGrid(
            row.shown, {QString::fromLatin1(row.locale), QStringLiteral("Europe/Berlin")});
        EXPECT_EQ(grid.firstWeekday, row.firstWeekday);
        EXPECT_EQ(grid.weekdays.join(QLatin1Char(' ')), QString::fromUtf8(row.weekdays));
        ASSERT_EQ(grid.rows.size(), 6u);
        EXPECT_EQ(grid.firstDay(), row.firstDay);
        EXPECT_EQ(grid.lastDay(), row.firstDay.addDays(41));
        EXPECT_EQ(grid.rows[0].weekOfYear, row.firstWeek);
        EXPECT_EQ(grid.title, QString::fromUtf8(row.title));
    }
}

namespace {

class DotsTest : public ::testing::Test, public test::MemoryDefaults {
protected:
    DotsTest() {
        settings::StringSet enabled;
        for (const char* spec : {"A#ff0000", "B#00ff0080", "C#0000ff", "D", "R"}) {
            const QString id = QString::fromLatin1(spec, 1);
            const auto type =
                id == u'R' ? platform::EntityType::reminder : platform::EntityType::event;
            store.calendarList.push_back(
                {id, id, QString::fromLatin1(spec + 1), type, {}, true, {}});
            enabled.insert(id);
        }
        defaults.set(keys::enabledCalendars, enabled);
    }

    void add(const char* calendar, const char* start, const char* end) {
        const std::string title = calendar + (" " + std::to_string(++m_count));
        store.addEvent(test::eventData(title.c_str(), title.c_str(), calendar), at(start), at(end));
    }

    // The dots of each day of 30 Nov ... 10 Jan (December 2026, Monday first), as colour names.
    std::map<QDate, QStringList> dotsByDay(settings::EventIndicatorsInCalendar indicator) {
        const auto grid = calendar::monthGrid(QDate(2026, 12, 1), {QStringLiteral("de_DE"), zone});
        const events::EventQueries queries(store, defaults, zone);
        const auto dots =
            calendar::computeDots(calendar::dotsInput(queries, grid.days(), indicator));
        std::map<QDate, QStringList> byDay;
        const auto days = grid.days();
        for (std::size_t i = 0; i < dots.size(); ++i)
            for (const QColor& c : dots[i])
                byDay[days[i]] << calendar::colourName(c);
        return byDay;
    }

    platform::FakeCalendarStore store;
    const QString zone = QStringLiteral("Europe/Berlin");
    int m_count = 0;
};

} // namespace

TEST_F(DotsTest, EachDayGetsTheColoursOfItsEventsInStartOrder) {
    // 8 December: four calendars (D first, without colour), A twice.
    add("D", "2026-12-08T07:00:00Z", "2026-12-08T08:00:00Z");
    add("A", "2026-12-08T08:00:00Z", "2026-12-08T09:00:00Z");
    add("A", "2026-12-08T09:00:00Z", "2026-12-08T10:00:00Z");
    add("B", "2026-12-08T10:00:00Z", "2026-12-08T11:00:00Z");
    add("C", "2026-12-08T11:00:00Z", "2026-12-08T12:00:00Z");
    // A three-day event from Thursday 10 Dec 12:00 to Saturday 12 Dec 12:00 Berlin time.
    add("C", "2026-12-10T11:00:00Z", "2026-12-12T11:00:00Z");
    // Ends exactly at midnight Berlin: no dot on the 16th.
    add("B", "2026-12-15T22:00:00Z", "2026-12-15T23:00:00Z");
    // A moment without duration at 00:00 Berlin on the 20th.
    add("A", "2026-12-19T23:00:00Z", "2026-12-19T23:00:00Z");
    // Outside the grid on both sides.
    add("A", "2026-11-28T10:00:00Z", "2026-11-29T10:00:00Z");
    add("A", "2027-01-11T10:00:00Z", "2027-01-11T11:00:00Z");
    store.reminderList.push_back({QStringLiteral("r1"), QStringLiteral("R"), QStringLiteral("r1"),
                                  QStringLiteral("pay"), QString(),
                                  platform::DueDate{QDate(2026, 12, 22), std::nullopt, {}}});

    using I = settings::EventIndicatorsInCalendar;
    const QString red = QStringLiteral("#ff0000"), green = QStringLiteral("#00ff0080"),
                  blue = QStringLiteral("#0000ff"), systemGray = QStringLiteral("#8e8e93");
    // Colours, at most three, in the order of each calendar's first event; reminders get none.
    const std::map<QDate, QStringList> colours{{QDate(2026, 12, 8), {systemGray, red, green}},
                                               {QDate(2026, 12, 10), {blue}},
                                               {QDate(2026, 12, 11), {blue}},
                                               {QDate(2026, 12, 12), {blue}},
                                               {QDate(2026, 12, 15), {green}},
                                               {QDate(2026, 12, 20), {red}}};
    std::map<QDate, QStringList> oneGray;
    for (const auto& [day, dots] : colours)
        oneGray[day] = QStringList{QStringLiteral("#808080cc")};
    const std::pair<I, std::map<QDate, QStringList>> rows[] = {
        {I::maxThree, colours}, {I::one, oneGray}, {I::none, {}}};
    for (const auto& [indicator, expected] : rows) {
        SCOPED_TRACE(int(indicator));
        const int queriesBefore = store.eventQueryCount;
        EXPECT_EQ(dotsByDay(indicator), expected);
        EXPECT_EQ(store.eventQueryCount > queriesBefore, indicator != I::none);
    }
}

TEST(CalendarColourTest, ReadsTheStoresFormsOnly) {
    const struct {
        const char* text;
        const char* name; // "" for invalid
    } rows[] = {{"#8E44AD", "#8e44ad"}, {"#8E44ADFF", "#8e44ad"}, {"#00ff0080", "#00ff0080"},
                {"8E44AD", ""},         {"#8E44A", ""},           {"#GG0000", ""}};
    for (const auto& row : rows) {
        const QColor c = calendar::parseCalendarColour(QString::fromLatin1(row.text));
        EXPECT_EQ(c.isValid() ? calendar::colourName(c) : QString(), QString::fromLatin1(row.name))
            << row.text;
    }
}
