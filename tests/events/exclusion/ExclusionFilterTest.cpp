// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/exclusion/ExclusionFilter.h"

#include "../videocalls/QtPrinters.h"
#include "TestSupport.h"
#include "kit/VirtualScheduler.h"

#include <gtest/gtest.h>

using namespace ruvo;
using namespace ruvo::exclusion;
using namespace std::chrono_literals;
using K = EventExcludeMatcher::Kind;
using L = EventExcludeMatcher::Location;

namespace {

EventExcludeMatcher matcher(K kind, const QString& pattern, std::set<L> locations = {L::eventList},
                            bool enabled = true) {
    return EventExcludeMatcher{QUuid::createUuid(), enabled, kind, pattern, std::move(locations)};
}

// A clock that moves on by `step` each time it is read, standing in for a search that runs long.
class AdvancingClock final : public kit::Clock {
public:
    explicit AdvancingClock(kit::Milliseconds step) : m_step(step) {}
    kit::Instant now() const override { return m_now += m_step; }
    mutable kit::Instant m_now = test::at("2026-12-04T09:00:00Z");

private:
    kit::Milliseconds m_step;
};

QStringList logged;
void captureWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtWarningMsg)
        logged << message;
}

std::vector<QString> filtered(const std::vector<QString>& titles,
                              const settings::ExcludeMatcherList& m, L location,
                              const kit::Clock& clock) {
    return filterCalendarItems(titles, m, location, clock, [](const QString& t) { return t; });
}

} // namespace

TEST(TitleMatching, NormalisesCaseSpacesAndDecomposition) {
    struct Row {
        K kind;
        const char* pattern;
        const char* title;
        bool hides;
    };
    const Row rows[] = {
        {K::equals, " STANDUP ", "standup", true},
        {K::equals, "standup", "Standup\n", true},
        {K::equals, "standup", "daily standup", false},
        {K::contains, "Cafe\xCC\x81", "Lunch at caf\xC3\xA9", true}, // decomposed vs composed é
        {K::contains,
         "\xC3\x89"
         "cole",
         "e\xCC\x81"
         "cole de danse",
         true},
        {K::startsWith, "1:1", "1:1 with Jane", true},
        {K::startsWith, "jane", "1:1 with Jane", false},
        {K::endsWith, "(tentative)", "Review (Tentative)", true},
        {K::regex, "^Timeslot #\\d+$", "timeslot #12", true},
        {K::regex, "slot", "Timeslot #12", true}, // unanchored
        {K::regex, "^slot", "Timeslot #12", false},
        {K::regex, "\\D+ #\\d", "Timeslot #1", true}, // classes keep their meaning: not lower-cased
        {K::regex, "caf\xC3\xA9", "CAFE\xCC\x81", true}, // both sides decomposed, case folded
        {K::regex, "([unclosed", "([unclosed", false},
        {K::contains, "", "anything", false},
    };
    kit::VirtualScheduler clock(test::at("2026-12-04T09:00:00Z"));
    for (const Row& row : rows) {
        const auto titles = std::vector<QString>{QString::fromUtf8(row.title)};
        const auto kept = filtered(titles, {matcher(row.kind, QString::fromUtf8(row.pattern))},
                                   L::eventList, clock);
        EXPECT_EQ(kept.empty(), row.hides) << row.pattern << " / " << row.title;
    }
}

TEST(ExclusionFilter, AppliesOnlyEnabledMatchersOfTheRequestedPlace) {
    kit::VirtualScheduler clock(test::at("2026-12-04T09:00:00Z"));
    const settings::ExcludeMatcherList matchers = {
        matcher(K::equals, QStringLiteral("lunch"), {L::eventList}),
        matcher(K::contains, QStringLiteral("focus"),
                {L::upcomingEventInMenuBar, L::systemNotifications}),
        matcher(K::contains, QStringLiteral("standup"), EventExcludeMatcher::allLocations(), false),
        matcher(K::regex, QStringLiteral("([broken"), {L::eventList}),
    };
    const std::vector<QString> titles = {QStringLiteral("Lunch"), QStringLiteral("Focus time"),
                                         QStringLiteral("Standup")};
    EXPECT_EQ(filtered(titles, matchers, L::eventList, clock),
              (std::vector<QString>{QStringLiteral("Focus time"), QStringLiteral("Standup")}));
    EXPECT_EQ(filtered(titles, matchers, L::upcomingEventInMenuBar, clock),
              (std::vector<QString>{QStringLiteral("Lunch"), QStringLiteral("Standup")}));
    EXPECT_EQ(filtered(titles, matchers, L::fullscreenNotifications, clock), titles);
}

TEST(ExclusionFilter, PathologicalRegexEndsAtTheLimitAndHidesNothing) {
    AdvancingClock clock(100ms);
    const std::vector<QString> titles = {
        QStringLiteral("Lunch"), QString(41, u'a') + QStringLiteral("b"), QStringLiteral("aaa")};
    const settings::ExcludeMatcherList matchers = {
        matcher(K::equals, QStringLiteral("lunch")),
        matcher(K::regex, QStringLiteral("(a+)+$")),
    };
    logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureWarnings);
    const kit::Instant started = clock.m_now;
    const auto kept = filtered(titles, matchers, L::eventList, clock);
    qInstallMessageHandler(previous);
    EXPECT_EQ(kept, titles);
    EXPECT_GE(clock.m_now - started, kFilterTimeLimit);
    EXPECT_LT(clock.m_now - started, kFilterTimeLimit + 1s);
    ASSERT_EQ(logged.size(), 1);
    EXPECT_EQ(logged[0],
              QStringLiteral("The event exclusion rule with pattern “[\"lunch\", \"(a+)+$\"]” took "
                             "too long to execute. Your regex may be invalid."));
}
