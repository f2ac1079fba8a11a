// SPDX-License-Identifier: GPL-3.0-or-later
#include "alerts/HourlyChime.h"

#include "MemoryDefaults.h"
#include "TestSupport.h"
#include "alerts/HourlyChimeWindow.h"
#include "kit/VirtualScheduler.h"
#include "menubar/ClockTimer.h"
#include "platform/fake/FakeSystemDateEvents.h"
#include "settings/Keys.h"

#include <gtest/gtest.h>

using namespace ruvo;
using namespace std::chrono_literals;
using ruvo::test::at;
namespace keys = settings::keys;

namespace {

const QTimeZone kNewYork("America/New_York");

settings::PlainHourMinuteTimeRange range(int fromHour, int fromMinute, int toHour, int toMinute) {
    return {{fromHour, fromMinute}, {toHour, toMinute}};
}

// The program's wiring in small: the shared ticks, one chime, a player that notes when it
// played, all on virtual time.
struct Chiming : platform::SoundPlayer, test::MemoryDefaults {
    kit::VirtualScheduler scheduler;
    platform::FakeSystemDateEvents dateEvents;
    QString zoneId = QStringLiteral("America/New_York");
    menubar::ClockTicks ticks{scheduler, dateEvents, [this] { return zoneId; }};
    std::vector<kit::Instant> played;
    std::unique_ptr<alerts::HourlyChime> chime;

    explicit Chiming(kit::Instant start) : scheduler(start) {
        defaults.set(keys::hourlyChime_isEnabled, true);
        defaults.set(keys::hourlyChimeSound, std::optional<QString>(QStringLiteral("Glass")));
    }
    void play(const platform::Sound&, double) override { played.push_back(scheduler.now()); }
    void switchOn() {
        chime = std::make_unique<alerts::HourlyChime>(alerts::HourlyChime::Dependencies{
            defaults, scheduler, *this, [this] { return zoneId; },
            [this](std::function<void()> onHour) {
                auto timer = std::make_shared<menubar::ClockTimer>(
                    ticks.subscribe(menubar::ClockTimer::Precision::hour, std::move(onHour)));
                return kit::Subscription([timer] { timer->cancel(); });
            }});
    }
    // The instants played, each taken back to the hour it stands for (the chime waits 0.1 s).
    std::vector<kit::Instant> hoursPlayed() const {
        std::vector<kit::Instant> hours;
        for (kit::Instant t : played)
            hours.push_back(t - 100ms);
        return hours;
    }
};

} // namespace

