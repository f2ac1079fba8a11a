// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/VideoCallCommand.h"

#include "events/videocalls/QtPrinters.h"
#include "settings/Suite.h"

#include <gtest/gtest.h>

using namespace ruvo;

namespace {

struct CommandRun {
    int status = 0;
    QString out;
    QString err;
};

CommandRun runCommand(const QStringList& arguments, const QString& input = {}) {
    settings::Suite standard(QStringLiteral("standard"));
    settings::Suite shared(QStringLiteral("shared"));
    settings::Defaults defaults(standard, shared);
    kit::FixedClock clock(kit::Instant{});
    CommandRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    cli::CommandContext context{defaults, clock, {}, {}, out, err, {}};
    if (arguments.value(0) == QLatin1String("clean-notes")) {
        QString text = input;
        QTextStream in(&text);
        run.status = cli::runCleanNotes(context, in);
    } else {
        run.status = cli::videoCallCommand().run(context, arguments);
    }
    out.flush();
    err.flush();
    return run;
}

} // namespace

TEST(VideoCallCommand, DetectPrintsNameAndLinkOrExitsWithOne) {
    struct Row {
        QStringList arguments;
        int status;
        const char* out;
    };
    const auto s = [](const char* text) { return QString::fromUtf8(text); };
    const Row rows[] = {
        {{s("detect"), s("--location"), s("Room 4, zoom.us/j/123456789")},
         0,
         "Zoom\thttps://zoom.us/j/123456789\n"},
        {{s("detect"), s("--notes"), s("https://meet.google.com/abc-defg-hij"), s("--json")},
         0,
         "{\"name\":\"Google Meet\",\"url\":\"https://meet.google.com/abc-defg-hij\"}\n"},
        {{s("detect"), s("--url"), s("https://whereby.com/team")},
         0,
         "Whereby\thttps://whereby.com/team\n"},
        {{s("detect"), s("--location"), s("Room 4")}, 1, ""},
        {{s("detect"), s("--location")}, 2, ""},
        {{s("detect"), s("--colour"), s("red")}, 2, ""},
        {{s("dance")}, 2, ""},
        {{}, 2, ""},
    };
    for (const Row& row : rows) {
        const CommandRun run = runCommand(row.arguments);
        EXPECT_EQ(run.status, row.status) << qPrintable(row.arguments.join(u' '));
        EXPECT_EQ(run.out, QString::fromUtf8(row.out)) << qPrintable(row.arguments.join(u' '));
        EXPECT_EQ(run.err.isEmpty(), row.status != 2);
    }
}

TEST(VideoCallCommand, CleanNotesPrintsCleanedNotes) {
    const CommandRun run = runCommand(
        {QStringLiteral("clean-notes")},
        QStringLiteral("Agenda\n\nJoin Zoom Meeting\nhttps://zoom.us/j/123456789?pwd=x\n"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, QStringLiteral("Agenda\n"));
}
