// SPDX-License-Identifier: GPL-3.0-or-later
// The month calendar's moves and when its dots are recomputed, in virtual time.
#include "events/calendar/CalendarModel.h"

#include "MemoryDefaults.h"
#include "TestEvents.h"
#include "TestSupport.h"
#include "kit/VirtualScheduler.h"
#include "platform/fake/FakeCalendarStore.h"
#include "settings/Keys.h"

#include <QThread>
#include <gtest/gtest.h>

using namespace ruvo;
using ruvo::test::at;
using Model = ruvo::calendar::CalendarModel;
namespace keys = settings::keys;

namespace {

class CalendarModelTest : public ::testing::Test, public test::MemoryDefaults {
protected:
    CalendarModelTest() {
        store.calendarList = {{QStringLiteral("A"), QStringLiteral("Work"),
                               QStringLiteral("#ff0000"), platform::EntityType::event, QString(),
                               true, QString()}};
        defaults.set(keys::enabledCalendars, settings::StringSet{QStringLiteral("A")});
        defaults.set(keys::indicateEventsInCalendar, settings::EventIndicatorsInCalendar::one);
    }

    std::unique_ptr<Model> makeModel(calendar::DotsRunner runner = calendar::synchronousRunner()) {
        const auto env = [] {
            return kit::Environment{QStringLiteral("de_DE"), QStringLiteral("Asia/Tokyo")};
        };
        return std::make_unique<Model>(Model::Dependencies{defaults, store, eventsDidChange,
                                                           scheduler, env, selectedDate,
                                                           std::move(runner), &change});
    }

    void addEvent(const char* start) {
        store.addEvent(test::eventData(start, start), at(start), at(start) + std::chrono::hours(1));
    }

    platform::FakeCalendarStore store;
    kit::Signal<> eventsDidChange;
    platform::StoreChange change = platform::StoreChange::everything(); // behind eventsDidChange
    // 31 January 2027, 23:30 in Tokyo (UTC+9): "today" is the 31st there.
    kit::VirtualScheduler scheduler{at("2027-01-31T14:30:00Z")};
    kit::ObservableValue<QDate> selectedDate;
};

} // namespace

