// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPrinters.h"
#include "TestSupport.h"
#include "events/videocalls/NextVideoCall.h"
#include "events/videocalls/VideoCallJoiner.h"
#include "platform/fake/FakeShortcutRunner.h"
#include "platform/fake/FakeUrlOpener.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace ruvo;
using namespace ruvo::videocalls;
using ruvo::test::at;

namespace {

CallEvent call(const char* id, const char* location, const char* start, const char* end) {
    CallEvent e;
    e.calendarItemIdentifier = QString::fromUtf8(id);
    e.title = QStringLiteral("Sync");
    e.location = QString::fromUtf8(location);
    e.start = at(start);
    e.end = at(end);
    e.accountEmail = QStringLiteral("jane@example.com");
    return e;
}

struct Fixture {
    platform::FakeUrlOpener opener;
    platform::FakeShortcutRunner shortcuts;
    JoinedRegistry joined;
    VideoCallDetector detector{opener};
    VideoCallJoiner joiner{detector, opener, shortcuts, joined};
};

} // namespace

TEST(VideoCallJoiner, OpensTheLinkEachApplicationWants) {
    struct Row {
        const char* location;
        QStringList apps;
        JoinOptions options;
        const char* opened;
    };
    const JoinOptions standard;
    const JoinOptions plain{false, false, std::nullopt};
    const char* teams = "https://teams.microsoft.com/l/meetup-join/19%3ameeting_x%40thread.v2/0";
    const Row rows[] = {
        {"https://zoom.us/j/123456789?pwd=p", QStringList(), standard,
         "https://zoom.us/j/123456789?pwd=p"},
        {"https://zoom.us/j/123456789?pwd=p", QStringList{QStringLiteral("zoommtg")}, standard,
         "zoommtg://zoom.us/join?confno=123456789&pwd=p"},
        {"https://meet.google.com/abc-defg-hij", QStringList(), standard,
         "https://accounts.google.com/"
         "AccountChooser?Email=jane%40example.com&continue=https%3A%2F%2F"
         "meet.google.com%2Fabc-defg-hij"},
        {"https://meet.google.com/abc-defg-hij", QStringList(), plain,
         "https://meet.google.com/abc-defg-hij"},
        {teams, QStringList{QStringLiteral("msteams")}, standard,
         "msteams://teams.microsoft.com/l/meetup-join/19%3Ameeting_x%40thread.v2/0"},
        {teams, QStringList{QStringLiteral("msteams")}, plain,
         "https://teams.microsoft.com/l/meetup-join/19%3Ameeting_x%40thread.v2/0"},
        {teams, QStringList(), standard,
         "https://teams.microsoft.com/l/meetup-join/19%3Ameeting_x%40thread.v2/0"},
    };
    for (const Row& row : rows) {
        Fixture f;
        f.opener.schemesWithApplication = row.apps;
        const CallEvent e =
            call("E1", row.location, "2026-12-04T10:00:00Z", "2026-12-04T11:00:00Z");
        EXPECT_TRUE(f.joiner.join(e, row.options)) << row.location;
        ASSERT_EQ(f.opener.opened.size(), 1) << row.location;
        EXPECT_EQ(f.opener.opened[0].toString(QUrl::FullyEncoded), QString::fromUtf8(row.opened));
    }
}

TEST(VideoCallJoiner, RunsTheShortcutAndRecordsTheJoinedKey) {
    Fixture f;
    CallEvent e =
        call("R1", "https://whereby.com/team", "2026-12-04T10:00:00Z", "2026-12-04T11:00:00Z");
    e.hasRecurrenceRules = true;
    const QUuid shortcut = QUuid::createUuid();
    EXPECT_FALSE(f.joined.hasJoined(e));
    EXPECT_TRUE(f.joiner.join(e, JoinOptions{true, true, shortcut}));
    // 2026-12-04T10:00:00Z is 818071200 seconds after 2001-01-01.
    EXPECT_EQ(joinedEventKey(e), QStringLiteral("R1\u23F0818071200"));
    EXPECT_TRUE(f.joined.hasJoined(e));
    CallEvent nextOccurrence = e;
    nextOccurrence.start += std::chrono::days(7);
    EXPECT_FALSE(f.joined.hasJoined(nextOccurrence));
    ASSERT_EQ(f.shortcuts.runs.size(), 1u);
    EXPECT_EQ(f.shortcuts.runs[0].shortcut, shortcut);
    const QJsonObject input = QJsonDocument::fromJson(f.shortcuts.runs[0].inputJson).object();
    EXPECT_EQ(input[QStringLiteral("service")].toString(), QStringLiteral("Whereby"));
    EXPECT_EQ(input[QStringLiteral("start")].toString(), QStringLiteral("2026-12-04T10:00:00Z"));
}

