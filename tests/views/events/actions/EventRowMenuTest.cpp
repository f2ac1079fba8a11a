// SPDX-License-Identifier: GPL-3.0-or-later
// The row menu, the details window and the "Hidden Events" menu on the offscreen platform,
// with a prompter that answers for the user.
#include "views/events/actions/EventRowMenu.h"

#include "TestSupport.h"
#include "events/actions/HiddenEvents.h"
#include "platform/fake/FakeCalendarStore.h"
#include "platform/fake/FakeUrlOpener.h"
#include "settings/Keys.h"
#include "views/MoreMenu.h"
#include "views/events/actions/EventDetailsWindow.h"
#include "views/events/actions/HiddenEventsMenu.h"

#include <QCheckBox>
#include <QLabel>
#include <gtest/gtest.h>

using namespace ruvo;
using platform::EventData;
using ruvo::test::at;
using views::Prompter;
namespace keys = settings::keys;

namespace {

class AnsweringPrompter final : public Prompter {
public:
    DeleteChoice deleteChoice = DeleteChoice::cancel;
    bool confirm = false;
    QStringList asked; // what was asked or shown, in order

    DeleteChoice askDeleteRepeating(const QString& title) override {
        asked << QStringLiteral("repeating: ") + title;
        return deleteChoice;
    }
    bool confirmDelete(const QString& title) override {
        asked << QStringLiteral("delete: ") + title;
        return confirm;
    }
    bool confirmHideRepeating(const QString& warning) override {
        asked << QStringLiteral("warn: ") + warning;
        return confirm;
    }
    void showTip(const QString& text) override { asked << QStringLiteral("tip: ") + text; }
    void showError(const QString& text) override { asked << QStringLiteral("error: ") + text; }
};

class RowMenuTest : public ::testing::Test {
protected:
    RowMenuTest() {
        platform::Calendar work, subscribed, todo;
        work.identifier = QStringLiteral("work");
        work.title = QStringLiteral("Work");
        subscribed.identifier = QStringLiteral("holidays");
        subscribed.isWritable = false;
        todo.identifier = QStringLiteral("todo");
        todo.kind = platform::EntityType::reminder;
        store.calendarList = {work, subscribed, todo};
    }

    // Adds `count` daily occurrences (a series when more than one).
    std::vector<platform::Event> addEvent(const char* uid, const char* calendar, int count,
                                          const std::function<void(EventData&)>& adjust = {}) {
        auto data = std::make_shared<EventData>();
        data->calendarIdentifier = QString::fromLatin1(calendar);
        data->calendarItemExternalIdentifier = QString::fromLatin1(uid);
        data->title = QStringLiteral("Title of ") + QString::fromLatin1(uid);
        data->hasRecurrenceRules = count > 1;
        if (adjust)
            adjust(*data);
        std::vector<platform::Event> added;
        for (int i = 0; i < count; ++i) {
            const kit::Instant start = at("2026-12-07T14:00:00Z") + std::chrono::hours(24 * i);
            added.push_back(store.addEvent(data, start, start + std::chrono::hours(1)));
        }
        return added;
    }

    platform::Reminder addReminder(int priority) {
        platform::Reminder r;
        r.identifier = QStringLiteral("todo/r1");
        r.calendarIdentifier = QStringLiteral("todo");
        r.title = QStringLiteral("Buy milk");
        r.priority = priority;
        r.due =
            platform::DueDate{QDate(2026, 12, 7), QTime(9, 0), QStringLiteral("America/New_York")};
        store.reminderList.push_back(r);
        return r;
    }

    views::EventActionDependencies deps() {
        return {store,
                defaults,
                urls,
                detector,
                prompter,
                [] {
                    return kit::Environment{QStringLiteral("en_US"),
                                            QStringLiteral("America/New_York")};
                },
                clock,
                [this](const platform::Event& e) { joined << e.title(); },
                [this](QDate day) { shownDays << day; },
                [this](const QUrl& url) {
                    composed << url;
                    return composedWorks;
                }};
    }

    static QStringList entries(const QMenu& menu) {
        QStringList list;
        for (QAction* a : menu.actions())
            if (!a->isSeparator() || !a->text().isEmpty()) // sections have a text
                list << a->text() + (a->isEnabled() ? QString() : QStringLiteral(" (off)"));
        return list;
    }

    static QAction* entry(const QMenu& menu, const QString& text) {
        for (QAction* a : menu.actions())
            if (a->text() == text)
                return a;
        return nullptr;
    }

