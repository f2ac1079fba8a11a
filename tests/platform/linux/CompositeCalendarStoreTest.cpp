// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/CompositeCalendarStore.h"

#include "platform/fake/FakeCalendarStore.h"

#include <gtest/gtest.h>

namespace ruvo::platform {
namespace {

kit::Instant at(int day, int hour) {
    return kit::fromQDateTime(QDateTime(QDate(2026, 12, day), QTime(hour, 0), QTimeZone::utc()));
}

std::shared_ptr<EventData> data(const char* uid, const char* calendar, const char* title) {
    auto d = std::make_shared<EventData>();
    d->calendarItemExternalIdentifier = QString::fromLatin1(uid);
    d->calendarIdentifier = QString::fromLatin1(calendar);
    d->title = QString::fromLatin1(title);
    d->hasRecurrenceRules = true;
    return d;
}

Calendar calendar(const char* identifier) {
    Calendar c;
    c.identifier = QString::fromLatin1(identifier);
    c.title = c.identifier;
    return c;
}

EventDraft draft(const char* calendarIdentifier) {
    EventDraft d;
    d.calendarIdentifier = QString::fromLatin1(calendarIdentifier);
    d.title = QStringLiteral("New");
    d.start = at(9, 8);
    d.end = at(9, 9);
    return d;
}

struct Stores {
    FakeCalendarStore eds;
    FakeCalendarStore vdir;
    CompositeCalendarStore both;
    Stores() {
        eds.calendarList = {calendar("eds-1")};
        vdir.calendarList = {calendar("vdir-1")};
        vdir.defaultCalendarIdentifier = QStringLiteral("vdir-1");
        both.addStore(eds, QStringLiteral("eds"));
        both.addStore(vdir, QStringLiteral("vdir"));
    }
    std::vector<QString> titles(int fromDay = 1, int toDay = 31) const {
        std::vector<QString> out;
        for (const Event& e : both.events({{at(fromDay, 0), at(toDay, 0)}, {}}))
            out.push_back(e.title());
        return out;
    }
};

// The same event through both back ends is shown once (from EDS); what differs in UID or in
// the occurrence it names is kept.
TEST(CompositeCalendarStore, ShowsAnEventBothBackEndsHoldOnce) {
    struct Case {
        const char* name;
        const char* vdirUid;
        kit::Instant vdirStart;
        std::optional<kit::Instant> vdirOccurrence; // an override moved from there
        std::vector<const char*> expected;
    };
    const std::vector<Case> cases{
        {"same UID and occurrence", "standup", at(7, 9), std::nullopt, {"eds"}},
        {"same UID, another occurrence", "standup", at(14, 9), std::nullopt, {"eds", "vdir"}},
        {"another UID at the same time", "other", at(7, 9), std::nullopt, {"eds", "vdir"}},
        {"the occurrence moved in the synced copy", "standup", at(7, 11), at(7, 9), {"eds"}},
        {"an override of another occurrence moved onto it",
         "standup",
         at(7, 9),
         at(8, 9),
         {"eds", "vdir"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Stores s;
        s.eds.addEvent(data("standup", "eds-1", "eds"), at(7, 9), at(7, 10));
        s.vdir.addEvent(data(c.vdirUid, "vdir-1", "vdir"), c.vdirStart,
                        c.vdirStart + kit::Seconds(3600), c.vdirOccurrence);
        std::vector<QString> expected;
        for (const char* title : c.expected)
            expected.push_back(QString::fromLatin1(title));
        EXPECT_EQ(s.titles(), expected);
    }
}

TEST(CompositeCalendarStore, MergesByStartAndMarksEachCalendarWithItsBackEnd) {
    Stores s;
    s.vdir.addEvent(data("a", "vdir-1", "early"), at(7, 8), at(7, 9));
    s.eds.addEvent(data("b", "eds-1", "late"), at(7, 10), at(7, 11));
    s.vdir.addEvent(data("c", "vdir-1", "latest"), at(8, 8), at(8, 9));
    EXPECT_EQ(s.titles(), (std::vector<QString>{QStringLiteral("early"), QStringLiteral("late"),
                                                QStringLiteral("latest")}));
    const auto calendars = s.both.calendars(EntityType::event);
    ASSERT_EQ(calendars.size(), 2u);
    EXPECT_EQ(calendars[0].backend, QStringLiteral("eds"));
    EXPECT_EQ(calendars[1].backend, QStringLiteral("vdir"));
    EXPECT_EQ(s.both.calendarWithIdentifier(QStringLiteral("vdir-1"))->backend,
              QStringLiteral("vdir"));
}

TEST(CompositeCalendarStore, SendsEachEditToTheStoreHoldingTheCalendar) {
    Stores s;
    s.eds.calendarList[0].isWritable = false;
    const Event& series = s.vdir.addEvent(data("x", "vdir-1", "synced"), at(7, 8), at(7, 9));
    ASSERT_TRUE(s.both.removeEvent(series, RemovalScope::wholeSeries));
    EXPECT_TRUE(s.vdir.eventList.empty());

    // Without a calendar, a new event goes to the first store with a default calendar.
    auto saved = s.both.saveEvent(draft(""));
    ASSERT_TRUE(saved);
    EXPECT_EQ(s.vdir.eventList.size(), 1u);
    EXPECT_FALSE(s.both.saveEvent(draft("missing")));

    int changes = 0;
    auto subscription = s.both.storeChanged().connect([&changes] { ++changes; });
    s.eds.changeFromOutside();
    s.vdir.changeFromOutside();
    EXPECT_EQ(changes, 2);
}

} // namespace
} // namespace ruvo::platform