TEST(VideoCallJoiner, NoCallOrRefusedSchemeOpensNothing) {
    Fixture f;
    EXPECT_FALSE(
        f.joiner.join(call("E1", "Room 4", "2026-12-04T10:00:00Z", "2026-12-04T11:00:00Z"), {}));
    DetectedServiceStore store;
    VideoCallDetector detector(f.opener, &store);
    VideoCallJoiner joiner(detector, f.opener, f.shortcuts, f.joined);
    store.set(QStringLiteral("E2"),
              Service{QStringLiteral("X"), QUrl(QStringLiteral("file:///etc/passwd"))});
    EXPECT_FALSE(
        joiner.join(call("E2", "Room 4", "2026-12-04T10:00:00Z", "2026-12-04T11:00:00Z"), {}));
    // A meeting application's scheme is ours to make, never taken from a stored service.
    store.set(QStringLiteral("E3"),
              Service{QStringLiteral("Y"), QUrl(QStringLiteral("msteams://whereby.com/team"))});
    EXPECT_FALSE(
        joiner.join(call("E3", "Room 4", "2026-12-04T10:00:00Z", "2026-12-04T11:00:00Z"), {}));
    EXPECT_TRUE(f.opener.opened.isEmpty());
    EXPECT_FALSE(f.joined.contains(QStringLiteral("E2")));
}

TEST(NextVideoCall, RunningCallBeforeOneAboutToStartEarliestOfEach) {
    platform::FakeUrlOpener apps;
    VideoCallDetector detector(apps);
    const char* zoom = "https://zoom.us/j/123456789";
    const std::vector<CallEvent> events = {
        call("soon-later", zoom, "2026-12-04T10:14:00Z", "2026-12-04T11:00:00Z"),
        call("soon", zoom, "2026-12-04T10:05:00Z", "2026-12-04T11:00:00Z"),
        call("running-no-link", "Room 4", "2026-12-04T09:00:00Z", "2026-12-04T11:00:00Z"),
        call("too-far", zoom, "2026-12-04T10:15:01Z", "2026-12-04T11:00:00Z"),
        call("ended", zoom, "2026-12-04T09:00:00Z", "2026-12-04T10:00:00Z"),
        call("running-late", zoom, "2026-12-04T09:50:00Z", "2026-12-04T10:30:00Z"),
        call("running", zoom, "2026-12-04T09:30:00Z", "2026-12-04T10:30:00Z"),
    };
    CallEvent allDay = call("all-day", zoom, "2026-12-04T00:00:00Z", "2026-12-05T00:00:00Z");
    allDay.isAllDay = true;
    std::vector<CallEvent> withAllDay = events;
    withAllDay.insert(withAllDay.begin(), allDay);
    const kit::Instant now = at("2026-12-04T10:00:00Z");
    EXPECT_EQ(nextVideoCall(withAllDay, now, detector)->calendarItemIdentifier,
              QStringLiteral("running"));
    const std::vector<CallEvent> upcomingOnly(events.begin(), events.begin() + 5);
    EXPECT_EQ(nextVideoCall(upcomingOnly, now, detector)->calendarItemIdentifier,
              QStringLiteral("soon"));
    EXPECT_EQ(nextVideoCall(upcomingOnly, at("2026-12-04T08:00:00Z"), detector), std::nullopt);
}
