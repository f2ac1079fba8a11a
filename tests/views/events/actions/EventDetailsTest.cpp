// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "platform/fake/FakeCalendarStore.h"
#include "platform/fake/FakeUrlOpener.h"
#include "settings/Keys.h"
#include "views/events/actions/EventDetailsWindow.h"
#include "views/events/actions/NotesText.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace ruvo;
using ruvo::test::at;
namespace keys = settings::keys;

namespace {

class SilentPrompter final : public views::Prompter {
public:
    QStringList errors;
    DeleteChoice askDeleteRepeating(const QString&) override { return DeleteChoice::cancel; }
    bool confirmDelete(const QString&) override { return false; }
    bool confirmHideRepeating(const QString&) override { return false; }
    void showTip(const QString&) override {}
    void showError(const QString& text) override { errors << text; }
};

QString field(const QWidget& screen, const char* name) {
    const auto* label = screen.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<none>");
}

} // namespace

TEST(NotesText, OnlyAllowedLinksBecomeClickableAndMarkupIsText) {
    struct Row {
        const char* notes;
        const char* expected;
    };
    const Row rows[] = {
        {"Agenda: https://example.com/a?b=1&c=2.",
         "Agenda: <a href=\"https://example.com/a?b=1&amp;"
         "c=2\">https://example.com/a?b=1&amp;c=2</a>."},
        {"javascript:alert(1) file:///etc/passwd", "javascript:alert(1) file:///etc/passwd"},
        {"<b>Bold</b><br>next <script>x()</script>", "Bold<br>next "},
        {"a < b & \"c\"\nline", "a &lt; b &amp; &quot;c&quot;<br>line"},
        {"zoommtg://zoom.us/join?confno=1", "<a href=\"zoommtg://zoom.us/join?confno=1\">"
                                            "zoommtg://zoom.us/join?confno=1</a>"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(views::notesRichText(QString::fromUtf8(row.notes)),
                  QString::fromUtf8(row.expected))
            << row.notes;
}

TEST(EventDetails, ShowsEveryFieldTheSettingsAsk) {
    settings::Suite standard{QStringLiteral("standard")};
    settings::Suite shared{QStringLiteral("shared")};
    settings::Defaults defaults{standard, shared};
    defaults.set(keys::eventDetails_showCalendarTitle, true);
    defaults.set(keys::menu_eventDetails_showTimeZones, true);
    defaults.set(keys::timeZonesInMenu,
                 {settings::ChosenTimeZone::make(
                     QUuid(), *settings::ZuTimeZone::make(QStringLiteral("Europe/Berlin")))});
    platform::FakeCalendarStore store;
    platform::Calendar work;
    work.identifier = QStringLiteral("work");
    work.title = QStringLiteral("Work <b>");
    store.calendarList = {work};
    platform::FakeUrlOpener urls;
    videocalls::VideoCallDetector detector(urls);
    SilentPrompter prompter;
    kit::FixedClock clock(at("2026-12-07T13:00:00Z"));
    views::EventDetailsWindow window(
        {store,
         defaults,
         urls,
         detector,
         prompter,
         [] {
             return kit::Environment{QStringLiteral("en_US"), QStringLiteral("America/New_York")};
         },
         clock,
         {},
         {},
         [](const QUrl&) { return true; }});

    auto data = std::make_shared<platform::EventData>();
    data->calendarIdentifier = QStringLiteral("work");
    data->calendarItemExternalIdentifier = QStringLiteral("u");
    data->title = QStringLiteral("Planning <i>");
    data->extra().location = QStringLiteral("Room 1");
    data->extra().url = QStringLiteral("https://meet.google.com/abc-defg-hij");
    data->extra().notes = QStringLiteral("See https://example.com/doc");
    data->extra().attendees = {
        {QStringLiteral("Ana"), QStringLiteral("ana@example.com"),
         platform::ParticipantStatus::tentative, false},
        {{}, QStringLiteral("bo@example.com"), platform::ParticipantStatus::pending, false},
        {QStringLiteral("Cy"), {}, platform::ParticipantStatus::declined, false}};
    window.showItem(platform::Event(data, at("2026-12-07T14:00:00Z"), at("2026-12-07T15:00:00Z"),
                                    at("2026-12-07T14:00:00Z")));
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
    EXPECT_EQ(urls.opened.size(), 1);
    EXPECT_EQ(urls.opened.value(0).host(), QStringLiteral("www.openstreetmap.org"));

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
