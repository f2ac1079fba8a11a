// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/MenuBarCommands.h"

#include "CommandFixture.h"
#include "cli/UpcomingBarFeed.h"
#include "kit/VirtualScheduler.h"
#include "menubar/BarFeed.h"
#include "platform/fake/FakeCalendarStore.h"
#include "platform/fake/FakeSystemDateEvents.h"
#include "settings/Keys.h"

using namespace ruvo;
using ruvo::test::at;

namespace {

class MenuBarCommands : public test::CommandFixture {
protected:
    MenuBarCommands() {
        clock = kit::FixedClock(at("2026-12-04T14:41:05Z"));
        environment = {QStringLiteral("de_DE"), QStringLiteral("Europe/Berlin")};
    }
};

} // namespace

TEST_F(MenuBarCommands, MenubarTextAndOneBarLineAtAFixedTime) {
    EXPECT_EQ(run(cli::barCommand(), {QStringLiteral("--waybar")}), cli::kExitOk);
    const auto line = json().object();
    EXPECT_EQ(line.value(QStringLiteral("text")).toString(), QStringLiteral("Fr 15:41"));
    EXPECT_EQ(line.value(QStringLiteral("tooltip")).toString(),
              QStringLiteral("Freitag, 4. Dezember 2026"));
    EXPECT_EQ(run(cli::barCommand(), {}), cli::kExitUsage);

    defaults.set(settings::keys::showDateInMenuBar, true);
    EXPECT_EQ(run(cli::menubarTextCommand(), {}), cli::kExitOk);
    EXPECT_EQ(output, QStringLiteral("Fr. 4. Dez.  15:41\n"));
}

TEST(BarFeed, I3barProtocolIsAnEndlessArray) {
    const menubar::BarState state{QStringLiteral("Fri \"9:41\""), QStringLiteral("x"), false, {}};
    const QString stream = menubar::barHeader(menubar::BarFormat::i3bar) +
                           menubar::barLine(menubar::BarFormat::i3bar, state, true) +
                           menubar::barLine(menubar::BarFormat::i3bar, state, false);
    const QStringList lines = stream.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(QJsonDocument::fromJson(lines[0].toUtf8()).object().value(QStringLiteral("version")),
              1);
    EXPECT_EQ(lines[1], QStringLiteral("["));
    EXPECT_FALSE(lines[2].startsWith(QLatin1Char(',')));
    EXPECT_TRUE(lines[3].startsWith(QLatin1Char(',')));
    // Closing the array after any line gives valid JSON with the text intact.
    const auto array =
        QJsonDocument::fromJson((lines[1] + lines[2] + lines[3] + QStringLiteral("]")).toUtf8())
            .array();
    ASSERT_EQ(array.size(), 2);
    EXPECT_EQ(array[1].toArray()[0].toObject().value(QStringLiteral("full_text")).toString(),
              QStringLiteral("Fri \"9:41\""));
}

TEST(BarFeed, WaybarMarkupCharactersAreEscaped) {
    const struct {
        const char* text;
        const char* expected;
    } rows[] = {
        {"<img src=\"/dev/zero\">", "&lt;img src=&quot;/dev/zero&quot;&gt;"},
        {"Tom & Jerry's <b>", "Tom &amp; Jerry&apos;s &lt;b&gt;"},
        {"&amp;", "&amp;amp;"},
    };
    for (const auto& row : rows) {
        const menubar::BarState state{
            QString::fromUtf8(row.text), QString::fromUtf8(row.text), false, {}};
        const auto line = QJsonDocument::fromJson(
                              menubar::barLine(menubar::BarFormat::waybar, state, true).toUtf8())
                              .object();
        EXPECT_EQ(line.value(QStringLiteral("text")).toString(), QString::fromUtf8(row.expected));
        EXPECT_EQ(line.value(QStringLiteral("tooltip")).toString(),
                  QString::fromUtf8(row.expected));
    }
}

// The upcoming module in virtual time: a line when the text or its class changes, none for a
// tick that changes nothing, the store's changes after their debounce, markup escaped.
TEST(UpcomingBarFeed, WritesEachChangeOnce) {
    using namespace std::chrono_literals;
    settings::Suite standard{QStringLiteral("standard")};
    settings::Suite shared{QStringLiteral("shared")};
    settings::Defaults defaults{standard, shared};
    const kit::Instant start = at("2026-12-07T14:00:00Z"); // 09:00 in New York
    kit::VirtualScheduler scheduler{start};
    platform::FakeSystemDateEvents dateEvents;
    platform::FakeCalendarStore store;
    store.calendarList = {{QStringLiteral("A"),
                           QStringLiteral("Work"),
                           QStringLiteral("#ff0000"),
                           platform::EntityType::event,
                           {},
                           true,
                           {}}};
    const auto event = [](const char* title, const char* uid) {
        auto data = std::make_shared<platform::EventData>();
        data->title = QString::fromUtf8(title);
        data->calendarItemExternalIdentifier = QString::fromUtf8(uid);
        data->calendarIdentifier = QStringLiteral("A");
        return data;
    };
    store.addEvent(event("Q&A <team>", "q1"), start + 12min, start + 42min);
    QList<QJsonObject> lines;
    const cli::UpcomingBarFeed feed(
        {defaults,
         scheduler,
         dateEvents,
         store,
         kit::Environment{QStringLiteral("en_US"), QStringLiteral("America/New_York")},
         {},
         [&](const QString& line) {
             EXPECT_TRUE(line.endsWith(QLatin1Char('\n')));
             lines.append(QJsonDocument::fromJson(line.toUtf8()).object());
         }});
    const auto last = [&](const char* field) {
        return lines.back().value(QString::fromUtf8(field)).toString();
    };
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(last("text"), QStringLiteral("Q&amp;A &lt;team&gt; in 12m"));
    EXPECT_EQ(last("class"), QStringLiteral("ruvo-upcoming"));
    EXPECT_TRUE(last("tooltip").startsWith(QStringLiteral("Q&amp;A &lt;team&gt;\n9:12")))
        << qPrintable(last("tooltip"));

    scheduler.advance(2min);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(last("text"), QStringLiteral("Q&amp;A &lt;team&gt; in 10m"));
    EXPECT_EQ(last("class"), QStringLiteral("ruvo-upcoming soon"));

    store.addEvent(event("Retro", "r1"), start + 5min, start + 50min);
    store.changeFromOutside();
    scheduler.advance(500ms);
    EXPECT_EQ(lines.size(), 3) << "debounced";
    scheduler.advance(100ms);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(last("text"), QStringLiteral("Retro in 3m"));

    scheduler.advanceTo(start + 49min);
    EXPECT_EQ(last("text"), QStringLiteral("Retro \u2022 1m left"));
    EXPECT_EQ(last("class"), QStringLiteral("ruvo-upcoming ongoing"));
    scheduler.advance(1min);
    EXPECT_EQ(last("text"), QString()) << "hidden: waybar hides the module";
    EXPECT_EQ(last("class"), QStringLiteral("ruvo-upcoming none"));
    const auto count = lines.size();
    scheduler.advance(10min);
    EXPECT_EQ(lines.size(), count) << "ticks that change nothing write nothing";
}
