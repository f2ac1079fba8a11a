// SPDX-License-Identifier: GPL-3.0-or-later
// Finding the default calendar application in a made-up XDG tree and starting it at a day.
#include "platform/linux/XdgCalendarApplication.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ruvo::platform;
using Outcome = CalendarApplicationResult::Outcome;

namespace {

void write(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray desktopEntry(const char* name, const char* exec, const char* mime = "") {
    return QByteArray("[Desktop Entry]\nType=Application\nName=") + name + "\nName[de]=X " + name +
           "\nExec=" + exec + "\nMimeType=" + mime + "\n\n[Desktop Action new]\nExec=other\n";
}

} // namespace

TEST(XdgCalendarApplicationTest, FindsTheDefaultAndStartsItAtTheDay) {
    const struct {
        const char* name;
        std::vector<std::pair<const char*, const char*>> lists; // file under the root, its text
        Outcome outcome;
        const char* command; // what was started, words joined by '|'
        const char* appName;
    } rows[] = {
        {"gnome calendar from the user's list",
         {{"/config/mimeapps.list",
           "[Default Applications]\ntext/calendar=org.gnome.Calendar.desktop;\n"}},
         Outcome::openedAtDate,
         "gnome-calendar|--date|2027-01-05",
         "Calendar"},
        {"desktop-specific list wins; evolution at noon of the day",
         {{"/config/mimeapps.list",
           "[Default Applications]\ntext/calendar=org.gnome.Calendar.desktop\n"},
          {"/config/gnome-mimeapps.list",
           "[Default Applications]\ntext/calendar=org.gnome.Evolution.desktop\n"}},
         Outcome::openedAtDate,
         "evolution|calendar:///?startdate=20270105T120000",
         "Evolution"},
        {"missing first entry falls through to the next; flatpak by app id",
         {{"/etc/mimeapps.list",
           "[Default Applications]\ntext/calendar=gone.desktop;flat.desktop\n"}},
         Outcome::openedAtDate,
         "/usr/bin/flatpak|run|org.gnome.Calendar|--date|2027-01-05",
         "Flat Calendar"},
        {"unknown application is launched normally, quotes kept",
         {{"/config/mimeapps.list",
           "[Added Associations]\ntext/calendar=org.kde.korganizer.desktop;\n"}},
         Outcome::launchedNormally,
         "korganizer|--title|My Cal",
         "KOrganizer"},
        {"no list: an application that declares the type",
         {},
         Outcome::launchedNormally,
         "korganizer|--title|My Cal",
         "KOrganizer"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir root;
        const QString r = root.path();
        const auto app = [&](const char* file, const QByteArray& entry) {
            write(r + QStringLiteral("/share/applications/") + QString::fromLatin1(file), entry);
        };
        app("org.gnome.Calendar.desktop", desktopEntry("Calendar", "gnome-calendar"));
        app("org.gnome.Evolution.desktop", desktopEntry("Evolution", "evolution %U"));
        app("flat.desktop",
            desktopEntry("Flat Calendar", "/usr/bin/flatpak run org.gnome.Calendar"));
        app("org.kde.korganizer.desktop",
            desktopEntry("KOrganizer", "korganizer --title \"My Cal\" %f", "text/calendar;"));
        for (const auto& [file, text] : row.lists)
            write(r + QString::fromLatin1(file), text);
        QStringList started;
        XdgCalendarApplication calendarApp(
            {r + QStringLiteral("/config"),
             {r + QStringLiteral("/etc")},
             r + QStringLiteral("/home-data"),
             {r + QStringLiteral("/share")},
             {QStringLiteral("gnome")}},
            [&](const QString& program, const QStringList& arguments) {
                started = QStringList{program} + arguments;
                return true;
            });
        const auto result = calendarApp.openAtDate(QDate(2027, 1, 5));
        EXPECT_EQ(result.outcome, row.outcome);
        EXPECT_EQ(result.name, QString::fromLatin1(row.appName));
        EXPECT_EQ(started.join(QLatin1Char('|')), QString::fromLatin1(row.command));
    }
}

TEST(XdgCalendarApplicationTest, NoApplicationOrNoStartIsReported) {
    QTemporaryDir root;
    const QString r = root.path();
    bool didStart = false;
    XdgCalendarApplication app(
        {r + QStringLiteral("/config"), {}, r + QStringLiteral("/data"), {}, {}},
        [&](const QString&, const QStringList&) {
            didStart = true;
            return false;
        });
    EXPECT_EQ(app.openAtDate(QDate(2027, 1, 5)).outcome, Outcome::noApplication);
    EXPECT_FALSE(didStart);
    write(r + QStringLiteral("/data/applications/cal.desktop"),
          desktopEntry("Cal", "cal-app", "text/plain;text/calendar"));
    EXPECT_EQ(app.openAtDate(QDate(2027, 1, 5)).outcome, Outcome::failed);
    EXPECT_TRUE(didStart);
}

TEST(XdgCalendarApplicationTest, ExecLinesSplitAsDesktopEntriesWriteThem) {
    const struct {
        const char* exec;
        QStringList words;
    } rows[] = {
        {"gnome-calendar %u", {QStringLiteral("gnome-calendar")}},
        {"\"/opt/My App/cal\" --x=%% %F",
         {QStringLiteral("/opt/My App/cal"), QStringLiteral("--x=%")}},
        {"app \"say \\\"hi\\\"\"", {QStringLiteral("app"), QStringLiteral("say \"hi\"")}},
        {"app \"\"", {QStringLiteral("app"), QString()}},
        {"", {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(splitExecLine(QString::fromLatin1(row.exec)), row.words) << row.exec;
}