TEST(HourlyChimeWindow, TicksInsideTheWindowWithToleranceAndTheMidnightRule) {
    struct Row {
        const char* name;
        settings::PlainHourMinuteTimeRange range;
        const char* tick;
        bool inside;
    };
    const Row rows[] = {
        {"default, first", range(9, 0, 22, 0), "2026-12-04T09:00:00-05:00", true},
        {"default, two seconds early", range(9, 0, 22, 0), "2026-12-04T08:59:58-05:00", true},
        {"default, too early", range(9, 0, 22, 0), "2026-12-04T08:59:57.9-05:00", false},
        {"default, last", range(9, 0, 22, 0), "2026-12-04T22:00:00-05:00", true},
        {"default, last a second late", range(9, 0, 22, 0), "2026-12-04T22:00:01-05:00", true},
        {"default, too late", range(9, 0, 22, 0), "2026-12-04T22:00:02.1-05:00", false},
        {"default, midnight", range(9, 0, 22, 0), "2026-12-05T00:00:00-05:00", false},
        {"across midnight, 23:00", range(22, 0, 2, 0), "2026-12-04T23:00:00-05:00", true},
        {"across midnight, midnight", range(22, 0, 2, 0), "2026-12-05T00:00:00-05:00", true},
        {"across midnight, midnight late", range(22, 0, 2, 0), "2026-12-05T00:00:01-05:00", true},
        {"across midnight, 01:00", range(22, 0, 2, 0), "2026-12-05T01:00:00-05:00", false},
        {"from midnight, midnight", range(0, 0, 6, 0), "2026-12-05T00:00:00-05:00", true},
        {"from midnight, early tick", range(0, 0, 6, 0), "2026-12-04T23:59:59-05:00", true},
        {"start equals end, a whole day", range(9, 0, 9, 0), "2026-12-05T23:00:00-05:00", true},
        {"start equals end, before start", range(9, 0, 9, 0), "2026-12-05T03:00:00-05:00", false},
        {"start in the spring gap", range(2, 30, 5, 0), "2026-03-08T03:00:00-04:00", true},
        {"spring gap, before it", range(2, 30, 5, 0), "2026-03-08T01:00:00-05:00", false},
        {"first of the repeated 01:00", range(0, 0, 1, 0), "2026-11-01T01:00:00-04:00", true},
        {"second of the repeated 01:00", range(0, 0, 1, 0), "2026-11-01T01:00:00-05:00", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(alerts::isInsideChimeWindow(at(row.tick), row.range, kNewYork), row.inside);
    }
}

TEST(HourlyChime, ChimesOnLocalHoursAcrossDaylightSavingChanges) {
    struct Row {
        const char* name;
        const char* start;
        const char* zone;
        settings::PlainHourMinuteTimeRange range;
        std::vector<const char*> chimes; // over the next 36 hours
    };
    const Row rows[] = {
        {"spring forward: 02:00 does not exist",
         "2026-03-07T20:30:00-05:00",
         "America/New_York",
         range(0, 0, 3, 0),
         {"2026-03-08T00:00:00-05:00", "2026-03-08T01:00:00-05:00", "2026-03-08T03:00:00-04:00",
          "2026-03-09T00:00:00-04:00", "2026-03-09T01:00:00-04:00", "2026-03-09T02:00:00-04:00",
          "2026-03-09T03:00:00-04:00"}},
        {"fall back: 01:00 twice",
         "2026-10-31T20:30:00-04:00",
         "America/New_York",
         range(0, 0, 3, 0),
         {"2026-11-01T00:00:00-04:00", "2026-11-01T01:00:00-04:00", "2026-11-01T01:00:00-05:00",
          "2026-11-01T02:00:00-05:00", "2026-11-01T03:00:00-05:00", "2026-11-02T00:00:00-05:00",
          "2026-11-02T01:00:00-05:00", "2026-11-02T02:00:00-05:00", "2026-11-02T03:00:00-05:00"}},
        {"across midnight over fall back",
         "2026-10-31T12:10:00-04:00",
         "America/New_York",
         range(22, 0, 2, 0),
         {"2026-10-31T22:00:00-04:00", "2026-10-31T23:00:00-04:00", "2026-11-01T00:00:00-04:00",
          "2026-11-01T22:00:00-05:00", "2026-11-01T23:00:00-05:00"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Chiming c(at(row.start));
        c.zoneId = QString::fromLatin1(row.zone);
        c.defaults.set(keys::hourlyChimeTimeRange, row.range);
        c.switchOn();
        c.scheduler.advance(36h);
        std::vector<kit::Instant> expected;
        for (const char* t : row.chimes)
            expected.push_back(at(t));
        EXPECT_EQ(c.hoursPlayed(), expected);
    }
}

TEST(HourlyChime, WakeAndClockChangesReArmWithoutChimingLate) {
    Chiming c(at("2026-12-04T09:20:00-05:00"));
    c.switchOn();
    c.scheduler.advanceTo(at("2026-12-04T09:59:00-05:00"));
    // The machine sleeps a minute before ten and wakes at 12:29: the hour timer stood still.
    c.scheduler.jumpWallClock(2h + 30min);
    c.dateEvents.send(platform::DateEvent::wake);
    c.scheduler.advance(1min);
    EXPECT_TRUE(c.played.empty()) << "no chime at wake, none for the hours slept through";
    c.scheduler.advanceTo(at("2026-12-04T13:10:00-05:00"));
    // Someone sets the clock back an hour, then forward by a quarter of an hour.
    c.scheduler.jumpWallClock(-1h);
    c.dateEvents.send(platform::DateEvent::clockChanged);
    c.scheduler.advanceTo(at("2026-12-04T13:40:00-05:00"));
    c.scheduler.jumpWallClock(15min);
    c.dateEvents.send(platform::DateEvent::clockChanged);
    c.scheduler.advanceTo(at("2026-12-04T14:30:00-05:00"));
    // The clock moves twenty minutes with no clock-changed event: the timer for 15:00 runs at
    // 15:20 and must not strike then.
    c.scheduler.jumpWallClock(20min);
    c.scheduler.advanceTo(at("2026-12-04T16:30:00-05:00"));
    EXPECT_EQ(c.hoursPlayed(), (std::vector<kit::Instant>{at("2026-12-04T13:00:00-05:00"),
                                                          at("2026-12-04T13:00:00-05:00"),
                                                          at("2026-12-04T14:00:00-05:00"),
                                                          at("2026-12-04T16:00:00-05:00")}));
}

TEST(HourlyChime, ZoneChangeMovesTheHoursAndSettingsApplyAtTheNextTick) {
    Chiming c(at("2026-12-04T10:10:00-05:00"));
    c.switchOn();
    c.zoneId = QStringLiteral("Asia/Kolkata"); // 20:40 there
    c.dateEvents.send(platform::DateEvent::timeZoneChanged);
    c.scheduler.advanceTo(at("2026-12-04T21:10:00+05:30"));
    EXPECT_EQ(c.hoursPlayed(), std::vector<kit::Instant>{at("2026-12-04T21:00:00+05:30")});
    c.defaults.set(keys::hourlyChimeSound, std::optional<QString>());
    c.scheduler.advance(1h);
    EXPECT_EQ(c.played.size(), 1u) << "no sound chosen: silence";
    c.chime.reset();
    EXPECT_FALSE(c.ticks.isRunning(menubar::ClockTimer::Precision::hour));
}