TEST_F(CalendarModelTest, MovesKeepTheShownMonthOnTheSelection) {
    const QDate jan31(2027, 1, 31);
    const struct {
        const char* name;
        std::function<void(Model&)> act;
        QDate selected, shownMonth;
    } rows[] = {
        {"31 January plus two months is March, selection kept",
         [](Model& m) { m.showNextMonth(), m.showNextMonth(); }, jan31, QDate(2027, 3, 1)},
        {"previous month across the year", [](Model& m) { m.showPreviousMonth(); }, jan31,
         QDate(2026, 12, 1)},
        {"right arrow crosses into February", [](Model& m) { m.moveSelection(1); },
         QDate(2027, 2, 1), QDate(2027, 2, 1)},
        {"arrow from a month shown elsewhere brings the selection back",
         [](Model& m) { m.showNextMonth(), m.showNextMonth(), m.moveSelection(-1); },
         QDate(2027, 1, 30), QDate(2027, 1, 1)},
        {"today after wandering off",
         [](Model& m) { m.select(QDate(2026, 5, 5)), m.selectToday(); }, jan31, QDate(2027, 1, 1)},
        {"closing the menu after midnight in Tokyo returns to the new today",
         [this](Model& m) {
             m.select(QDate(2027, 3, 9));
             scheduler.advance(std::chrono::hours(1));
             m.onMenuClosed();
         },
         QDate(2027, 2, 1), QDate(2027, 2, 1)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        selectedDate.set(jan31);
        auto model = makeModel();
        row.act(*model);
        EXPECT_EQ(selectedDate.value(), row.selected);
        EXPECT_EQ(model->grid().month, row.shownMonth);
        EXPECT_TRUE(model->grid().isInMonth(model->shownDate().value()));
    }
}

TEST_F(CalendarModelTest, SwipesMoveOneMonthPerGesture) {
    struct Step {
        int afterMs; // virtual time before this delta
        double deltaX;
        bool isInverted = false, endsGesture = false;
    };
    const struct {
        const char* name;
        bool swipeMonths, respectNatural;
        std::vector<Step> steps;
        int months; // net months moved; a quiet gap or the gesture's end starts a new one
    } rows[] = {
        {"deltas add up, once", true, false, {{0, -20}, {10, -20}, {10, -20}, {10, -60}}, 1},
        {"gap, end: anew", true, false, {{0, -60}, {400, -60}, {10, 0, false, true}, {9, -60}}, 3},
        {"below the threshold nothing happens", true, false, {{0, -20}, {400, -20}}, 0},
        {"inverted deltas count by the fingers", true, false, {{0, 60, true}}, 1},
        {"unless the system's direction is respected", true, true, {{0, 60, true}}, -1},
        {"switched off", false, false, {{0, -60}, {400, -60}}, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        defaults.set(keys::calendar_swipeMonths, row.swipeMonths);
        defaults.set(keys::_respectNaturalScrolling, row.respectNatural);
        selectedDate.set(QDate(2027, 1, 15));
        auto model = makeModel();
        for (const Step& step : row.steps) {
            scheduler.advance(std::chrono::milliseconds(step.afterMs));
            if (step.endsGesture)
                model->onScrollGestureEnd();
            else
                model->onHorizontalScroll(step.deltaX, step.isInverted);
        }
        EXPECT_EQ(model->grid().month, QDate(2027, 1, 1).addMonths(row.months));
        scheduler.advance(std::chrono::seconds(1)); // no gesture leaks into the next row
    }
}

TEST_F(CalendarModelTest, DotsFollowTheirTriggersAndOnlyTheLatestResultLands) {
    selectedDate.set(QDate(2027, 1, 15));
    addEvent("2027-01-10T03:00:00Z");
    std::vector<std::pair<std::function<calendar::Dots()>, std::function<void(calendar::Dots)>>>
        pending;
    auto model = makeModel([&](auto work, auto done) { pending.emplace_back(work, done); });
    auto run = [&](std::size_t i) { pending[i].second(pending[i].first()); };
    auto dotCount = [&] {
        int n = 0;
        for (const auto& day : model->dots().value())
            n += int(day.size());
        return n;
    };
    ASSERT_EQ(pending.size(), 1u);
    run(0);
    EXPECT_EQ(dotCount(), 1);

    addEvent("2027-01-11T03:00:00Z");
    eventsDidChange.emit();                                        // pending[1]
    model->showNextMonth();                                        // pending[2]: February's grid
    model->shownDate().set(model->shownDate().value().addDays(1)); // same month: no new work
    ASSERT_EQ(pending.size(), 3u);
    run(2);
    run(1); // stale: January's answer arrives late and is dropped
    EXPECT_EQ(model->dots().value().size(), 42u);
    EXPECT_EQ(dotCount(), 0); // February's grid (1 Feb ... 14 Mar) holds neither event

    defaults.set(keys::indicateEventsInCalendar, settings::EventIndicatorsInCalendar::none);
    EXPECT_TRUE(model->dots().value().empty());
    EXPECT_EQ(pending.size(), 3u); // nothing queried

    defaults.set(keys::indicateEventsInCalendar, settings::EventIndicatorsInCalendar::maxThree);
    ASSERT_EQ(pending.size(), 4u);
    model.reset();
    run(3); // the model is gone: nothing to apply to, nothing crashes
}

// The grid of January 2027 in Tokyo (UTC+9), Monday first: from 28 December to 7 February,
// midnight there; a change outside it leaves the dots alone.
TEST_F(CalendarModelTest, DotsAreReadAgainOnlyForChangesOfTheGridsDays) {
    auto model = makeModel();
    const struct {
        const char* name;
        std::optional<platform::DateRange> span; // none: unknown
        bool isRead;
    } rows[] = {
        {"ends at the grid's first midnight",
         platform::DateRange{at("2026-12-27T14:00:00Z"), at("2026-12-27T15:00:00Z")}, false},
        {"starts at its last midnight",
         platform::DateRange{at("2027-02-07T15:00:00Z"), at("2027-02-07T16:00:00Z")}, false},
        {"on its last day in Tokyo, the day before in UTC",
         platform::DateRange{at("2027-02-07T14:00:00Z"), at("2027-02-07T14:30:00Z")}, true},
        {"in the middle",
         platform::DateRange{at("2027-01-15T00:00:00Z"), at("2027-01-15T01:00:00Z")}, true},
        {"unknown", std::nullopt, true},
    };
    for (const auto& row : rows) {
        change = test::changeOf(row.span);
        const int before = store.eventQueryCount;
        eventsDidChange.emit();
        EXPECT_EQ(store.eventQueryCount > before, row.isRead) << row.name;
    }
}

TEST_F(CalendarModelTest, ThePoolsWorkLandsOnTheMainThread) {
    const QThread* mainThread = QThread::currentThread();
    const QThread* workedOn = nullptr;
    const QThread* deliveredOn = nullptr;
    calendar::threadPoolRunner()(
        [&] {
            workedOn = QThread::currentThread();
            return calendar::Dots(3);
        },
        [&](calendar::Dots dots) {
            deliveredOn = QThread::currentThread();
            EXPECT_EQ(dots.size(), 3u);
        });
    EXPECT_TRUE(test::processEventsUntil([&] { return deliveredOn != nullptr; }));
    EXPECT_NE(workedOn, mainThread);
    EXPECT_EQ(deliveredOn, mainThread);
}
