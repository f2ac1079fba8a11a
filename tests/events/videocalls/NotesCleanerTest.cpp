// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/videocalls/NotesCleaner.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace ruvo::videocalls;

TEST(NotesCleaner, RemovesInvitationBoilerplateAndKeepsTheRest) {
    struct Row {
        const char* notes;
        const char* expected;
    };
    const Row rows[] = {
        {"Agenda: budget\n\nJoin Zoom "
         "Meeting\nhttps://us02web.zoom.us/j/81234567890?pwd=AbC1\n\nMeeting ID: 812",
         "Agenda: budget\n\nMeeting ID: 812"},
        {"Agenda<br><br>Join Zoom Meeting<br><a href=\"https://zoom.us/j/123456789?pwd=x\">"
         "https://zoom.us/j/123456789?pwd=x</a><br>Bring notes",
         "Agenda<br>Bring notes"},
        {"Hi\n\nJane is inviting you to a scheduled Zoom "
         "meeting.\n\nhttps://zoom.us/j/123456789?pwd=x\n",
         "Hi"},
        {"──────────\nNotes\n──────────", "Notes"},
        {"Plan\n-::~:~::~:~:~:~:~:~:~:~:~::~:~::-\nJoin with Google Meet: "
         "https://meet.google.com/abc-defg-hij\n"
         "Learn more\n-::~:~::~:~:~:~:~:~:~:~:~::~:~::-",
         "Plan"},
        {"Sync at https://meet.google.com/abc-defg-hij today", "Sync at  today"},
        {"<b>You're invited to join a Microsoft Teams meeting</b><br/>Join on your computer or "
         "mobile "
         "app<br/><a "
         "href=\"https://teams.microsoft.com/l/meetup-join/19%3ameeting_x%40thread.v2/0\">"
         "Click here to join the meeting</a><br/>Agenda",
         "Agenda"},
        {"Quarterly review\n________________________________________________\nMicrosoft Teams "
         "meeting\n"
         "Join on your computer or mobile app\nClick here to join the "
         "meeting<https://teams.microsoft.com/"
         "l/meetup-join/19%3ameeting_x%40thread.v2/0>\nJoin with a video conferencing device\n",
         "Quarterly review"},
        {"<br><br>  Just text  <br/>", "Just text"},
        {"", ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(cleanedNotes(QString::fromUtf8(row.notes)), QString::fromUtf8(row.expected))
            << row.notes;
}

// Long runs that once made the patterns backtrack for seconds or minutes; the answers are
// what matters here, the speed is measured by hand.
TEST(NotesCleaner, CleansLongHostileRunsLikeShortOnes) {
    const QString brs = QStringLiteral("<br/>").repeated(4000);
    const QString spaces(20000, u' ');
    const QString teamsLink = QStringLiteral(
        "<a "
        "href=\"https://teams.microsoft.com/l/meetup-join/19%3ameeting_x%40thread.v2/0\">Join</a>");
    const QString zoomLink =
        QStringLiteral("<br><a href=\"x\">https://zoom.us/j/123456789?pwd=x</a>");
    struct Row {
        QString notes;
        QString expected;
    };
    const Row rows[] = {
        {u'a' + brs + u'b', u'a' + brs + u'b'},
        {brs + QStringLiteral("Notes") + spaces + brs, QStringLiteral("Notes")},
        {u'a' + spaces + u'b', u'a' + spaces + u'b'},
        {u'a' + spaces + QStringLiteral("___") + spaces + u'b', QStringLiteral("ab")},
        {u'x' + brs + teamsLink + u'y', QStringLiteral("xy")},
        {QStringLiteral("Agenda") + QStringLiteral("<br><a Zoom>").repeated(1000) + zoomLink +
             QStringLiteral("<br>Bye"),
         QStringLiteral("Agenda<br>Bye")},
        {QStringLiteral("Agenda") + QStringLiteral("<br><a Zoom>").repeated(1000),
         QStringLiteral("Agenda") + QStringLiteral("<br><a Zoom>").repeated(1000)},
        {QStringLiteral("Notes\n\nJoin Zoom Meeting\nhttps://zoom.us/my/") + QString(20000, u'a') +
             u'-',
         QStringLiteral("Notes-")},
        {QStringLiteral("-::~:~::~:~:~:~:").repeated(1200) + QStringLiteral("Plan"),
         QStringLiteral("-::~:~::~:~:~:~:").repeated(1200) + QStringLiteral("Plan")},
    };
    for (const Row& row : rows)
        EXPECT_EQ(cleanedNotes(row.notes), row.expected) << qPrintable(row.notes.left(80));
}

TEST(NotesCleaner, LeavesNotesPastTheSizeLimitAsWritten) {
    const QString notes = QStringLiteral("  Join Zoom Meeting\n") + QString(70 * 1024, u'x');
    EXPECT_EQ(cleanedNotes(notes), notes);
}

TEST(NotesCleaner, KeepsAnswersPerNotesTextWithinItsBound) {
    NotesCleaner cleaner(2);
    const QString invite =
        QStringLiteral("Plan\n\nJoin Zoom Meeting\nhttps://zoom.us/j/123456789?pwd=x");
    EXPECT_EQ(cleaner.cleaned(invite), QStringLiteral("Plan"));
    EXPECT_EQ(cleaner.cleaned(invite), QStringLiteral("Plan"));
    EXPECT_EQ(cleaner.cleaned(QStringLiteral(" a ")), QStringLiteral("a"));
    EXPECT_EQ(cleaner.cleaned(QStringLiteral(" b ")), QStringLiteral("b"));
    EXPECT_EQ(cleaner.cleaned(invite), QStringLiteral("Plan"));
}
