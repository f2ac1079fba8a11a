// SPDX-License-Identifier: GPL-3.0-or-later
// The forms' defaults and drafts, the alert choices and the place completions.
#include "creation/NewItemForms.h"

#include "TestSupport.h"
#include "creation/AlertChoices.h"
#include "creation/NewEventHandOver.h"
#include "creation/PlaceCompletion.h"
#include "platform/fake/FakeCalendarApplication.h"
#include "platform/fake/FakeUrlOpener.h"

#include <QUrlQuery>
#include <gtest/gtest.h>

using namespace ruvo;
using ruvo::test::at;

namespace {

TEST(NewItemForms, ANewEventStartsAtTheTravelInstantElseTheNextHour) {
    struct Case {
        const char* now;
        const char* travel; // nullptr: not travelling
        qint64 duration;
        const char* start;
        const char* end;
    };
    const Case cases[] = {
        {"2026-12-08T12:00:00Z", nullptr, 3600, "2026-12-08T13:00:00Z", "2026-12-08T14:00:00Z"},
        {"2026-12-08T12:59:59Z", nullptr, 1800, "2026-12-08T13:00:00Z", "2026-12-08T13:30:00Z"},
        {"2026-12-08T12:00:00Z", "2026-12-09T03:15:00Z", 5400, "2026-12-09T03:15:00Z",
         "2026-12-09T04:45:00Z"},
        // A stored duration of zero or less would make an empty event: an hour instead.
        {"2026-12-08T12:00:00Z", "2026-12-08T12:00:00Z", 0, "2026-12-08T12:00:00Z",
         "2026-12-08T13:00:00Z"},
    };
    for (const Case& c : cases) {
        const auto travel = c.travel ? std::optional(at(c.travel)) : std::nullopt;
        const auto times = creation::defaultEventTimes(at(c.now), travel, c.duration);
        EXPECT_EQ(kit::formatIsoUtc(times.start), QLatin1String(c.start)) << c.now;
        EXPECT_EQ(kit::formatIsoUtc(times.end), QLatin1String(c.end)) << c.now;
    }
}

TEST(NewItemForms, AnAllDayEventCoversWholeLocalDaysAcrossDaylightSavingTime) {
    struct Case {
        const char* start;
        const char* end;
        const char* draftStart;
        const char* draftEnd;
    };
    const Case cases[] = {
        // Berlin leaves summer time on 25 October 2026: that day has 25 hours.
        {"2026-10-25T10:00:00Z", "2026-10-25T11:00:00Z", "2026-10-24T22:00:00Z",
         "2026-10-25T23:00:00Z"},
        // Two days; an end before the start is one day.
        {"2026-12-08T09:00:00Z", "2026-12-09T09:00:00Z", "2026-12-07T23:00:00Z",
         "2026-12-09T23:00:00Z"},
        {"2026-12-08T09:00:00Z", "2026-12-01T09:00:00Z", "2026-12-07T23:00:00Z",
         "2026-12-08T23:00:00Z"},
    };
    for (const Case& c : cases) {
        creation::NewEventForm form;
        form.isAllDay = true;
        form.start = at(c.start);
        form.end = at(c.end);
        const auto draft = creation::eventDraft(form, QStringLiteral("Europe/Berlin"));
        EXPECT_EQ(kit::formatIsoUtc(draft.start), QLatin1String(c.draftStart)) << c.start;
        EXPECT_EQ(kit::formatIsoUtc(draft.end), QLatin1String(c.draftEnd)) << c.start;
    }
}

TEST(NewItemForms, OnlyWebLinksBecomeTheEventsUrl) {
    const std::pair<const char*, const char*> cases[] = {
        {"https://example.com/agenda", "https://example.com/agenda"},
        {"  example.com  ", "http://example.com"},
        {"javascript:alert(1)", ""},
        {"file:///etc/passwd", ""},
        {"not a link at all", ""},
        {"", ""},
    };
    for (const auto& [typed, expected] : cases) {
        creation::NewEventForm form;
        form.url = QString::fromUtf8(typed);
        EXPECT_EQ(creation::eventDraft(form, QStringLiteral("UTC")).url, QLatin1String(expected))
            << typed;
    }
}

TEST(AlertChoices, TextsAndOffsetsForTimedAndAllDayEvents) {
    const kit::Environment english{QStringLiteral("en_US"), QStringLiteral("UTC")};
    const kit::Environment german{QStringLiteral("de_DE"), QStringLiteral("UTC")};
    struct Case {
        bool isAllDay;
        const kit::Environment* environment;
        std::optional<qint64> offset;
        const char* text;
    };
    const Case cases[] = {
        {false, &english, std::nullopt, "None"},
        {false, &english, 0, "At time of event"},
        {false, &english, -300, "5 minutes before"},
        {false, &english, -3600, "1 hour before"},
        {false, &english, -172800, "2 days before"},
        {false, &german, -7200, "2 Stunden before"}, // the " before" comes from the translation
        {true, &english, 9 * 3600, "On day of event (9:00 AM)"},
        {true, &english, 9 * 3600 - 86400, "1 day before (9:00 AM)"},
        {true, &english, 9 * 3600 - 7 * 86400, "1 week before (9:00 AM)"},
        {true, &german, 9 * 3600 - 2 * 86400, "2 days before (09:00)"},
    };
    for (const Case& c : cases) {
        const auto choices = creation::alertChoices(c.isAllDay, *c.environment);
        const int index = creation::choiceIndex(choices, c.offset);
        ASSERT_EQ(choices[std::size_t(index)].offset, c.offset) << c.text;
        EXPECT_EQ(choices[std::size_t(index)].text, QString::fromUtf8(c.text));
    }
}

TEST(PlaceCompletion, MatchingPlacesWithTheirRegionAndUnnamedOnes) {
    auto place = [](const char* city, const char* admin, const char* country) {
        timezones::TimeZoneResult r;
        r.city = QString::fromUtf8(city);
        r.country = QString::fromUtf8(country);
        QStringList parts{r.city};
        if (*admin)
            parts << QString::fromUtf8(admin);
        parts << r.country;
        parts.removeAll(QString());
        r.displayPlace = parts.join(QStringLiteral(", "));
        r.displayPlaceSearchable = r.displayPlace.toLower();
        r.countrySearchable = r.country.toLower();
        return r;
    };
    const timezones::TimeZoneCandidates candidates({
        place("Springfield", "Illinois", "United States"),
        place("Springfield", "Missouri", "United States"),
        place("Eastern Time — ET (EST/EDT)", "", "United States"),
        place("", "", "Springland"),
        place("EST", "", ""),
    });
    QStringList texts;
    for (const auto& c : creation::placeCompletions(candidates, QStringLiteral("spring")))
        texts << c.title + QLatin1Char('|') + c.subtitle + QLatin1Char('|') + c.locationText();
    EXPECT_EQ(texts, (QStringList{
                         QStringLiteral("Springfield|Illinois, United States|Springfield, "
                                        "Illinois, United States"),
                         QStringLiteral("Springfield|Missouri, United States|Springfield, "
                                        "Missouri, United States"),
                         QStringLiteral("Unnamed Location|Springland|Unnamed Location, "
                                        "Springland"),
                     }));
    EXPECT_TRUE(creation::placeCompletions(candidates, QStringLiteral("s")).empty());
    EXPECT_EQ(creation::placeCompletions(candidates, QStringLiteral("spring"), 1).size(), 1u);
}

TEST(NewEventHandOver, EachChoiceOpensItsPlace) {
    platform::EventDraft draft;
    draft.title = QStringLiteral("Dinner & drinks");
    draft.location = QStringLiteral("Berlin");
    draft.start = at("2026-12-10T18:00:00Z");
    draft.end = at("2026-12-10T21:30:00Z");
    struct Case {
        settings::NewEventApp app;
        bool isAllDay;
        const char* dates; // the web page's "dates", nullptr when the calendar application opens
    };
    const Case cases[] = {
        {settings::NewEventApp::googleCalendar, false, "20261210T180000Z/20261210T213000Z"},
        {settings::NewEventApp::googleCalendar, true, "20261210/20261211"},
        {settings::NewEventApp::calendar, false, nullptr},
        {settings::NewEventApp::fantastical, false, nullptr},
    };
    for (const Case& c : cases) {
        platform::FakeUrlOpener opener;
        platform::FakeCalendarApplication application;
        draft.isAllDay = c.isAllDay;
        ASSERT_TRUE(creation::handOverNewEvent(c.app, draft, QStringLiteral("Europe/Berlin"),
                                               {opener, application}));
        if (!c.dates) {
            EXPECT_TRUE(opener.opened.isEmpty());
            EXPECT_EQ(application.openedDays, std::vector{QDate(2026, 12, 10)});
            continue;
        }
        ASSERT_EQ(opener.opened.size(), 1);
        const QUrlQuery query(opener.opened.front());
        EXPECT_EQ(opener.opened.front().scheme(), QLatin1String("https"));
        EXPECT_EQ(query.queryItemValue(QStringLiteral("dates")), QLatin1String(c.dates));
        EXPECT_EQ(query.queryItemValue(QStringLiteral("text"), QUrl::FullyDecoded), draft.title);
    }
    platform::FakeUrlOpener opener;
    platform::FakeCalendarApplication none;
    none.answer.outcome = platform::CalendarApplicationResult::Outcome::noApplication;
    EXPECT_FALSE(creation::handOverNewEvent(settings::NewEventApp::calendar, draft,
                                            QStringLiteral("UTC"), {opener, none}));
}

} // namespace
