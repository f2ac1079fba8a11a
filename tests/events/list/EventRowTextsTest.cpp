// SPDX-License-Identifier: GPL-3.0-or-later
// What a row of the event list says about its item, in two locales, at 12:00 on Tuesday
// 8 December 2026 in Berlin.
#include "events/list/EventRowTexts.h"

#include "TestEvents.h"
#include "TestSupport.h"
#include "events/videocalls/VideoCallDetector.h"
#include "platform/fake/FakeUrlOpener.h"

#include <gtest/gtest.h>

using namespace ruvo;
using ruvo::test::at;

namespace {

events::CalendarItem event(const char* start, const char* end, bool isAllDay = false,
                           const char* location = "") {
    auto data = test::eventData("e", start);
    data->isAllDay = isAllDay;
    data->extra().location = QString::fromLatin1(location);
    return platform::Event(data, at(start), at(end), at(start));
}

events::CalendarItem reminder(QDate day, std::optional<QTime> time, int priority) {
    platform::Reminder r;
    r.title = QStringLiteral("r");
    r.due = platform::DueDate{day, time, {}};
    r.priority = priority;
    return r;
}

// "Starts in 30 minutes | 12:30 PM – 1:30 PM | join Zoom | !!!", empty parts left out.
std::string describe(const events::EventRow& row) {
    QStringList parts{events::timingText(row.state, row.relative), row.timeText};
    if (!row.location.isEmpty())
        parts << QStringLiteral("at ") + row.location;
    if (row.showsJoinButton)
        parts << QStringLiteral("join ") + row.videoCall->name.value_or(QString());
    if (!row.priorityMarks.isEmpty())
        parts << row.priorityMarks;
    parts.removeAll(QString());
    return parts.join(QStringLiteral(" | ")).toStdString();
}

} // namespace

TEST(EventRowTextsTest, TimingPhrasesRelativeTimesAndMarksInTwoLanguages) {
    const char* zoom = "https://zoom.us/j/123456789";
    const struct {
        const char* name;
        events::CalendarItem item;
        bool joinOnlyUpcoming;
        const char *english, *german; // U+202F: ICU's narrow space before AM and PM
    } rows[] = {
        {"ahead", event("2026-12-08T12:30:00+01:00", "2026-12-08T13:30:00+01:00"), false,
         "Starts in 30 minutes | 12:30\u202FPM – 1:30\u202FPM",
         "Beginnt in 30 Minuten | 12:30 – 13:30"},
        {"within the minute", event("2026-12-08T12:00:40+01:00", "2026-12-08T13:00:00+01:00"),
         false, "Starts now | 12:00\u202FPM – 1:00\u202FPM", "Beginnt jetzt | 12:00 – 13:00"},
        {"running", event("2026-12-08T11:30:00+01:00", "2026-12-08T12:30:00+01:00"), false,
         "Started 30 minutes ago | 11:30\u202FAM – 12:30\u202FPM",
         "Begann vor 30 Minuten | 11:30 – 12:30"},
        {"ended, rounded to hours", event("2026-12-08T08:00:00+01:00", "2026-12-08T09:10:00+01:00"),
         false, "Ended 3 hours ago | 8:00\u202FAM – 9:10\u202FAM",
         "Endete vor 3 Stunden | 08:00 – 09:10"},
        {"days ahead, by calendar day, with a call",
         event("2026-12-11T10:00:00+01:00", "2026-12-11T11:00:00+01:00", false, zoom), true,
         "Starts in 3 days | 10:00\u202FAM – 11:00\u202FAM | join Zoom",
         "Beginnt in 3 Tagen | 10:00 – 11:00 | join Zoom"},
        {"an ended call keeps its button unless only upcoming ones show",
         event("2026-12-08T09:00:00+01:00", "2026-12-08T10:00:00+01:00", false, zoom), false,
         "Ended 2 hours ago | 9:00\u202FAM – 10:00\u202FAM | join Zoom",
         "Endete vor 2 Stunden | 09:00 – 10:00 | join Zoom"},
        {"an ended call without a button",
         event("2026-12-08T09:00:00+01:00", "2026-12-08T10:00:00+01:00", false, zoom), true,
         "Ended 2 hours ago | 9:00\u202FAM – 10:00\u202FAM",
         "Endete vor 2 Stunden | 09:00 – 10:00"},
        {"all day tomorrow, location kept",
         event("2026-12-09T00:00:00+01:00", "2026-12-10T00:00:00+01:00", true, "Room 4"), false,
         "Starts tomorrow | All day | at Room 4", "Beginnt morgen | Ganztägig | at Room 4"},
        {"all day yesterday, ended by its last day",
         event("2026-12-07T00:00:00+01:00", "2026-12-08T00:00:00+01:00", true), false,
         "Ended yesterday | All day", "Endete gestern | Ganztägig"},
        {"reminder without a time, high priority", reminder(QDate(2026, 12, 7), {}, 1), false,
         "yesterday | !!!", "gestern | !!!"},
        {"reminder with a time, medium priority", reminder(QDate(2026, 12, 8), QTime(14, 0), 5),
         false, "in 2 hours | 2:00\u202FPM | !!", "in 2 Stunden | 14:00 | !!"},
        {"reminder, low priority", reminder(QDate(2026, 12, 20), {}, 9), false, "in 12 days | !",
         "in 12 Tagen | !"},
    };
    platform::FakeUrlOpener apps;
    videocalls::VideoCallDetector detector(apps);
    const events::EventRowTexts english(
        kit::Environment{QStringLiteral("en_US"), QStringLiteral("Europe/Berlin")}, detector);
    const events::EventRowTexts german(
        kit::Environment{QStringLiteral("de_DE"), QStringLiteral("Europe/Berlin")}, detector);
    const kit::Instant now = at("2026-12-08T12:00:00+01:00");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(describe(english.row(row.item, now, {row.joinOnlyUpcoming})), row.english);
    }
    // One translator serves the process, as in the program, which runs in one language.
    const test::ScopedTranslations inGerman(QStringLiteral("de_DE"));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(describe(german.row(row.item, now, {row.joinOnlyUpcoming})), row.german);
    }
    EXPECT_EQ(english.dayHeader(QDate(2026, 12, 9), now),
              QStringLiteral("Tomorrow, Wednesday, December 9"));
    EXPECT_EQ(german.dayHeader(QDate(2026, 12, 12), now), QStringLiteral("Samstag, 12. Dezember"));
}
