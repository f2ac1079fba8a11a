// SPDX-License-Identifier: GPL-3.0-or-later
// The row menu and the "Hidden Events" menu on the offscreen platform.
#include "views/events/actions/EventRowMenu.h"

#include "EventActionsFixture.h"
#include "events/actions/HiddenEvents.h"
#include "settings/Keys.h"
#include "views/MoreMenu.h"
#include "views/events/actions/HiddenEventsMenu.h"

using namespace ruvo;
using platform::EventData;
using views::Prompter;
using RowMenuTest = test::EventActionsTest;
namespace keys = settings::keys;

namespace {

QStringList list(const char* entries) {
    return QString::fromUtf8(entries).split(QLatin1Char('|'));
}

void setZoomLocation(EventData& d) {
    d.extra().location = QStringLiteral("https://us02web.zoom.us/j/123456789");
}

} // namespace

TEST_F(RowMenuTest, EachKindOfItemOffersItsEntries) {
    const auto google = [](EventData& d) {
        d.calendarItemExternalIdentifier = QStringLiteral("abc@google.com");
        d.extra().attendees = {platform::Attendee{
            {}, QStringLiteral("me@gmail.com"), platform::ParticipantStatus::accepted, true}};
    };
    defaults.set(keys::openGoogleCalendarEventsInGoogleCalendar, true);
    defaults.set(keys::useGoogleMaps, true);
    const struct {
        const char* name;
        events::CalendarItem item;
        const char* expected;
    } rows[] = {
        {"event with a video call", addEvent("call", "work", 1, setZoomLocation)[0],
         "Join Video Call|Copy Video Call Link|Show in Calendar|Show in Google Maps|Email Event|"
         "Mute All Occurrences|Hide|Delete"},
        {"Google event of a read-only calendar", addEvent("g", "holidays", 1, google)[0],
         "Show in Google Calendar|Show in Google Maps|Email Event|Accept (off)|Maybe (off)|"
         "Decline (off)|Mute All Occurrences|Hide|Delete (off)"},
        {"reminder", addReminder(5),
         "Show in Reminders|Priority|Mark as Completed|Change Due Date|Delete"},
    };
    for (const auto& row : rows) {
        views::EventRowMenu menu(deps(), row.item, QDate(2026, 12, 7));
        EXPECT_EQ(entries(menu), list(row.expected)) << row.name;
    }
}

