// SPDX-License-Identifier: GPL-3.0-or-later
#include "timezones/TimeTravel.h"

#include "TestSupport.h"
#include "kit/VirtualScheduler.h"
#include "settings/Keys.h"
#include "settings/SettingsFiles.h"
#include "timezones/IcuFormat.h"
#include "timezones/TimeTravelResets.h"

#include <gtest/gtest.h>

using namespace ruvo;
using namespace ruvo::timezones;

namespace {

const kit::Environment kNewYork{QStringLiteral("en_US"), QStringLiteral("America/New_York")};

QDate today(kit::Instant now) {
    return localDate(kNewYork.timeZoneId, now);
}

// An instant of 2026, written without the year: "12-04T14:23:40-05:00".
kit::Instant in2026(const char* rest) {
    return test::at(("2026-" + std::string(rest)).c_str());
}

} // namespace

// The instant the rows show, for each way of stepping, in virtual time (New York).
TEST(TimeTravel, TravelDateRoundsToTheNextStep) {
    struct Row {
        const char* now; // in 2026, as every instant of the table
        std::optional<qint64> offset;
        bool optionFlag;   // the last change was made with Option
        bool optionHeld;   // Option is held now
        bool use30Minutes; // the 30-minute setting
        const char* expected;
    };
    const Row rows[] = {
        {"12-04T14:23:40-05:00", std::nullopt, false, false, false,
         "12-04T14:23:40-05:00"}, // off: the present, whole seconds
        {"12-04T14:23:40-05:00", 0, false, false, false, "12-04T15:00:00-05:00"},
        {"12-04T14:23:40-05:00", 3600, false, false, false, "12-04T16:00:00-05:00"},
        {"12-04T14:23:40-05:00", -3600, false, false, false, "12-04T14:00:00-05:00"},
        {"12-04T14:00:00-05:00", 0, false, false, false, "12-04T15:00:00-05:00"},
        {"12-04T14:30:00-05:00", 0, false, false, true, "12-04T15:00:00-05:00"},
        {"12-04T14:29:00-05:00", 0, false, false, true, "12-04T14:30:00-05:00"},
        {"12-04T14:23:00-05:00", 0, true, false, false, "12-04T14:30:00-05:00"},
        {"12-04T14:30:00-05:00", 0, false, true, true, "12-04T14:45:00-05:00"},
        {"12-04T23:40:00-05:00", 1800, true, false, false, "12-05T00:15:00-05:00"},
        // 01:23 EST + 0 -> hour 2, which is skipped: the next valid time, 03:00 EDT.
        {"03-08T01:23:00-05:00", 0, false, false, false, "03-08T03:00:00-04:00"},
        // 01:23 EDT on the fall-back day: hour 2 exists once, in EST.
        {"11-01T01:23:00-04:00", 0, false, false, false, "11-01T02:00:00-05:00"},
    };
    for (const Row& row : rows) {
        kit::VirtualScheduler scheduler(in2026(row.now));
        TimeTravel travel(kNewYork);
        TimeZoneOffset offset;
        offset.set(row.offset, row.optionFlag);
        const TimeTravelInput input{today(scheduler.now()), scheduler.now(), row.use30Minutes,
                                    row.optionHeld};
        EXPECT_EQ(kit::formatIsoUtc(travel.travelDate(input, offset)),
                  kit::formatIsoUtc(in2026(row.expected)))
            << row.now << " offset " << row.offset.value_or(-1);
    }
}

TEST(TimeTravel, StepsFromTheKeyboardFollowTheClock) {
    kit::VirtualScheduler scheduler(test::at("2026-12-04T14:23:40-05:00"));
    TimeTravel travel(kNewYork);
    TimeZoneOffset offset;
    int changes = 0;
    auto subscription = offset.observe([&] { ++changes; });
    const auto shown = [&] {
        return kit::formatIsoUtc(
            travel.travelDate({today(scheduler.now()), scheduler.now(), false, false}, offset));
    };

    stepTimeTravel(offset, Direction::forward, false, false, false);
    EXPECT_EQ(offset.value(), 0); // the first press starts at the present
    EXPECT_EQ(shown(), kit::formatIsoUtc(test::at("2026-12-04T15:00:00-05:00")));
    stepTimeTravel(offset, Direction::forward, false, false, false);
    EXPECT_EQ(shown(), kit::formatIsoUtc(test::at("2026-12-04T16:00:00-05:00")));
    scheduler.advance(std::chrono::minutes(40)); // 15:03:40: the rows move on with the clock
    EXPECT_EQ(shown(), kit::formatIsoUtc(test::at("2026-12-04T17:00:00-05:00")));
    stepTimeTravel(offset, Direction::backward, true, false, true);
    EXPECT_EQ(offset.value(), 3600 - 900);
    EXPECT_TRUE(offset.optionKeyPressedDuringLastInteraction());
    EXPECT_EQ(shown(), kit::formatIsoUtc(test::at("2026-12-04T16:00:00-05:00")));
    for (int i = 0; i < 30; ++i) // not clamped by the keyboard
        stepTimeTravel(offset, Direction::forward, false, true, false);
    EXPECT_EQ(offset.value(), 2700 + 30 * 1800);
    resetTimeTravel(offset, false);
    EXPECT_FALSE(offset.isTravelling());
    EXPECT_EQ(shown(), kit::formatIsoUtc(test::at("2026-12-04T15:03:40-05:00")));
    EXPECT_EQ(changes, 34);
}