    settings::Suite standard{QStringLiteral("standard")};
    settings::Suite shared{QStringLiteral("shared")};
    settings::Defaults defaults{standard, shared};
    platform::FakeCalendarStore store;
    platform::FakeUrlOpener urls;
    videocalls::VideoCallDetector detector{urls};
    AnsweringPrompter prompter;
    kit::FixedClock clock{at("2026-12-07T13:00:00Z")};
    QStringList joined;
    QList<QDate> shownDays;
    QList<QUrl> composed;
    bool composedWorks = true;
};

} // namespace

TEST_F(RowMenuTest, EachKindOfItemOffersItsEntries) {
    const auto zoom = [](EventData& d) {
        d.extra().location = QStringLiteral("https://us02web.zoom.us/j/123456789");
    };
    const auto google = [](EventData& d) {
        d.calendarItemExternalIdentifier = QStringLiteral("abc@google.com");
        d.extra().attendees = {platform::Attendee{
            {}, QStringLiteral("me@gmail.com"), platform::ParticipantStatus::accepted, true}};
    };
    defaults.set(keys::openGoogleCalendarEventsInGoogleCalendar, true);
    defaults.set(keys::useGoogleMaps, true);
    struct Row {
        const char* name;
        events::CalendarItem item;
        QStringList expected;
    };
    const QStringList eventTail{QStringLiteral("Show in Google Maps"),
                                QStringLiteral("Email Event"),
                                QStringLiteral("Mute All Occurrences"), QStringLiteral("Hide")};
    const Row rows[] = {
        {"event with a video call", addEvent("call", "work", 1, zoom)[0],
         QStringList{QStringLiteral("Join Video Call"), QStringLiteral("Copy Video Call Link"),
                     QStringLiteral("Show in Calendar")} +
             eventTail + QStringList{QStringLiteral("Delete")}},
        {"Google event of a read-only calendar", addEvent("g", "holidays", 1, google)[0],
         QStringList{QStringLiteral("Show in Google Calendar")} + eventTail +
             QStringList{QStringLiteral("Delete (off)")}},
        {"reminder",
         addReminder(5),
         {QStringLiteral("Show in Reminders"), QStringLiteral("Priority"),
          QStringLiteral("Mark as Completed"), QStringLiteral("Change Due Date"),
          QStringLiteral("Delete")}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        views::EventRowMenu menu(deps(), row.item, QDate(2026, 12, 7));
        EXPECT_EQ(entries(menu), row.expected);
    }
}

TEST_F(RowMenuTest, DeleteAsksForRepeatingEventsAndCallsTheStore) {
    struct Row {
        const char* name;
        int occurrences;
        Prompter::DeleteChoice choice;
        bool confirm;
        std::size_t left;
        const char* asked;
    };
    const Row rows[] = {
        {"cancelled", 3, Prompter::DeleteChoice::cancel, true, 3, "repeating: Title of s"},
        {"this occurrence", 3, Prompter::DeleteChoice::thisOccurrence, true, 2,
         "repeating: Title of s"},
        {"whole series", 3, Prompter::DeleteChoice::wholeSeries, true, 0, "repeating: Title of s"},
        {"single, confirmed", 1, Prompter::DeleteChoice::cancel, true, 0, "delete: Title of s"},
        {"single, not confirmed", 1, Prompter::DeleteChoice::cancel, false, 1,
         "delete: Title of s"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        store.eventList.clear();
        prompter.asked.clear();
        prompter.deleteChoice = row.choice;
        prompter.confirm = row.confirm;
        const auto series = addEvent("s", "work", row.occurrences);
        views::EventRowMenu menu(deps(), series.back(), QDate(2026, 12, 7));
        entry(menu, QStringLiteral("Delete"))->trigger();
        EXPECT_EQ(prompter.asked, QStringList{QString::fromUtf8(row.asked)});
        EXPECT_EQ(store.eventList.size(), row.left);
        if (row.left == 2) {
            EXPECT_EQ(store.eventList.back().start(), series[1].start()); // the last one went
        }
    }
}

TEST_F(RowMenuTest, HideWarnsForRepeatingEventsAndTipsOnce) {
    const auto series = addEvent("s", "work", 2);
    const auto single = addEvent("one", "work", 1);
    prompter.confirm = false;
    views::EventRowMenu(deps(), series[0], {}).actions(); // building changes nothing
    auto hide = [&](const platform::Event& e) {
        views::EventRowMenu menu(deps(), e, QDate(2026, 12, 7));
        entry(menu, QStringLiteral("Hide"))->trigger();
    };
    hide(series[0]);
    EXPECT_TRUE(defaults.get(keys::hiddenEvents).empty());
    prompter.confirm = true;
    hide(series[0]);
    hide(single[0]);
    EXPECT_EQ(defaults.get(keys::hiddenEvents),
              (std::vector<QString>{QStringLiteral("s"), QStringLiteral("one")}));
    ASSERT_EQ(prompter.asked.size(), 3);
    EXPECT_EQ(prompter.asked[0], prompter.asked[1]);
    EXPECT_TRUE(prompter.asked[0].contains(QStringLiteral("not just this one")));
    EXPECT_TRUE(prompter.asked[2].startsWith(QStringLiteral("tip: \nRecently hidden events")));

    views::HiddenEventsMenu hidden(defaults, store);
    EXPECT_EQ(entries(hidden),
              (QStringList{QStringLiteral("Last 10 Hidden Events"), QStringLiteral("Title of one"),
                           QStringLiteral("Title of s")}));
    entry(hidden, QStringLiteral("Title of one"))->menu()->actions().front()->trigger();
    hidden.rebuild();
    EXPECT_EQ(entries(hidden),
              (QStringList{QStringLiteral("Last 10 Hidden Events"), QStringLiteral("Title of s")}));
}

TEST_F(RowMenuTest, MapsMuteAndRetimingReachTheirTargets) {
    const auto placed = addEvent(
        "p", "work", 1, [](EventData& d) { d.extra().location = QStringLiteral("Main St 1"); })[0];
    const auto nowhere = addEvent("n", "work", 1)[0];
    urls.schemesWithApplication << QStringLiteral("geo");
    composedWorks = false;
    auto trigger = [&](const events::CalendarItem& item, const QString& text) {
        views::EventRowMenu menu(deps(), item, QDate(2026, 12, 7));
        QAction* a = entry(menu, text);
        ASSERT_NE(a, nullptr) << qPrintable(text);
        a->trigger();
    };
    const auto onlyCall = addEvent("z", "work", 1, [](EventData& d) {
        d.extra().location = QStringLiteral("https://us02web.zoom.us/j/123456789");
    })[0];
    trigger(nowhere, QStringLiteral("Show in Maps"));
    trigger(onlyCall, QStringLiteral("Show in Maps")); // the meeting link is no place
    trigger(placed, QStringLiteral("Show in Maps"));
    EXPECT_EQ(prompter.asked, (QStringList{QStringLiteral("error: ") + views::kNoLocationMessage,
                                           QStringLiteral("error: ") + views::kNoLocationMessage,
                                           QStringLiteral("error: ") + views::kMapsErrorMessage}));
    EXPECT_EQ(composed, QList<QUrl>{QUrl(QStringLiteral("geo:0,0?q=Main%20St%201"))});

    trigger(placed, QStringLiteral("Mute All Occurrences"));
    EXPECT_EQ(defaults.get(keys::upcomingEventInMenuBarIgnoredEvents),
              std::vector<QString>{QStringLiteral("p")});
    trigger(placed, QStringLiteral("Muted All Occurrences"));
    EXPECT_TRUE(defaults.get(keys::upcomingEventInMenuBarIgnoredEvents).empty());

    trigger(placed, QStringLiteral("Show in Calendar"));
    EXPECT_EQ(shownDays, QList<QDate>{QDate(2026, 12, 7)});

    const auto reminder = addReminder(0);
    views::EventRowMenu menu(deps(), reminder, QDate(2026, 12, 7));
    QMenu* retime = entry(menu, QStringLiteral("Change Due Date"))->menu();
    entry(*retime, QStringLiteral("This Afternoon (14:00)"))->trigger();
    EXPECT_EQ(store.reminderList[0].due, (platform::DueDate{QDate(2026, 12, 7), QTime(14, 0),
                                                            QStringLiteral("America/New_York")}));
    entry(*entry(menu, QStringLiteral("Priority"))->menu(), QStringLiteral("High"))->trigger();
    EXPECT_EQ(store.reminderList[0].priority, 1);
    entry(menu, QStringLiteral("Mark as Completed"))->trigger();
    EXPECT_TRUE(store.reminderList[0].isCompleted);
}

TEST_F(RowMenuTest, HiddenEventsFollowPinWindowInTheMoreMenu) {
    views::MoreMenu more(defaults, [] { return kit::Environment{}; });
    more.addWindowSubmenu(new views::HiddenEventsMenu(defaults, store, &more));
    const QStringList texts = entries(more);
    const auto pin = texts.indexOf(QStringLiteral("Pin Window"));
    ASSERT_GE(pin, 0);
    EXPECT_EQ(texts.value(pin + 1), QStringLiteral("Hidden Events"));
    EXPECT_EQ(texts.value(pin + 2), QStringLiteral("Copy Debug Info"));
}
