// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/CallEventConversion.h"

#include "TestEvents.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace ruvo;
using platform::ParticipantStatus;
using ruvo::test::at;
using videocalls::CallEvent;

TEST(CallEventConversion, MapsEveryFieldAndTakesTheAccountFromTheCurrentUser) {
    auto meet = test::eventData("Standup", "meet-1", "work");
    meet->extra().url = QStringLiteral("https://meet.google.com/abc-defg-hij");
    meet->extra().notes = QStringLiteral("Agenda");
    meet->extra().attendees = {{QStringLiteral("Ann"), QStringLiteral("ann@example.com"),
                                ParticipantStatus::accepted, false},
                               {QStringLiteral("Me"), QStringLiteral("me@example.com"),
                                ParticipantStatus::accepted, true}};
    auto zoom = test::eventData("Review", "zoom-1", "work");
    zoom->extra().location = QStringLiteral("https://us02web.zoom.us/j/123456789");
    zoom->extra().attendees = {{{}, QStringLiteral("ann@example.com"), {}, false}};
    auto weekly = test::eventData("Weekly", "weekly-1", "work");
    weekly->hasRecurrenceRules = true;

    struct Row {
        const char* name;
        platform::Event event;
        CallEvent expected;
    };
    const Row rows[] = {
        {"a Google Meet event",
         {meet, at("2026-12-07T15:00:00Z"), at("2026-12-07T15:30:00Z"), at("2026-12-07T15:00:00Z")},
         {QStringLiteral("work/meet-1"), QStringLiteral("Standup"), QString(),
          QUrl(QStringLiteral("https://meet.google.com/abc-defg-hij")), QStringLiteral("Agenda"),
          at("2026-12-07T15:00:00Z"), at("2026-12-07T15:30:00Z"), false, false,
          QStringLiteral("me@example.com")}},
        {"a Zoom location, the user not among the attendees",
         {zoom, at("2026-12-07T16:00:00Z"), at("2026-12-07T17:00:00Z"), at("2026-12-07T16:00:00Z")},
         {QStringLiteral("work/zoom-1"), QStringLiteral("Review"),
          QStringLiteral("https://us02web.zoom.us/j/123456789"), QUrl(), QString(),
          at("2026-12-07T16:00:00Z"), at("2026-12-07T17:00:00Z"), false, false, QString()}},
        {"a moved occurrence keeps the series' identifier and its own times",
         {weekly, at("2026-12-15T10:00:00Z"), at("2026-12-15T11:00:00Z"),
          at("2026-12-14T10:00:00Z")},
         {QStringLiteral("work/weekly-1"), QStringLiteral("Weekly"), QString(), QUrl(), QString(),
          at("2026-12-15T10:00:00Z"), at("2026-12-15T11:00:00Z"), false, true, QString()}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CallEvent call = events::toCallEvent(row.event);
        EXPECT_EQ(call, row.expected);
        EXPECT_TRUE(call.notes.has_value()); // read, even when empty
    }
}
