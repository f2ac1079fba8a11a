// SPDX-License-Identifier: GPL-3.0-or-later
// The event list view and the join-next-call button on the offscreen platform, on a
// virtual clock at 08:00 on Tuesday 8 December 2026 in Berlin.
#include "views/events/EventListView.h"

#include "MemoryDefaults.h"
#include "TestEvents.h"
#include "TestSupport.h"
#include "events/EventsController.h"
#include "events/videocalls/VideoCallDetector.h"
#include "kit/VirtualScheduler.h"
#include "platform/fake/FakeCalendarStore.h"
#include "platform/fake/FakeSystemDateEvents.h"
#include "platform/fake/FakeUrlOpener.h"
#include "settings/Keys.h"
#include "views/events/EventListItemModel.h"
#include "views/events/EventRowDelegate.h"
#include "views/events/JoinNextCallButton.h"
#include "views/events/SummaryPopup.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <gtest/gtest.h>

using namespace ruvo;
using ruvo::test::at;
namespace keys = settings::keys;

namespace {

const QDate kToday(2026, 12, 8);

// Saves the picture for people to look at (next to the test, in screenshots/).
void saveScreenshot(QWidget& widget, const QString& name) {
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots");
    QDir().mkpath(folder);
    widget.grab().save(folder + QLatin1Char('/') + name);
}

class EventListViewTest : public ::testing::Test, public test::MemoryDefaults {
protected:
    EventListViewTest() {
        store.zoneId = environment.timeZoneId;
        platform::Calendar work, todo;
        work.identifier = QStringLiteral("A");
        work.colour = QStringLiteral("#3366ffff");
        todo.identifier = QStringLiteral("R");
        todo.kind = platform::EntityType::reminder;
        store.calendarList = {work, todo};
        defaults.set(keys::enabledCalendars, {QStringLiteral("A")});
        defaults.set(keys::enabledRemindersLists, {QStringLiteral("R")});
        defaults.set(keys::showReminders, true);
    }

    void event(const QString& title, kit::Instant start, std::chrono::minutes length,
               const QString& location = {}) {
        auto data = test::eventData(qUtf8Printable(title), qUtf8Printable(title));
        data->extra().location = location;
        store.addEvent(data, start, start + length);
    }

    views::EventListDependencies dependencies() { return dependencies(eventsDidChange, nullptr); }
    views::EventListDependencies dependencies(kit::Signal<>& changed,
                                              const platform::StoreChange* change) {
        return {defaults,
                scheduler,
                ticks,
                environment,
                queries,
                changed,
                selectedDate,
                highlighted,
                detector,
                [this](const platform::Event& e) { joined << e.title(); },
                [this](const platform::Reminder& r) { completed << r.title; },
                change};
    }

    std::unique_ptr<views::EventListView> shownList() { return shownList(dependencies()); }
    std::unique_ptr<views::EventListView> shownList(views::EventListDependencies d) {
        auto view = std::make_unique<views::EventListView>(std::move(d));
        view->resize(320, 400);
        view->show();
        (void)view->viewport()->grab(); // paints at once, exposed or not
        return view;
    }

    // The model row of the item titled `title` (-1 when absent).
    static int rowOf(const views::EventListView& view, const QString& title) {
        const auto& model = view.listModel();
        for (int row = 0; row < model.rowCount(); ++row)
            if (model.row(row).kind == views::ListRowKind::item &&
                views::titleOf(model.row(row).item) == title)
                return row;
        return -1;
    }

    kit::Environment environment{QStringLiteral("en_US"), QStringLiteral("Europe/Berlin")};
    platform::FakeCalendarStore store;
    events::EventQueries queries{store, defaults, environment.timeZoneId};
    platform::FakeUrlOpener apps;
    videocalls::VideoCallDetector detector{apps};
    kit::VirtualScheduler scheduler{at("2026-12-08T08:00:00+01:00")};
    platform::FakeSystemDateEvents dateEvents;
    menubar::ClockTicks ticks{scheduler, dateEvents};
    kit::Signal<> eventsDidChange;
    kit::ObservableValue<QDate> selectedDate{kToday};
    events::CalendarDaysHighlightModel highlighted;
    QStringList joined;
    QStringList completed;
};

} // namespace

