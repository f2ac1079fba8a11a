// SPDX-License-Identifier: GPL-3.0-or-later
#include "menubar/TimeZoneClocks.h"

#include "MemoryDefaults.h"
#include "TestSupport.h"
#include "kit/VirtualScheduler.h"
#include "platform/fake/FakeStatusItem.h"
#include "platform/fake/FakeSystemDateEvents.h"
#include "settings/Keys.h"

#include <gtest/gtest.h>

using namespace ruvo;
using namespace std::chrono_literals;
using ruvo::test::at;
using settings::ChosenTimeZone;
namespace keys = settings::keys;

namespace {

ChosenTimeZone entry(const char* zone, bool inPanel, QString title = {}) {
    auto e =
        ChosenTimeZone::make(QUuid::createUuid(), *settings::ZuTimeZone::make(QLatin1String(zone)));
    e.isInMenuBar = inPanel;
    e.menuBarTitle = std::move(title);
    e.timeFormat = ChosenTimeZone::TimeFormat::twentyFourHour;
    return e;
}

struct Fixture : test::MemoryDefaults {
    // 23:30 in Berlin, 07:30 the next day in Tokyo.
    kit::VirtualScheduler scheduler{at("2026-12-04T22:30:00Z")};
    platform::FakeSystemDateEvents dateEvents;
    menubar::ClockTicks ticks{scheduler, dateEvents};
    std::map<QString, platform::FakeStatusItem*> items; // alive while their clock is
    int created = 0;
    std::vector<std::pair<QUuid, std::optional<QPoint>>> clicks;
    menubar::TimeZoneClocks clocks{{
        defaults,
        scheduler,
        ticks,
        [] {
            return kit::Environment{QStringLiteral("en_US"), QStringLiteral("Europe/Berlin")};
        },
        [](const QString& text, const platform::StatusItemTextStyle&) { return 7.0 * text.size(); },
        [this](const QString& id) {
            auto item = std::make_unique<platform::FakeStatusItem>();
            items[id] = item.get();
            ++created;
            return item;
        },
        [this](const QUuid& id, std::optional<QPoint> p) { clicks.emplace_back(id, p); },
    }};

    void setZones(std::vector<ChosenTimeZone> zones) {
        defaults.set(keys::timeZonesInMenu, zones);
        clocks.rebuild();
    }
    platform::FakeStatusItem& item(const ChosenTimeZone& e) {
        return *items.at(menubar::zoneClockItemId(e.id));
    }
};

} // namespace

// The title's own rules (blank titles, the weekday switch) are MenuBarClockTitle's table; here
// the entry reaches the panel item, with the square's time over a short label.
TEST(TimeZoneClocks, TitleShowsTheWeekdayOnlyWhenTheZonesDayDiffers) {
    const struct {
        const char* zone;
        const char* title;
        const char* expected;
        QStringList square;
    } rows[] = {
        {"Asia/Tokyo", "TYO", "TYO Sat 07:30", {QStringLiteral("07:30"), QStringLiteral("TYO")}},
        {"Pacific/Chatham", "", "Sat 12:15", {QStringLiteral("12:15"), QStringLiteral("CHA")}},
    };
    for (const auto& row : rows) {
        Fixture f;
        auto e = entry(row.zone, true, QString::fromUtf8(row.title));
        e.menuBarShowWeekdayWhenInDifferentDay = true;
        f.setZones({e});
        EXPECT_EQ(f.item(e).content().title, QString::fromUtf8(row.expected)) << row.zone;
        EXPECT_EQ(f.item(e).content().squareText, row.square) << row.zone;
    }
}

TEST(TimeZoneClocks, SquareTextDropsTheDayPeriodAndShortensTheName) {
    const struct {
        const char16_t* time;
        const char16_t* name;
        std::vector<const char16_t*> lines;
    } rows[] = {
        {u"9:05\u202FAM", u"San Francisco", {u"9:05", u"SF"}},
        {u"\uC624\uC804 9:05", u"Seoul", {u"9:05", u"SEO"}}, // the period first
        {u"\u4E0B\u53489:05", u"\u6771\u4EAC", {u"9:05", u"\u6771\u4EAC"}},
        {u"\u0669:\u0660\u0665 \u0645", u"Riyadh", {u"\u0669:\u0660\u0665", u"RIY"}},
        {u"21:05", u"Port-au-Prince", {u"21:05", u"PAP"}},
        {u"21:05", u"  ", {u"21:05"}},
        {u"21:05", u"\u00C5land", {u"21:05", u"\u00C5LA"}},
    };
    for (const auto& row : rows) {
        QStringList expected;
        for (const char16_t* line : row.lines)
            expected.append(QString::fromUtf16(line));
        EXPECT_EQ(
            timezones::zoneSquareText(QString::fromUtf16(row.time), QString::fromUtf16(row.name)),
            expected)
            << QString::fromUtf16(row.name).toStdString();
    }
}