TEST(TimeTravel, BaseDateKeepsTheTimeOfDayOnTheSelectedDay) {
    struct Row {
        const char* now;
        QDate selected;
        const char* expected;
    };
    const Row rows[] = {
        {"2026-03-07T14:23:40.750-05:00", QDate(2026, 3, 7), "2026-03-07T14:23:40-05:00"},
        {"2026-03-07T14:23:40-05:00", QDate(2026, 3, 10), "2026-03-10T14:23:40-04:00"},
        {"2026-03-07T02:30:00-05:00", QDate(2026, 3, 8), "2026-03-08T03:00:00-04:00"},  // gap
        {"2026-10-31T01:30:00-04:00", QDate(2026, 11, 1), "2026-11-01T01:30:00-04:00"}, // first
    };
    for (const Row& row : rows) {
        TimeTravel travel(kNewYork);
        EXPECT_EQ(kit::formatIsoUtc(travel.baseDate(row.selected, test::at(row.now))),
                  kit::formatIsoUtc(test::at(row.expected)))
            << row.now;
    }
}

TEST(TimeTravel, SliderTexts) {
    TimeTravel travel(kNewYork);
    const kit::Instant base = test::at("2026-12-04T14:23:40-05:00");
    struct Row {
        const char* travel;
        bool selectedIsToday;
        DayRelation relation;
        const char* time;
        const char* offset;
        const char* date;
    };
    const Row rows[] = {
        {"2026-12-04T16:00:00-05:00", true, DayRelation::same, "4:00\u202FPM", "+1h 37m",
         "Fri, Dec 4"},
        {"2026-12-04T13:38:00-05:00", true, DayRelation::same, "1:38\u202FPM", "-45m",
         "Fri, Dec 4"},
        {"2026-12-05T09:00:00-05:00", true, DayRelation::next, "9:00\u202FAM, Tomorrow", "+18h 37m",
         "Sat, Dec 5"},
        {"2026-12-03T22:00:00-05:00", true, DayRelation::previous, "10:00\u202FPM, Yesterday",
         "-16h 23m", "Thu, Dec 3"},
        {"2026-12-05T09:00:00-05:00", false, DayRelation::next, "9:00\u202FAM+1", "+18h 37m",
         "Sat, Dec 5"},
        {"2026-12-06T09:00:00-05:00", false, DayRelation::other, "9:00\u202FAM", "+42h 37m",
         "Sun, Dec 6"},
        {"2026-12-04T14:23:00-05:00", true, DayRelation::same, "2:23\u202FPM", "+0m", "Fri, Dec 4"},
    };
    for (const Row& row : rows) {
        const kit::Instant t = test::at(row.travel);
        EXPECT_EQ(travel.dayRelation(t, base), row.relation) << row.travel;
        EXPECT_EQ(travel.sliderTimeText(t, base, row.selectedIsToday), QString::fromUtf8(row.time))
            << row.travel;
        EXPECT_EQ(travel.sliderOffsetText(t, base), QString::fromUtf8(row.offset)) << row.travel;
        EXPECT_EQ(travel.sliderDateText(t), QString::fromUtf8(row.date)) << row.travel;
    }
}

TEST(TimeTravel, SliderPositionsSnapWithinADay) {
    EXPECT_EQ(TimeTravelSlider::snapped(1799, 3600), 0);
    EXPECT_EQ(TimeTravelSlider::snapped(1800, 3600), 3600);
    EXPECT_EQ(TimeTravelSlider::snapped(-100000, 900), -86400);
    EXPECT_EQ(TimeTravelSlider::snapped(100000, 900), 86400);
}

TEST(TimeTravel, ResetPointsOutsideTheWorldClock) {
    auto files = settings::SettingsFiles::inMemory();
    const auto& defaults = files->defaults();
    TimeZoneOffset offset;
    TimeTravelResets resets(defaults, offset);

    offset.set(3600, false);
    resets.onMenuWindowClosed(); // the setting is off by default: travel goes on
    EXPECT_EQ(offset.value(), 3600);
    defaults.set(settings::keys::timeTravelResetOnMenuClose, true);
    resets.onMenuWindowClosed();
    EXPECT_FALSE(offset.isTravelling());

    EXPECT_FALSE(resets.onGoToToday()); // not travelling: the caller selects today
    offset.set(-900, true);
    EXPECT_TRUE(resets.onGoToToday()); // travelling: only ends it
    EXPECT_FALSE(offset.isTravelling());

    offset.set(1800, false);
    defaults.set(settings::keys::showTimeZoneTimeTravelSliderInMenu, false);
    EXPECT_FALSE(offset.isTravelling());
}
