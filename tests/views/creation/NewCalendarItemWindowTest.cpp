// SPDX-License-Identifier: GPL-3.0-or-later
// The "New Calendar Item" window offscreen: filled in and saved, switched, discarded.
#include "views/creation/NewCalendarItemWindow.h"

#include "MemoryDefaults.h"
#include "TestSupport.h"
#include "kit/VirtualScheduler.h"
#include "platform/fake/FakeCalendarStore.h"
#include "settings/Keys.h"
#include "settings/RunOnce.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace ruvo;
using ruvo::test::at;
namespace keys = settings::keys;

namespace {

struct Fixture : test::MemoryDefaults {
    Fixture() {
        const auto calendar = [](const char* id, platform::EntityType kind, bool isWritable) {
            platform::Calendar c;
            c.identifier = QString::fromLatin1(id);
            c.title = c.identifier.toUpper();
            c.kind = kind;
            c.isWritable = isWritable;
            return c;
        };
        store.calendarList = {calendar("home", platform::EntityType::event, true),
                              calendar("holidays", platform::EntityType::event, false),
                              calendar("tasks", platform::EntityType::reminder, true)};
        store.defaultCalendarIdentifier = QStringLiteral("home");
    }

    std::unique_ptr<views::NewCalendarItemWindow> open() {
        auto window = std::make_unique<views::NewCalendarItemWindow>(views::NewItemDependencies{
            defaults, store, scheduler,
            [] {
                return kit::Environment{QStringLiteral("en_US"), QStringLiteral("Europe/Berlin")};
            },
            [this] { return travel; }, nullptr,
            [this](const platform::EventDraft& draft) {
                handedOver.push_back(draft);
                return views::NewItemDependencies::HandOver{true, {}};
            },
            [this](QWidget*) {
                ++discardQuestions;
                return discardAnswer;
            }});
        window->show();
        QApplication::setActiveWindow(window.get()); // window shortcuts need an active window
        return window;
    }

    kit::VirtualScheduler scheduler{at("2026-12-08T10:20:00Z")};
    platform::FakeCalendarStore store;
    std::optional<kit::Instant> travel;
    std::vector<platform::EventDraft> handedOver;
    int discardQuestions = 0;
    bool discardAnswer = false;
};

TEST(NewCalendarItemWindow, AFilledEventIsSavedWithItsTwoAlertsAndTheWindowCloses) {
    Fixture f;
    f.travel = at("2026-12-09T07:45:00Z");
    auto window = f.open();
    auto* page = window->eventPage();
    EXPECT_EQ(page->calendarBox()->count(), 1); // only the writable calendar
    QTest::keyClicks(window->titleField(), QStringLiteral("Planning"));
    page->alertBox(0)->setCurrentIndex(
        page->alertBox(0)->findText(QStringLiteral("15 minutes before")));
    page->alertBox(1)->setCurrentIndex(page->alertBox(1)->findText(QStringLiteral("1 day before")));
    window->addButton()->click();
    ASSERT_EQ(f.store.eventList.size(), 1u) << qPrintable(window->errorLabel()->text());
    const platform::Event& saved = f.store.eventList.front();
    EXPECT_EQ(saved.title(), QStringLiteral("Planning"));
    EXPECT_EQ(saved.calendarIdentifier(), QStringLiteral("home"));
    EXPECT_EQ(saved.start(), at("2026-12-09T07:45:00Z")); // where the user travelled to
    EXPECT_EQ(saved.end(), at("2026-12-09T08:45:00Z"));
    EXPECT_EQ(saved.alarms(),
              (std::vector<platform::Alarm>{{kit::Seconds(-900)}, {kit::Seconds(-86400)}}));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(f.discardQuestions, 0);
}

TEST(NewCalendarItemWindow, ControlTabSwitchesToTheReminderFormAndItIsRemembered) {
    Fixture f;
    auto window = f.open();
    ASSERT_FALSE(window->isShowingReminders());
    QTest::keyClicks(window->titleField(), QStringLiteral("Call mum"));
    QTest::keyClick(window->titleField(), Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_TRUE(window->isShowingReminders());
    EXPECT_TRUE(f.defaults.get(keys::newCalendarItemScreenIsShowingReminders));
    EXPECT_EQ(window->titleField()->text(), QStringLiteral("Call mum")); // shared by both forms
    EXPECT_EQ(window->addButton()->text(), QStringLiteral("Add Reminder"));
    window->reminderPage()->remindMeBox()->setChecked(true);
    window->addButton()->click();
    ASSERT_EQ(f.store.reminderList.size(), 1u) << qPrintable(window->errorLabel()->text());
    const auto& due = f.store.reminderList.front().due;
    ASSERT_TRUE(due);
    EXPECT_EQ(due->date, QDate(2026, 12, 9)); // tomorrow, the form's first day
    EXPECT_FALSE(due->time);

    auto again = f.open();
    EXPECT_TRUE(again->isShowingReminders());
}

TEST(NewCalendarItemWindow, ClosingAsksOnlyWhenSomethingWasTyped) {
    struct Case {
        const char* title;
        bool answer;
        int questions;
        bool staysOpen;
    };
    const Case cases[] = {
        {"", false, 0, false},
        {"Lunch", false, 1, true},
        {"Lunch", true, 1, false},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.discardAnswer = c.answer;
        auto window = f.open();
        QTest::keyClicks(window->titleField(), QString::fromLatin1(c.title));
        QTest::keyClick(window.get(), Qt::Key_Escape);
        EXPECT_EQ(f.discardQuestions, c.questions) << c.title;
        EXPECT_EQ(window->isVisible(), c.staysOpen) << c.title;
        EXPECT_TRUE(f.store.eventList.empty());
    }
}

TEST(NewCalendarItemWindow, AFailedSaveKeepsTheFormAndShowsWhy) {
    Fixture f;
    f.store.eventsStatus = platform::AuthorizationStatus::denied;
    auto window = f.open();
    window->addButton()->click(); // no title
    EXPECT_TRUE(window->errorLabel()->isVisible());
    EXPECT_TRUE(window->errorLabel()->text().contains(QLatin1String("title")));
    QTest::keyClicks(window->titleField(), QStringLiteral("Lunch"));
    window->addButton()->click();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->titleField()->text(), QStringLiteral("Lunch"));
    EXPECT_TRUE(window->errorLabel()->text().contains(QLatin1String("access")));
}

TEST(NewCalendarItemWindow, MoreSettingsHandsTheEventOverAndTheIntroductionGoesForGood) {
    Fixture f;
    auto window = f.open();
    ASSERT_NE(window->introduction(), nullptr);
    EXPECT_TRUE(window->introduction()->isVisible());
    window->introduction()->findChild<QPushButton*>()->click();
    EXPECT_FALSE(window->introduction()->isVisible());
    EXPECT_TRUE(f.defaults.get(settings::runOnceKey(QStringLiteral("newEventWindowIntroMessage"))));
    QTest::keyClicks(window->titleField(), QStringLiteral("Offsite"));
    window->eventPage()->allDayBox()->setChecked(true);
    window->moreSettingsButton()->click();
    ASSERT_EQ(f.handedOver.size(), 1u);
    EXPECT_TRUE(f.handedOver.front().isAllDay);
    EXPECT_EQ(f.handedOver.front().title, QStringLiteral("Offsite"));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(f.open()->introduction(), nullptr);
}

} // namespace
