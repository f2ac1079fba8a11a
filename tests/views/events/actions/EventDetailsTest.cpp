// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventActionsFixture.h"
#include "settings/Keys.h"
#include "views/events/actions/EventDetailsWindow.h"
#include "views/events/actions/NotesText.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

using namespace ruvo;
using EventDetailsTest = test::EventActionsTest;
namespace keys = settings::keys;

namespace {

QString field(const QWidget& screen, const char* name) {
    const auto* label = screen.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<none>");
}

} // namespace

TEST(NotesText, OnlyAllowedLinksBecomeClickableAndMarkupIsText) {
    const struct {
        const char* notes;
        const char* expected;
    } rows[] = {
        {"Agenda: https://example.com/a?b=1&c=2.",
         "Agenda: <a href=\"https://example.com/a?b=1&amp;"
         "c=2\">https://example.com/a?b=1&amp;c=2</a>."},
        {"javascript:alert(1) file:///etc/passwd", "javascript:alert(1) file:///etc/passwd"},
        {"<b>Bold</b><br>next <script>x()</script>", "Bold<br>next "},
        {"a < b & \"c\"\nline", "a &lt; b &amp; &quot;c&quot;<br>line"},
        {"zoommtg://zoom.us/join?confno=1", "<a href=\"zoommtg://zoom.us/join?confno=1\">"
                                            "zoommtg://zoom.us/join?confno=1</a>"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(views::notesRichText(QString::fromUtf8(row.notes)),
                  QString::fromUtf8(row.expected))
            << row.notes;
}

TEST_F(EventDetailsTest, ShowsEveryFieldTheSettingsAsk) {
    defaults.set(keys::eventDetails_showCalendarTitle, true);
    defaults.set(keys::menu_eventDetails_showTimeZones, true);
    defaults.set(keys::timeZonesInMenu,
                 {settings::ChosenTimeZone::make(
                     QUuid(), *settings::ZuTimeZone::make(QStringLiteral("Europe/Berlin")))});
    store.calendarList[0].title = QStringLiteral("Work <b>");
    views::EventDetailsWindow window(deps());
    window.showItem(addEvent("u", "work", 1, [](platform::EventData& d) {
        d.title = QStringLiteral("Planning <i>");
        d.extra().location = QStringLiteral("Room 1");
        d.extra().url = QStringLiteral("https://meet.google.com/abc-defg-hij");
        d.extra().notes = QStringLiteral("See https://example.com/doc");
        d.extra().attendees = {
            {QStringLiteral("Ana"), QStringLiteral("ana@example.com"),
             platform::ParticipantStatus::tentative, false},
            {{}, QStringLiteral("bo@example.com"), platform::ParticipantStatus::pending, false},
            {QStringLiteral("Cy"), {}, platform::ParticipantStatus::declined, false}};
    })[0]);
    const QWidget& screen = *window.screen();
    EXPECT_EQ(field(screen, "title"), QStringLiteral("Planning <i>"));
    EXPECT_EQ(field(screen, "time").simplified(),
              QStringLiteral("Mon, Dec 7, 2026, 9:00 – 10:00 AM"));
    EXPECT_EQ(field(screen, "calendar"), QStringLiteral("Work <b>"));
    EXPECT_TRUE(field(screen, "zones")
                    .simplified()
                    .startsWith(QStringLiteral("Berlin: Mon, Dec 7, 2026, 3:00")));
    EXPECT_EQ(field(screen, "location"), QStringLiteral("Room 1"));
    EXPECT_TRUE(
        field(screen, "joinLink").contains(QStringLiteral("https://meet.google.com/abc-defg-hij")));
    EXPECT_EQ(
        field(screen, "notes"),
        QStringLiteral("See <a href=\"https://example.com/doc\">https://example.com/doc</a>"));
    EXPECT_EQ(field(screen, "attendees"),
              QStringLiteral("Ana — Maybe\nbo@example.com — Pending\nCy — Declined"));
    screen.findChild<QPushButton*>(QStringLiteral("maps"))->click();
    ASSERT_EQ(urls.opened.size(), 1);
    EXPECT_EQ(urls.opened[0].host(), QStringLiteral("www.openstreetmap.org"));

    platform::Reminder reminder;
    reminder.title = QStringLiteral("Buy milk");
    reminder.calendarIdentifier = QStringLiteral("work");
    reminder.due = platform::DueDate{QDate(2026, 12, 8), std::nullopt, {}};
    reminder.isCompleted = true;
    window.showItem(reminder);
    EXPECT_EQ(field(*window.screen(), "due"), QStringLiteral("Due: Tue, Dec 8, 2026"));
    EXPECT_TRUE(window.screen()->findChild<QCheckBox*>(QStringLiteral("completed"))->isChecked());
    EXPECT_EQ(field(*window.screen(), "location"), QStringLiteral("<none>"));
}
