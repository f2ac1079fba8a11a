// SPDX-License-Identifier: GPL-3.0-or-later
// The video-call command's wiring: which link the detector finds is VideoCallDetectorTest's
// table, what the cleaner removes NotesCleanerTest's.
#include "cli/VideoCallCommand.h"

#include "CommandFixture.h"

using namespace ruvo;

using VideoCallCommand = test::CommandFixture;

TEST_F(VideoCallCommand, DetectPrintsNameAndLinkOrExitsWithOne) {
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
        {{s("dance")}, 2, ""},
        {{}, 2, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(qPrintable(row.arguments.join(u' ')));
        EXPECT_EQ(run(cli::videoCallCommand(), row.arguments), row.status);
        EXPECT_EQ(output, QString::fromUtf8(row.out));
        EXPECT_EQ(errors.isEmpty(), row.status != 2);
    }
}

TEST_F(VideoCallCommand, CleanNotesPrintsCleanedNotes) {
    QString text =
        QStringLiteral("Agenda\n\nJoin Zoom Meeting\nhttps://zoom.us/j/123456789?pwd=x\n");
    QTextStream in(&text);
    EXPECT_EQ(run([&](cli::CommandContext& context) { return cli::runCleanNotes(context, in); }),
              0);
    EXPECT_EQ(output, QStringLiteral("Agenda\n"));
}
