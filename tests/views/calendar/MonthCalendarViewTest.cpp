// SPDX-License-Identifier: GPL-3.0-or-later
// The month calendar on the offscreen platform: clicks, the long press, keys and hovering.
#include "views/calendar/MonthCalendarView.h"

#include "MemoryDefaults.h"
#include "TestEvents.h"
#include "TestSupport.h"
#include "kit/VirtualScheduler.h"
#include "platform/fake/FakeCalendarStore.h"
#include "settings/Keys.h"
#include "views/calendar/MonthGridWidget.h"

#include <QApplication>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <utility>

using namespace ruvo;
using ruvo::test::at;
namespace keys = settings::keys;

namespace {

class MonthCalendarViewTest : public ::testing::Test, public test::MemoryDefaults {
protected:
    MonthCalendarViewTest() {
        defaults.set(keys::showWeekNumbersInCalendar, true);
        defaults.set(keys::indicateEventsInCalendar, settings::EventIndicatorsInCalendar::one);
        defaults.set(keys::enabledCalendars, settings::StringSet{QStringLiteral("A")});
        platform::Calendar work;
        work.identifier = QStringLiteral("A");
        work.colour = QStringLiteral("#ff0000");
        store.calendarList = {work};
        store.addEvent(test::eventData("A", "A"), at("2026-12-10T15:00:00Z"),
                       at("2026-12-10T16:00:00Z"));
        eventsDidChange.emit();
        view.resize(260, 260);
        view.show();
    }

    void click(QDate day, int holdMs = 0) {
        auto* grid = view.grid();
        const QPoint at = grid->centreOf(day);
        ASSERT_FALSE(at.isNull());
        QTest::mousePress(grid, Qt::LeftButton, {}, at);
        scheduler.advance(std::chrono::milliseconds(holdMs));
        QTest::mouseRelease(grid, Qt::LeftButton, {}, at);
    }

    platform::FakeCalendarStore store;
    kit::Signal<> eventsDidChange;
    kit::VirtualScheduler scheduler{at("2026-12-08T17:00:00Z")};
    kit::ObservableValue<QDate> selectedDate{QDate(2026, 12, 8)};
    events::CalendarDaysHighlightModel hovered;
    std::vector<QDate> opened;
    calendar::CalendarModel model{
        {defaults, store, eventsDidChange, scheduler,
         [] {
             return kit::Environment{QStringLiteral("en_US"), QStringLiteral("America/New_York")};
         },
         selectedDate}};
    views::MonthCalendarView view{{defaults, model, scheduler, hovered,
                                   [this](QDate day) { opened.push_back(day); },
                                   [this] { return std::exchange(isTravelling, false); }}};
    bool isTravelling = false; // the world clock shows another time
};

} // namespace

TEST_F(MonthCalendarViewTest, ClicksKeysAndLongPressesDoWhatTheTipsSay) {
    EXPECT_EQ(view.titleButton()->text(), QStringLiteral("December 2026"));
    const auto& cells = view.grid()->content().cells;
    ASSERT_EQ(cells.size(), 42u);
    EXPECT_EQ(cells[11].date, QDate(2026, 12, 10)); // Sunday 29 Nov first
    EXPECT_EQ(cells[11].dots.size(), 1u);

    click(QDate(2026, 12, 17));
    EXPECT_EQ(selectedDate.value(), QDate(2026, 12, 17));
    click(QDate(2027, 1, 2)); // a dimmed January day brings January
    EXPECT_EQ(selectedDate.value(), QDate(2027, 1, 2));
    EXPECT_EQ(view.titleButton()->text(), QStringLiteral("January 2027"));

    QTest::keyClick(&view, Qt::Key_Space);
    EXPECT_EQ(selectedDate.value(), QDate(2026, 12, 8));
    QTest::keyClick(&view, Qt::Key_Down);
    QTest::keyClick(&view, Qt::Key_Left);
    EXPECT_EQ(selectedDate.value(), QDate(2026, 12, 14));

    click(QDate(2026, 12, 20), 600); // held: opens the day instead of selecting it
    EXPECT_EQ(opened, std::vector<QDate>{QDate(2026, 12, 20)});
    EXPECT_EQ(selectedDate.value(), QDate(2026, 12, 14));

    hovered.set(events::HighlightedDays{QStringLiteral("x"),
                                        {at("2026-12-21T15:00:00Z"), at("2026-12-23T15:00:00Z")}});
    const auto& shown = view.grid()->content().cells;
    EXPECT_EQ(std::count_if(shown.begin(), shown.end(), [](auto& c) { return c.isInHoveredEvent; }),
              3);
}

// "Go to today" (the title, Space) first brings the world clock back to now, keeping the
// selected day; only without time travel does it select today.
TEST_F(MonthCalendarViewTest, GoToTodayEndsTimeTravelFirst) {
    struct Row {
        bool byTitle;
        bool isTravelling;
        QDate selected;
    };
    const Row rows[] = {
        {false, true, QDate(2026, 12, 17)},
        {true, true, QDate(2026, 12, 17)},
        {false, false, QDate(2026, 12, 8)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.byTitle << row.isTravelling);
        click(QDate(2026, 12, 17));
        isTravelling = row.isTravelling;
        if (row.byTitle)
            view.titleButton()->click();
        else
            QTest::keyClick(&view, Qt::Key_Space);
        EXPECT_FALSE(isTravelling);
        EXPECT_EQ(selectedDate.value(), row.selected);
    }
}