TEST_F(EventListViewTest, TwoThousandItemsPaintOnlyTheVisibleRowsUnderTheRightPinnedHeader) {
    for (int i = 0; i < 2000; ++i) // about 286 a day, two minutes apart from 08:30
        event(QStringLiteral("d%1-%2").arg(i % 7).arg(i / 7),
              at("2026-12-08T08:30:00+01:00") + std::chrono::days(i % 7) +
                  std::chrono::minutes(2 * (i / 7)),
              std::chrono::minutes(30));
    const auto view = shownList();
    const auto& model = view->listModel();
    ASSERT_EQ(model.rowCount(), 2000 + 7);
    const int visibleRows = 400 / view->rowDelegate().sizeHint({}, model.index(1)).height() + 2;

    struct Row {
        const char* name;
        QString topItem; // scrolled so that this item's row is at the top
        int extraPixels; // then scrolled this much further
        QDate pinned;
    };
    const Row rows[] = {
        {"the first item", QStringLiteral("d0-0"), 0, kToday},
        {"the middle of the third day", QStringLiteral("d2-100"), 0, kToday.addDays(2)},
        {"the last item of a day, the next header arriving", QStringLiteral("d3-285"), 10,
         kToday.addDays(3)},
        {"just past the next header", QStringLiteral("d4-0"), 0, kToday.addDays(4)},
        {"the end", QStringLiteral("d6-284"), 0, kToday.addDays(6)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const int target = rowOf(*view, row.topItem);
        ASSERT_GE(target, 0);
        view->scrollTo(model.index(target), QAbstractItemView::PositionAtTop);
        view->verticalScrollBar()->setValue(view->verticalScrollBar()->value() + row.extraPixels);
        const int paintedBefore = view->rowDelegate().paintCount();
        (void)view->viewport()->grab(); // paints at once, exposed or not
        const int painted = view->rowDelegate().paintCount() - paintedBefore;
        EXPECT_GT(painted, 3);
        EXPECT_LE(painted, visibleRows);
        EXPECT_EQ(view->pinnedHeaderDate(), row.pinned);
    }
    // Row texts were made for the rows painted, not for all two thousand.
    EXPECT_LE(model.builtRowCount(), visibleRows * int(std::size(rows)));

    saveScreenshot(*view, QStringLiteral("event-list-end.png"));
}

TEST_F(EventListViewTest, ClicksHoverAndChangesReachTheirTargets) {
    event(QStringLiteral("Standup"), at("2026-12-08T09:00:00+01:00"), std::chrono::minutes(15),
          QStringLiteral("https://zoom.us/j/123456789"));
    event(QStringLiteral("Late"), at("2026-12-09T22:00:00+01:00"), std::chrono::minutes(240));
    event(QStringLiteral("Breakfast"), at("2026-12-08T07:00:00+01:00"), std::chrono::minutes(30),
          QStringLiteral("Café Rosa"));
    platform::Reminder reminder;
    reminder.identifier = reminder.title = QStringLiteral("Pay rent");
    reminder.calendarIdentifier = QStringLiteral("R");
    reminder.due = platform::DueDate{kToday, QTime(18, 0), {}};
    reminder.priority = 1;
    store.reminderList.push_back(reminder);
    const auto view = shownList();
    QStringList activated, menus;
    QObject::connect(view.get(), &views::EventListView::itemActivated,
                     [&](const events::CalendarItem& item) { activated << views::titleOf(item); });
    QObject::connect(view.get(), &views::EventListView::contextMenuRequested,
                     [&](const events::CalendarItem& item, QDate day, QPoint) {
                         menus << views::titleOf(item) + day.toString(Qt::ISODate);
                     });
    QWidget* viewport = view->viewport();
    const auto& model = view->listModel();
    const auto rectOf = [&](const QString& title) {
        return view->visualRect(model.index(rowOf(*view, title)));
    };
    const auto click = [&](QPoint at) { QTest::mouseClick(viewport, Qt::LeftButton, {}, at); };
    const QPoint join = view->rowDelegate().joinRect(rectOf(QStringLiteral("Standup"))).center();
    click(join);
    click(view->rowDelegate().checkBoxRect(rectOf(QStringLiteral("Pay rent"))).center());
    click(rectOf(QStringLiteral("Pay rent")).center());
    QHelpEvent tip(QEvent::ToolTip, join, viewport->mapToGlobal(join));
    QCoreApplication::sendEvent(viewport, &tip);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Join video call"));
    EXPECT_EQ(joined, QStringList{QStringLiteral("Standup")});
    EXPECT_EQ(completed, QStringList{QStringLiteral("Pay rent")});
    EXPECT_EQ(activated, QStringList{QStringLiteral("Pay rent")});

    // "Past events" opens a popup whose items open like rows.
    int pastRow = 0;
    while (model.row(pastRow).kind != views::ListRowKind::pastEvents)
        ++pastRow;
    click(view->visualRect(model.index(pastRow)).center());
    auto* popup = view->findChild<views::SummaryPopup*>();
    ASSERT_TRUE(popup && popup->findChild<QToolButton*>());
    popup->findChild<QToolButton*>()->click();
    EXPECT_EQ(activated, (QStringList{QStringLiteral("Pay rent"), QStringLiteral("Breakfast")}));

    // "Late" stands under both days it covers; the menu names the day it was opened in.
    for (int row = rowOf(*view, QStringLiteral("Late")); row < model.rowCount(); ++row) {
        const QPoint point = view->visualRect(model.index(row)).center();
        QContextMenuEvent menu(QContextMenuEvent::Mouse, point, viewport->mapToGlobal(point));
        if (model.row(row).kind == views::ListRowKind::item)
            QCoreApplication::sendEvent(viewport, &menu);
    }
    EXPECT_EQ(menus,
              (QStringList{QStringLiteral("Late2026-12-09"), QStringLiteral("Late2026-12-10")}));

    const QPointF late = rectOf(QStringLiteral("Late")).center();
    QMouseEvent move(QEvent::MouseMove, late, viewport->mapToGlobal(late), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &move);
    ASSERT_TRUE(highlighted.value().has_value());
    EXPECT_EQ(highlighted.value()->range.start, at("2026-12-09T22:00:00+01:00"));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(view.get(), &leave);
    EXPECT_FALSE(highlighted.value().has_value());

    // The minute tick moves the row's timing; the selected day rebuilds (store changes: below).
    const int standup = rowOf(*view, QStringLiteral("Standup"));
    EXPECT_EQ(model.texts(standup).relative, QStringLiteral("in 1 hour"));
    scheduler.advanceTo(at("2026-12-08T08:50:00+01:00"));
    EXPECT_EQ(model.texts(standup).relative, QStringLiteral("in 10 minutes"));
    selectedDate.set(kToday.addDays(1));
    EXPECT_EQ(rowOf(*view, QStringLiteral("Standup")), -1);
    EXPECT_EQ(model.row(0).date, kToday.addDays(1));
}

// The shown days are 8 to 14 December; store changes come through the events controller.
TEST_F(EventListViewTest, StoreChangesUpdateOncePerBurstOnlyForTheShownDaysKeepingTheRow) {
    using namespace std::chrono_literals;
    event(QStringLiteral("Standup"), at("2026-12-08T09:00:00+01:00"), 15min);
    event(QStringLiteral("Review"), at("2026-12-08T15:00:00+01:00"), 60min);
    events::EventsController controller(store, defaults, scheduler);
    scheduler.runDue(); // its first reactions to the settings
    const auto view =
        shownList(dependencies(controller.eventsDidChange(), &controller.lastChange()));
    view->setCurrentIndex(view->listModel().index(rowOf(*view, QStringLiteral("Standup"))));

    const kit::Instant first = at("2026-12-08T00:00:00+01:00");
    const kit::Instant last = at("2026-12-15T00:00:00+01:00");
    const platform::DateRange today{first + 9h, first + 10h};
    const platform::DateRange january{at("2027-01-05T09:00:00+01:00"),
                                      at("2027-01-05T10:00:00+01:00")};
    const std::optional<platform::DateRange> unknown; // a change the store cannot place
    const struct {
        const char* name;
        std::vector<std::optional<platform::DateRange>> burst; // 30 ms apart
        const char* added;                                     // at 08:30, before "Standup"
        int refreshes;
    } rows[] = {
        {"five changes of today", {today, today, today, today, today}, "Lunch", 1},
        {"a change of January", {january}, "Far", 0},
        {"a change ending where the shown days begin", {{{first - 1h, first}}}, nullptr, 0},
        {"a change starting in their last second", {{{last - 1s, last + 1h}}}, nullptr, 1},
        {"a burst whose first change alone meets them", {today, january, january}, "Tea", 1},
        {"a change the store cannot place", {unknown}, nullptr, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.added)
            event(QLatin1String(row.added), at("2026-12-08T08:30:00+01:00"), 15min);
        const int before = view->refreshCount();
        for (const auto& span : row.burst) {
            store.changeFromOutside(test::changeOf(span));
            scheduler.advance(30ms);
        }
        scheduler.advance(1s);
        EXPECT_EQ(view->refreshCount() - before, row.refreshes);
        if (row.added) {
            EXPECT_EQ(rowOf(*view, QLatin1String(row.added)) >= 0, row.refreshes > 0);
        }
        EXPECT_EQ(view->currentIndex().row(), rowOf(*view, QStringLiteral("Standup")));
    }
}

TEST_F(EventListViewTest, JoinNextCallButtonFollowsTheNextCall) {
    event(QStringLiteral("Sync"), at("2026-12-08T08:20:00+01:00"), std::chrono::minutes(30),
          QStringLiteral("https://zoom.us/j/123456789"));
    QWidget window; // the menu window, not shown
    auto& button = *new views::JoinNextCallButton(dependencies(), &window);
    const struct {
        const char* time;
        bool switchedOn;
        bool shown; // as "Join Sync (Zoom)"
    } rows[] = {
        {"08:00", true, false},                         // twenty minutes ahead
        {"08:06", true, true},                          // within fifteen minutes
        {"08:06", false, false}, {"08:40", true, true}, // running
        {"08:51", true, false},                         // over
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.time << (row.switchedOn ? " on" : " off"));
        defaults.set(keys::menuShowJoinVideoCallButton, row.switchedOn);
        scheduler.advanceTo(at((std::string("2026-12-08T") + row.time + ":00+01:00").c_str()));
        EXPECT_EQ(button.isHidden(), !row.shown);
        if (row.shown) {
            EXPECT_EQ(button.text(), QStringLiteral("Join Sync (Zoom)"));
        }
    }
}
