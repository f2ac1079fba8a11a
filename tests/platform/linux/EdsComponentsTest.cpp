// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/EdsComponents.h"

#include "platform/linux/EdsSources.h"

#include <gtest/gtest.h>

namespace ruvo::platform::eds {
namespace {

kit::Instant utc(int y, int mo, int d, int h, int mi = 0) {
    return kit::fromQDateTime(QDateTime(QDate(y, mo, d), QTime(h, mi), QTimeZone::utc()));
}

// An all-day occurrence is named by its day in the store's zone, which at the edges of a day is
// not the UTC day; a timed one by its UTC start.
TEST(EdsComponents, NamesAnOccurrenceAsTheSourceDoes) {
    struct Case {
        kit::Instant occurrence;
        bool isAllDay;
        const char* zone;
        QByteArray expected;
    };
    const std::vector<Case> cases{
        {utc(2026, 12, 7, 8), false, "Europe/Berlin", "20261207T080000Z"},
        {utc(2026, 12, 6, 23), true, "Europe/Berlin", "20261207"},
        {utc(2026, 12, 7, 3), true, "America/New_York", "20261206"},
        {utc(2026, 3, 29, 1), false, "Europe/Berlin", "20260329T010000Z"}, // DST begins
    };
    for (const Case& c : cases)
        EXPECT_EQ(recurrenceIdValue(c.occurrence, c.isAllDay, QString::fromLatin1(c.zone)),
                  c.expected)
            << c.expected.constData();
}

constexpr auto kTodo = "BEGIN:VTODO\r\nUID:t1\r\nDTSTAMP:20260101T000000Z\r\nSUMMARY:Rent\r\n"
                       "DUE;VALUE=DATE:20261210\r\nPRIORITY:5\r\nX-SOURCE-FLAG:keep me\r\n"
                       "END:VTODO\r\n";

// Each edit changes what it is about and keeps everything else, unknown properties too.
TEST(EdsComponents, EditsATaskAndKeepsTheRest) {
    const kit::Instant now = utc(2026, 12, 6, 12);
    struct Case {
        const char* name;
        std::optional<QByteArray> edited;
        std::vector<QByteArray> has;
        std::vector<QByteArray> hasNot;
    };
    const std::vector<Case> cases{
        {"completed",
         completedTodo(kTodo, now),
         {"STATUS:COMPLETED", "COMPLETED:20261206T120000Z", "PERCENT-COMPLETE:100", "PRIORITY:5"},
         {}},
        {"due with a zone",
         todoDue(kTodo, DueDate{QDate(2026, 12, 11), QTime(9, 30), QStringLiteral("Europe/Berlin")},
                 now),
         {"DUE;TZID=Europe/Berlin:20261211T093000", "PRIORITY:5"},
         {"20261210"}},
        {"no due date", todoDue(kTodo, std::nullopt, now), {"SUMMARY:Rent"}, {"DUE"}},
        {"no priority", todoPriority(kTodo, 0, now), {"DUE;VALUE=DATE:20261210"}, {"PRIORITY"}},
        {"priority past the scale", todoPriority(kTodo, 12, now), {"PRIORITY:9"}, {"PRIORITY:5"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(c.edited);
        for (const QByteArray& line : c.has)
            EXPECT_TRUE(c.edited->contains(line)) << line.constData();
        for (const QByteArray& line : c.hasNot)
            EXPECT_FALSE(c.edited->contains(line)) << line.constData();
        EXPECT_TRUE(c.edited->contains("X-SOURCE-FLAG:keep me"));
        EXPECT_TRUE(c.edited->contains("UID:t1"));
        EXPECT_TRUE(c.edited->contains("LAST-MODIFIED:20261206T120000Z"));
    }
    EXPECT_FALSE(completedTodo("BEGIN:VEVENT\r\nUID:e\r\nEND:VEVENT\r\n", now));
    EXPECT_FALSE(todoDue("not a calendar", std::nullopt, now));
}

TEST(EdsComponents, SplitsAFileIntoItemsWithTheirZones) {
    const QByteArray file = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:x\r\n"
                            "BEGIN:VTIMEZONE\r\nTZID:Custom\r\nBEGIN:STANDARD\r\n"
                            "DTSTART:19700101T000000\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0100\r\n"
                            "END:STANDARD\r\nEND:VTIMEZONE\r\n"
                            "BEGIN:VEVENT\r\nUID:a\r\nDTSTART;TZID=Custom:20261207T090000\r\n"
                            "RRULE:FREQ=DAILY\r\nEND:VEVENT\r\n"
                            "BEGIN:VEVENT\r\nUID:a\r\nRECURRENCE-ID;TZID=Custom:20261208T090000\r\n"
                            "DTSTART;TZID=Custom:20261208T100000\r\nEND:VEVENT\r\n"
                            "BEGIN:VEVENT\r\nDTSTART:20261207T090000Z\r\nEND:VEVENT\r\n" // no UID
                            "BEGIN:VTODO\r\nUID:t\r\nEND:VTODO\r\nEND:VCALENDAR\r\n";
    const auto items = itemsOfFile(file, 100);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_FALSE(items[0].isOverride);
    EXPECT_TRUE(items[1].isOverride);
    EXPECT_TRUE(items[2].isTodo);
    for (const auto& item : items)
        EXPECT_TRUE(item.text.contains("TZID:Custom"));
    EXPECT_EQ(itemsOfFile(file, 2).size(), 2u);
    EXPECT_TRUE(itemsOfFile("garbage", 100).empty());
}

TEST(EdsComponents, GivesAColourOrANeutralGrey) {
    EXPECT_EQ(calendarColour(QStringLiteral("#FF0000")), QStringLiteral("#ff0000"));
    EXPECT_EQ(calendarColour(QStringLiteral(" #3a87ad ")), QStringLiteral("#3a87ad"));
    EXPECT_EQ(calendarColour(QString()), QStringLiteral("#8e8e93"));
    EXPECT_EQ(calendarColour(QStringLiteral("#12")), QStringLiteral("#8e8e93"));
}

} // namespace
} // namespace ruvo::platform::eds
