// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoryDefaults.h"
#include "TestEvents.h"
#include "TestSupport.h"
#include "events/actions/ActionLinks.h"
#include "events/actions/EventMuting.h"
#include "events/actions/EventTimeText.h"
#include "events/actions/HiddenEvents.h"
#include "platform/fake/FakeCalendarStore.h"
#include "platform/fake/FakeUrlOpener.h"
#include "settings/Keys.h"
#include "settings/RunOnce.h"

#include <gtest/gtest.h>

using namespace ruvo;
using namespace ruvo::events::actions;
using platform::Attendee;
using ruvo::test::at;
namespace keys = settings::keys;

namespace {

platform::Event makeEvent(const char* uid, const char* title = "",
                          std::vector<Attendee> attendees = {}, bool recurring = false,
                          const char* start = "2026-12-07T09:00:00Z", bool allDay = false) {
    auto data = test::eventData(title, uid, "work");
    data->hasRecurrenceRules = recurring;
    data->isAllDay = allDay;
    if (!attendees.empty())
        data->extra().attendees = std::move(attendees);
    const kit::Instant s = at(start);
    return platform::Event(data, s, s + (allDay ? std::chrono::hours(24) : std::chrono::hours(1)),
                           s);
}

Attendee me(const char* address) {
    return Attendee{QStringLiteral("Me"), QString::fromUtf8(address),
                    platform::ParticipantStatus::accepted, true};
}

Attendee guest(const char* address) {
    return Attendee{{}, QString::fromUtf8(address), platform::ParticipantStatus::pending, false};
}

struct SettingsTest : ::testing::Test, test::MemoryDefaults {};

} // namespace

TEST(ActionLinks, MapLinksEncodeThePlaceForEachService) {
    struct Row {
        bool useGoogleMaps;
        bool hasGeoHandler;
        const char* location;
        const char* expected; // nullptr: no link
    };
    const Row rows[] = {
        {true, true, "Café Müller, Berlin",
         "https://www.google.com/maps/search/?api=1&query=Caf%C3%A9%20M%C3%BCller%2C%20Berlin"},
        {false, true, "Room 4 & 5 #2\n  Main St. 1+2",
         "geo:0,0?q=Room%204%20%26%205%20%232%20Main%20St.%201%2B2"},
        {false, false, "a?b=c/d", "https://www.openstreetmap.org/search?query=a%3Fb%3Dc%2Fd"},
        {false, false, " \n\t ", nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.location);
        platform::FakeUrlOpener apps;
        if (row.hasGeoHandler)
            apps.schemesWithApplication << QStringLiteral("geo");
        const auto link =
            mapLink(QString::fromUtf8(row.location), mapService(row.useGoogleMaps, apps));
        EXPECT_EQ(link ? link->toEncoded() : QByteArray(), QByteArray(row.expected));
    }
}