TEST(TimeZoneClocks, ClocksFollowTheListAndKeepTheirItems) {
    Fixture f;
    auto tokyo = entry("Asia/Tokyo", true);
    auto london = entry("Europe/London", false);
    f.setZones({tokyo, london});
    ASSERT_EQ(f.clocks.clocks().size(), 1u);
    EXPECT_EQ(f.created, 1);

    // A renamed entry keeps its item; a second entry in the panel gets one.
    tokyo.menuBarTitle = QStringLiteral("Tokyo");
    london.isInMenuBar = true;
    f.setZones({tokyo, london});
    EXPECT_EQ(f.created, 2);
    EXPECT_EQ(f.item(tokyo).content().title, QStringLiteral("Tokyo Sat 07:30"));

    // Hidden when the zone shows the local time.
    auto berlin = entry("Europe/Berlin", true);
    berlin.hide = ChosenTimeZone::Hide::sameTimeZone;
    f.setZones({tokyo, london, berlin});
    EXPECT_FALSE(f.item(berlin).isVisible());
    EXPECT_TRUE(f.item(tokyo).isVisible());

    f.setZones({london});
    EXPECT_EQ(f.clocks.clocks().size(), 1u);
    EXPECT_EQ(f.clocks.clocks()[0]->timeZone().id, london.id);
}

TEST(TimeZoneClocks, TicksAtEveryMinuteAndAcrossTheLocalMidnight) {
    Fixture f;
    auto newYork = entry("America/New_York", true);
    f.setZones({newYork});
    f.scheduler.advance(29min + 59s);
    EXPECT_EQ(f.item(newYork).content().title, QStringLiteral("17:59"));
    // Berlin passes midnight; New York stays on Friday, now a day behind.
    f.scheduler.advance(1s);
    EXPECT_EQ(f.item(newYork).content().title, QStringLiteral("Fri 18:00"));
    f.setZones({});
    EXPECT_FALSE(f.ticks.isRunning(menubar::ClockTimer::Precision::minute));
}

TEST(TimeZoneClocks, WidthChangesOnlyByThreeOrMore) {
    Fixture f;
    auto e = entry("Asia/Tokyo", true, QStringLiteral("T"));
    f.setZones({e});
    const double first = f.clocks.clocks()[0]->longestTextLength();
    EXPECT_EQ(first, 7.0 * QStringLiteral("T Sat 07:30").size() + 6);
    // Two characters narrower: 14 points, taken. A title of the same length: kept.
    e.menuBarTitle = QStringLiteral("U");
    f.setZones({e});
    EXPECT_EQ(f.clocks.clocks()[0]->longestTextLength(), first);
    e.menuBarShowWeekdayWhenInDifferentDay = false;
    f.setZones({e});
    EXPECT_EQ(f.clocks.clocks()[0]->longestTextLength(), first - 28);
    EXPECT_EQ(f.item(e).content().fixedTextWidth, first - 28);
}

TEST(TimeZoneClocks, ClickOpensTheMenuAndRemovalClearsTheFlag) {
    Fixture f;
    auto a = entry("Asia/Tokyo", true);
    auto b = entry("Europe/London", true);
    f.setZones({a, b});
    f.item(b).click(QPoint(500, 10));
    ASSERT_EQ(f.clicks.size(), 1u);
    EXPECT_EQ(f.clicks[0].first, b.id);
    EXPECT_EQ(f.clicks[0].second, QPoint(500, 10));

    f.item(a).choose(QStringLiteral("remove"));
    EXPECT_FALSE(f.item(a).isVisible());
    f.scheduler.runDue();
    EXPECT_EQ(f.clocks.clocks().size(), 1u);
    const auto zones = f.defaults.get(keys::timeZonesInMenu);
    ASSERT_EQ(zones.size(), 2u);
    EXPECT_FALSE(zones[0].isInMenuBar);
    EXPECT_TRUE(zones[1].isInMenuBar);
}