TEST_F(RowMenuTest, DeleteAsksForRepeatingEventsAndCallsTheStore) {
    using Choice = Prompter::DeleteChoice;
    const struct {
        int occurrences;
        Choice choice;
        bool confirm;
        std::size_t left;
    } rows[] = {
        {3, Choice::cancel, true, 3},      {3, Choice::thisOccurrence, true, 2},
        {3, Choice::wholeSeries, true, 0}, {1, Choice::cancel, true, 0},
        {1, Choice::cancel, false, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(&row - rows); // the row number
        store.eventList.clear();
        prompter.asked.clear();
        prompter.deleteChoice = row.choice;
        prompter.confirm = row.confirm;
        const auto series = addEvent("s", "work", row.occurrences);
        views::EventRowMenu menu(deps(), series.back(), QDate(2026, 12, 7));
        entry(menu, QStringLiteral("Delete"))->trigger();
        EXPECT_EQ(prompter.asked, QStringList{(row.occurrences > 1 ? QStringLiteral("repeating: ")
                                                                   : QStringLiteral("delete: ")) +
                                              QStringLiteral("Title of s")});
        EXPECT_EQ(store.eventList.size(), row.left);
        if (row.left == 2) {
            EXPECT_EQ(store.eventList.back().start(), series[1].start()); // the last one went
        }
    }
}

TEST_F(RowMenuTest, HideWarnsForRepeatingEventsAndTheHiddenEventsMenuUnhides) {
    const auto series = addEvent("s", "work", 2);
    const auto single = addEvent("one", "work", 1);
    views::EventRowMenu(deps(), series[0], {}).actions(); // building changes nothing
    auto hide = [&](const platform::Event& e) {
        views::EventRowMenu menu(deps(), e, QDate(2026, 12, 7));
        entry(menu, QStringLiteral("Hide"))->trigger();
    };
    hide(series[0]); // not confirmed
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
    EXPECT_EQ(entries(hidden), list("Last 10 Hidden Events|Title of one|Title of s"));
    entry(hidden, QStringLiteral("Title of one"))->menu()->actions().front()->trigger();
    hidden.rebuild();
    EXPECT_EQ(entries(hidden), list("Last 10 Hidden Events|Title of s"));

    views::MoreMenu more(defaults, [] { return kit::Environment{}; }); // it follows "Pin Window"
    more.addWindowSubmenu(new views::HiddenEventsMenu(defaults, store, &more));
    const QStringList texts = entries(more);
    ASSERT_TRUE(texts.contains(QStringLiteral("Pin Window")));
    EXPECT_EQ(texts.mid(texts.indexOf(QStringLiteral("Pin Window")), 3),
              list("Pin Window|Hidden Events|Calculators…"));
}

TEST_F(RowMenuTest, MapsMuteAndRetimingReachTheirTargets) {
    const auto placed = addEvent(
        "p", "work", 1, [](EventData& d) { d.extra().location = QStringLiteral("Main St 1"); })[0];
    urls.schemesWithApplication << QStringLiteral("geo");
    composedWorks = false;
    auto trigger = [&](const events::CalendarItem& item, const QString& text) {
        views::EventRowMenu menu(deps(), item, QDate(2026, 12, 7));
        QAction* a = entry(menu, text);
        ASSERT_NE(a, nullptr) << qPrintable(text);
        a->trigger();
    };
    trigger(addEvent("n", "work", 1)[0], QStringLiteral("Show in Maps"));
    trigger(addEvent("z", "work", 1, setZoomLocation)[0], QStringLiteral("Show in Maps"));
    trigger(placed, QStringLiteral("Show in Maps"));
    const QString error = QStringLiteral("error: ");
    EXPECT_EQ(prompter.asked, (QStringList{error + views::noLocationMessage(), // no location
                                           error + views::noLocationMessage(), // a meeting link
                                           error + views::mapsErrorMessage()}));
    EXPECT_EQ(composed, QList<QUrl>{QUrl(QStringLiteral("geo:0,0?q=Main%20St%201"))});

    trigger(placed, QStringLiteral("Mute All Occurrences"));
    EXPECT_EQ(defaults.get(keys::upcomingEventInMenuBarIgnoredEvents),
              std::vector<QString>{QStringLiteral("p")});
    trigger(placed, QStringLiteral("Muted All Occurrences"));
    EXPECT_TRUE(defaults.get(keys::upcomingEventInMenuBarIgnoredEvents).empty());
    trigger(placed, QStringLiteral("Show in Calendar"));
    EXPECT_EQ(shownDays, QList<QDate>{QDate(2026, 12, 7)});

    views::EventRowMenu menu(deps(), addReminder(0), QDate(2026, 12, 7));
    QMenu* retime = entry(menu, QStringLiteral("Change Due Date"))->menu();
    entry(*retime, QStringLiteral("This Afternoon (14:00)"))->trigger();
    EXPECT_EQ(store.reminderList[0].due, (platform::DueDate{QDate(2026, 12, 7), QTime(14, 0),
                                                            QStringLiteral("America/New_York")}));
    entry(*entry(menu, QStringLiteral("Priority"))->menu(), QStringLiteral("High"))->trigger();
    EXPECT_EQ(store.reminderList[0].priority, 1);
    entry(menu, QStringLiteral("Mark as Completed"))->trigger();
    EXPECT_TRUE(store.reminderList[0].isCompleted);
}

TEST_F(RowMenuTest, InvitationsAreAnsweredFromTheMenu) {
    using platform::ParticipantStatus;
    const auto invited = [](ParticipantStatus status, bool isOrganizer) {
        return [=](EventData& d) {
            d.extra().attendees = {
                platform::Attendee{{}, QStringLiteral("me@example.org"), status, true}};
            d.extra().isOrganizedByCurrentUser = isOrganizer;
        };
    };
    const struct {
        const char* name;
        ParticipantStatus status;
        bool isOrganizer;
        const char* checked; // the entry shown as the answer; nullptr: no entries
    } rows[] = {
        {"pending", ParticipantStatus::pending, false, ""},
        {"accepted", ParticipantStatus::accepted, false, "Accept"},
        {"tentative", ParticipantStatus::tentative, false, "Maybe"},
        {"organised by the user", ParticipantStatus::accepted, true, nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        store.eventList.clear();
        store.replies.clear();
        const auto event = addEvent("i", "work", 1, invited(row.status, row.isOrganizer))[0];
        views::EventRowMenu menu(deps(), event, QDate(2026, 12, 7));
        QAction* decline = entry(menu, QStringLiteral("Decline"));
        if (!row.checked) {
            EXPECT_EQ(decline, nullptr);
            continue;
        }
        QStringList checked;
        for (QAction* a : menu.actions())
            if (a->isChecked())
                checked << a->text();
        EXPECT_EQ(checked.join(u'|'), QString::fromUtf8(row.checked));
        ASSERT_NE(decline, nullptr);
        decline->trigger();
        EXPECT_EQ(store.replies, QStringList{event.eventIdentifier() + QStringLiteral("=3")});
    }
}
