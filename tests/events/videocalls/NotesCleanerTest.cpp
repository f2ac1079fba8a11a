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
