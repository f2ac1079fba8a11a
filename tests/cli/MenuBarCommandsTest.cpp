// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/MenuBarCommands.h"

#include "TestSupport.h"
#include "menubar/BarFeed.h"
#include "settings/Keys.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace ruvo;
using ruvo::test::at;

namespace {

struct CommandRun {
    int status;
    QString out;
    QString err;
};

CommandRun run(const cli::Command& command, const QStringList& arguments,
               std::function<void(settings::Defaults&)> configure = {}) {
    settings::Suite standard{QStringLiteral("standard")};
    settings::Suite shared{QStringLiteral("shared")};
    settings::Defaults defaults{standard, shared};
    if (configure)
        configure(defaults);
    kit::FixedClock clock(at("2026-12-04T14:41:05Z"));
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    cli::CommandContext context{
        defaults,  clock, {QStringLiteral("de_DE"), QStringLiteral("Europe/Berlin")}, {}, outStream,
        errStream, {}};
    const int status = command.run(context, arguments);
    outStream.flush();
    errStream.flush();
    return {status, out, err};
}

} // namespace

TEST(MenuBarCommands, MenubarTextAndOneBarLineAtAFixedTime) {
    const CommandRun text = run(cli::menubarTextCommand(), {}, [](settings::Defaults& d) {
        d.set(settings::keys::showDateInMenuBar, true);
    });
    EXPECT_EQ(text.status, cli::kExitOk);
    EXPECT_EQ(text.out, QStringLiteral("Fr. 4. Dez.  15:41\n"));

    const CommandRun bad = run(cli::menubarTextCommand(), {QStringLiteral("--what")});
    EXPECT_EQ(bad.status, cli::kExitUsage);
    EXPECT_TRUE(bad.err.startsWith(QStringLiteral("ruvo: ")));

    const CommandRun waybar = run(cli::barCommand(), {QStringLiteral("--waybar")});
    EXPECT_EQ(waybar.status, cli::kExitOk);
    const auto json = QJsonDocument::fromJson(waybar.out.toUtf8()).object();
    EXPECT_EQ(json.value(QStringLiteral("text")).toString(), QStringLiteral("Fr 15:41"));
    EXPECT_EQ(json.value(QStringLiteral("tooltip")).toString(),
              QStringLiteral("Freitag, 4. Dezember 2026"));
    EXPECT_EQ(run(cli::barCommand(), {}).status, cli::kExitUsage);
}

TEST(BarFeed, I3barProtocolIsAnEndlessArray) {
    const menubar::BarState state{QStringLiteral("Fri \"9:41\""), QStringLiteral("x"), false};
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
        {"9:41", "9:41"},
        {"<img src=\"/dev/zero\">", "&lt;img src=&quot;/dev/zero&quot;&gt;"},
        {"Tom & Jerry's <b>", "Tom &amp; Jerry&apos;s &lt;b&gt;"},
        {"&amp;", "&amp;amp;"},
    };
    for (const auto& row : rows) {
        const menubar::BarState state{QString::fromUtf8(row.text), QString::fromUtf8(row.text)};
        const auto json = QJsonDocument::fromJson(
                              menubar::barLine(menubar::BarFormat::waybar, state, true).toUtf8())
                              .object();
        EXPECT_EQ(json.value(QStringLiteral("text")).toString(), QString::fromUtf8(row.expected));
        EXPECT_EQ(json.value(QStringLiteral("tooltip")).toString(),
                  QString::fromUtf8(row.expected));
    }
}