TEST(ActionLinks, MailLinksGoToTheOtherAttendeesWithEncodedSubjectAndBody) {
    struct Row {
        const char* name;
        platform::Event event;
        QUrl link;
        const char* expected;
    };
    const Row rows[] = {
        {"attendees, link, special characters",
         makeEvent("u1", "Q&A: 50% done? #1 + \"more\"",
                   {me("me@example.com"), guest("ana+work@example.com"), guest("bo@example.org")}),
         QUrl(QStringLiteral("https://meet.google.com/abc-defg-hij?authuser=1&x=y")),
         "mailto:ana%2Bwork@example.com,bo@example.org?subject=Q%26A%3A%2050%25%20done%3F%20%231%"
         "20%2B%20%22more%22&body=Mon%2C%20Dec%207%0D%0A%0D%0Ahttps%3A%2F%2Fmeet.google.com%"
         "2Fabc-defg-hij%3Fauthuser%3D1%26x%3Dy"},
        {"nobody to write to, no link", makeEvent("u2", "Ünïcødé"), QUrl(),
         "mailto:?subject=%C3%9Cn%C3%AFc%C3%B8d%C3%A9&body=Mon%2C%20Dec%207"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(mailLink(row.event, QStringLiteral("Mon, Dec 7"), row.link).toEncoded(),
                  QByteArray(row.expected));
    }
}

TEST(ActionLinks, GoogleCalendarLinksOnlyForGoogleEventsWithTheCalendarsAddress) {
    auto eid = [](const char* text) {
        return QByteArray("https://calendar.google.com/calendar/event?eid=") +
               QByteArray(text).toBase64(QByteArray::Base64UrlEncoding |
                                         QByteArray::OmitTrailingEquals);
    };
    struct Row {
        const char* name;
        platform::Event event;
        QByteArray expected; // empty: none
    };
    const Row rows[] = {
        {"single", makeEvent("7kq3ab@google.com", "", {me("Me@Gmail.com")}),
         eid("7kq3ab me@gmail.com")},
        {"occurrence of a series", makeEvent("7kq3ab@google.com", "", {me("me@gmail.com")}, true),
         eid("7kq3ab_20261207T090000Z me@gmail.com")},
        {"all-day occurrence, its day in Berlin",
         makeEvent("d1@google.com", "", {me("me@gmail.com")}, true, "2026-12-06T23:00:00Z", true),
         eid("d1_20261207 me@gmail.com")},
        {"not the user's calendar", makeEvent("7kq3ab@google.com", "", {guest("x@gmail.com")}), {}},
        {"not from Google", makeEvent("abc@example.com", "", {me("me@gmail.com")}), {}},
        {"only the suffix", makeEvent("@google.com", "", {me("me@gmail.com")}), {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto link = googleCalendarLink(row.event, QStringLiteral("Europe/Berlin"));
        EXPECT_EQ(link ? link->toEncoded() : QByteArray(), row.expected);
    }
}

// The row menu's own tests cover the tip, unhiding and plain muting; these are the lists' edges.
TEST_F(SettingsTest, MutingKeepsOccurrenceEntriesAndHidingKeepsTheLatestTen) {
    const auto series = makeEvent("series-uid", "Standup", {}, true);
    const QString occurrence = QStringLiteral("work/series-uid⏰818000000");
    defaults.set(keys::upcomingEventInMenuBarIgnoredEvents, {occurrence});
    for (const bool mute : {true, true, false, false}) { // twice: nothing added or lost
        setMuted(defaults, series, mute);
        EXPECT_EQ(defaults.get(keys::upcomingEventInMenuBarIgnoredEvents),
                  (mute ? std::vector{occurrence, QStringLiteral("series-uid")}
                        : std::vector{occurrence}));
    }

    platform::FakeCalendarStore store;
    store.calendarList = {platform::Calendar{}};
    store.calendarList[0].identifier = QStringLiteral("work");
    HiddenEvents hidden(defaults, store);
    std::vector<platform::Event> events;
    for (int i = 0; i < 12; ++i) {
        const std::string n = std::to_string(i);
        events.push_back(makeEvent(("uid" + n).c_str(), ("E" + n).c_str()));
        store.eventList.push_back(events.back());
        hidden.hide(events.back());
    }
    hidden.hide(events[3]);                              // hiding again moves it to the front
    store.eventList.erase(store.eventList.begin() + 11); // gone from the store: its UID shows
    const auto latest = hidden.latest();
    ASSERT_EQ(latest.size(), 10u);
    EXPECT_EQ(latest[0], (HiddenEvent{QStringLiteral("uid3"), QStringLiteral("E3")}));
    EXPECT_EQ(latest[1], (HiddenEvent{QStringLiteral("uid11"), QStringLiteral("uid11")}));
    EXPECT_EQ(latest[9].title, QStringLiteral("E2"));
    EXPECT_TRUE(hidden.isHidden(events[0])); // beyond the ten shown, still hidden
    EXPECT_EQ(defaults.get(keys::hiddenEvents).size(), 12u);
}

TEST(EventTimeText, SpansAndOtherZonesInTheLocale) {
    const kit::Environment env{QStringLiteral("en_US"), QStringLiteral("Europe/Berlin")};
    const auto timed = makeEvent("t");
    const auto allDay = makeEvent("a", "", {}, false, "2026-12-06T23:00:00Z", true);
    // ICU puts thin and narrow spaces around the dash and before AM: compare them as spaces.
    EXPECT_EQ(eventTimeText(timed, env).simplified(),
              QStringLiteral("Mon, Dec 7, 2026, 10:00 – 11:00 AM"));
    EXPECT_EQ(eventTimeText(allDay, env), QStringLiteral("Mon, Dec 7, 2026"));
    EXPECT_EQ(dueText({QDate(2026, 12, 7), std::nullopt, {}}, env),
              QStringLiteral("Mon, Dec 7, 2026"));

    auto chosen = [](const char* id, bool shown = true) {
        auto entry = settings::ChosenTimeZone::make(
            QUuid(), *settings::ZuTimeZone::make(QString::fromLatin1(id)));
        entry.showInMenu = shown;
        return entry;
    };
    const std::vector<settings::ChosenTimeZone> zones{
        chosen("America/New_York"), chosen("Europe/Paris"), chosen("Asia/Tokyo", false)};
    const auto rows = otherZoneTimes(timed, zones, env);
    ASSERT_EQ(rows.size(), 1u); // Paris has Berlin's offset; Tokyo is not shown
    EXPECT_EQ(rows[0].name, QStringLiteral("New York"));
    EXPECT_TRUE(rows[0].text.startsWith(QStringLiteral("Mon, Dec 7, 2026, 4:00")))
        << qPrintable(rows[0].text);
    EXPECT_TRUE(otherZoneTimes(allDay, zones, env).empty());
}
