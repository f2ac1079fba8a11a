// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/EventsController.h"

#include "MemoryDefaults.h"
#include "TestEvents.h"
#include "TestSupport.h"
#include "kit/VirtualScheduler.h"
#include "platform/fake/FakeCalendarStore.h"
#include "settings/Keys.h"

#include <gtest/gtest.h>

using namespace ruvo;
using namespace std::chrono_literals;
using ruvo::test::at;
namespace keys = settings::keys;

namespace {

struct Alerts final : events::VideoCallAlerts {
    explicit Alerts(int& alive, int& replans) : m_alive(alive), m_replans(replans) { ++m_alive; }
    ~Alerts() override { --m_alive; }
    void replan() override { ++m_replans; }
    int& m_alive;
    int& m_replans;
};

class ControllerTest : public ::testing::Test, public test::MemoryDefaults {
protected:
    ControllerTest() { store.calendarList = test::workHomeTodoCalendars(); }
    std::unique_ptr<events::EventsController> make() {
        auto c = std::make_unique<events::EventsController>(store, defaults, scheduler, [this] {
            return std::make_unique<Alerts>(alive, replans);
        });
        subscription =
            c->eventsDidChange().connect([this] { emissions.push_back(scheduler.now()); });
        return c;
    }

    platform::FakeCalendarStore store;
    kit::VirtualScheduler scheduler{at("2026-12-07T09:00:00Z")};
    std::vector<kit::Instant> emissions;
    kit::Subscription subscription;
    int alive = 0;
    int replans = 0;
};

} // namespace

// A burst of store changes making one emission, with their spans merged, is the list view's
// test (through this controller); the debouncer's own is in the kit's.
TEST_F(ControllerTest, WakeAndReloadReachTheSignalAfterTheirDelays) {
    auto controller = make();
    controller->onWake();
    scheduler.advance(1099ms);
    EXPECT_TRUE(emissions.empty());
    scheduler.advance(1ms);
    ASSERT_EQ(emissions.size(), 1u); // 1 s wake delay plus the 0.1 s debounce
    controller->reloadEvents();
    controller->reloadEvents();
    scheduler.advance(100ms);
    EXPECT_EQ(emissions.size(), 2u);
    controller.reset();
    store.changeFromOutside(); // a destroyed controller hears nothing
    scheduler.advance(1s);
    EXPECT_EQ(emissions.size(), 2u);
}

TEST_F(ControllerTest, ShowingRemindersEnablesEveryListOncePerInstallation) {
    auto controller = make();
    scheduler.runDue();
    EXPECT_TRUE(defaults.get(keys::enabledRemindersLists).empty());
    defaults.set(keys::showReminders, true);
    scheduler.runDue();
    EXPECT_EQ(defaults.get(keys::enabledRemindersLists), settings::StringSet{QStringLiteral("R")});
    // The user narrows the lists; showing reminders again keeps the choice.
    defaults.set(keys::enabledRemindersLists, {});
    defaults.set(keys::showReminders, false);
    defaults.set(keys::showReminders, true);
    scheduler.runDue();
    EXPECT_TRUE(defaults.get(keys::enabledRemindersLists).empty());
}

TEST_F(ControllerTest, VideoCallAlertsLiveWhileSwitchedOnAndReplanOnTheirSettings) {
    auto controller = make();
    scheduler.runDue();
    EXPECT_EQ(alive, 0);
    defaults.set(keys::notifyWhenVideoCallStarts, true);
    EXPECT_EQ(alive, 0); // created as a task of its own
    scheduler.runDue();
    EXPECT_EQ(alive, 1);
    defaults.set(keys::notifyForVideoCalls_calendars, {QStringLiteral("A")});
    scheduler.runDue();
    EXPECT_EQ(replans, 1);
    defaults.set(keys::notifyWhenVideoCallStarts, false);
    scheduler.runDue();
    EXPECT_EQ(alive, 0);
    defaults.set(keys::notifyWhenVideoCallStarts, true);
    controller.reset(); // before the task runs
    scheduler.runDue();
    EXPECT_EQ(alive, 0);
}

// The program's wiring hands its maker over after the controller exists, and takes it back
// before what the alerts use goes away.
TEST_F(ControllerTest, AMakerGivenLaterTakesEffectAtOnceAndItsRemovalDropsTheAlerts) {
    int made = 0;
    const auto maker = [&] {
        ++made;
        return std::make_unique<Alerts>(alive, replans);
    };
    defaults.set(keys::notifyWhenVideoCallStarts, true);
    events::EventsController controller(store, defaults, scheduler);
    controller.setVideoCallAlertsFactory(maker);
    EXPECT_EQ(alive, 1);
    scheduler.runDue(); // the switch's first reaction keeps the same alerts
    EXPECT_EQ(made, 1);
    controller.setVideoCallAlertsFactory({});
    EXPECT_EQ(alive, 0);
    defaults.set(keys::notifyWhenVideoCallStarts, false);
    scheduler.runDue();
    controller.setVideoCallAlertsFactory(maker);
    EXPECT_EQ(made, 1) << "switched off";
}

TEST_F(ControllerTest, ANewInstallationEnablesEveryCalendarOnceAccessIsGranted) {
    store.eventsStatus = platform::AuthorizationStatus::denied;
    EXPECT_FALSE(events::enableAllCalendarsOnNewInstallation(store, defaults));
    EXPECT_TRUE(defaults.get(keys::enabledCalendars).empty());
    store.eventsStatus = platform::AuthorizationStatus::fullAccess;
    EXPECT_TRUE(events::enableAllCalendarsOnNewInstallation(store, defaults));
    EXPECT_EQ(defaults.get(keys::enabledCalendars),
              (settings::StringSet{QStringLiteral("A"), QStringLiteral("B")}));
    defaults.set(keys::enabledCalendars, {QStringLiteral("B")});
    EXPECT_FALSE(events::enableAllCalendarsOnNewInstallation(store, defaults));
    EXPECT_EQ(defaults.get(keys::enabledCalendars), settings::StringSet{QStringLiteral("B")});
}

namespace {

platform::Calendar accountCalendar(const char* id, platform::EntityType kind) {
    platform::Calendar c;
    c.identifier = QString::fromLatin1(id);
    c.kind = kind;
    c.backend = QStringLiteral("eds");
    return c;
}

} // namespace

// An account's calendar connects after the first run: it is enabled when it first appears, and
// one the user turns off later stays off; folders are left to `calendars add`.
TEST_F(ControllerTest, EnablesAnAccountsCalendarWhenItFirstAppears) {
    ASSERT_TRUE(events::enableAllCalendarsOnNewInstallation(store, defaults));
    const auto before = defaults.get(keys::enabledCalendars);
    auto controller = make();
    store.calendarList.push_back(accountCalendar("eds-work", platform::EntityType::event));
    store.calendarList.push_back(accountCalendar("eds-tasks", platform::EntityType::reminder));
    store.changeFromOutside();
    auto enabled = before;
    enabled.insert(QStringLiteral("eds-work"));
    EXPECT_EQ(defaults.get(keys::enabledCalendars), enabled);
    EXPECT_TRUE(defaults.get(keys::enabledRemindersLists).contains(QStringLiteral("eds-tasks")));

    defaults.set(keys::enabledCalendars, before);
    store.changeFromOutside();
    EXPECT_EQ(defaults.get(keys::enabledCalendars), before);
}
