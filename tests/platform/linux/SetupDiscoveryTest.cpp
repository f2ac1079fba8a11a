// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SetupDiscovery.h"

#include "platform/linux/SetupConfigs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ruvo::platform;
using setup::ConfiguredFolder;

namespace {

const QString kHome = QStringLiteral("/home/u");

QString describe(const setup::ConfigReading& r) {
    QStringList parts;
    for (const auto& f : r.folders)
        parts << f.name + QLatin1Char('=') + f.path +
                     (f.holdsCollections ? QStringLiteral("/*") : QString()) +
                     (f.isPattern ? QStringLiteral(" glob") : QString()) +
                     (f.isReadOnly ? QStringLiteral(" ro") : QString());
    return parts.join(QStringLiteral(", "));
}

} // namespace

TEST(SetupConfigs, ReadsTheFoldersOfVdirsyncerAndKhal) {
    struct Row {
        const char* name;
        bool isKhal;
        const char* text;
        const char* folders; // as describe() writes them
        int problems;
    };
    const Row rows[] = {
        {"vdirsyncer: filesystem storages only, ~ expanded, collections from a pair", false,
         "# my calendars\n[general]\nstatus_path = \"~/.vdirsyncer/status/\"\n\n"
         "[pair cal]\na = \"local\"\nb = \"remote\"\ncollections = [\"from a\", \"from b\"]\n\n"
         "[storage local]\ntype = \"filesystem\"\npath = \"~/.calendars/\"\nfileext = \".ics\"\n"
         "[storage remote]\ntype = \"caldav\"\nurl = \"https://example.org/dav\"\n"
         "[storage single]\n; one calendar, synced without collections\n"
         "type = \"filesystem\"\npath = \"/srv/cal//work\"\n"
         "[pair one]\na = \"single\"\nb = \"remote\"\ncollections = null\n",
         "local=/home/u/.calendars/*, single=/srv/cal/work", 0},
        {"vdirsyncer: a list over indented lines", false,
         "[storage s]\ntype = \"filesystem\"\npath = \"~\"\n[pair p]\na = \"s\"\nb = \"r\"\n"
         "collections = [\"home\",\n    \"work\"]\n",
         "s=/home/u/*", 0},
        {"vdirsyncer: broken lines are reported, the rest is read", false,
         "[storage s]\ntype = filesystem\npath = \"/x\"\nnot a line\n[storage t]\n"
         "type = \"filesystem\"\npath = \"/y\"\n[storage u]\ntype = \"filesystem\"\n",
         "t=/y", 3},
        {"vdirsyncer: an empty file", false, "", "", 0},
        {"khal: nested sections, quotes, inline comments, discover globs and readonly", true,
         "[calendars]\n  [[home]]\n    path = ~/.calendars/home/  # synced\n"
         "    color = dark green\n  [[work]]\n    path = \"/srv/my cal/work\"\n"
         "    readonly = True\n  [[all]]\n    path = '~/.cal/*'\n    type = discover\n"
         "[locale]\ntimeformat = %H:%M\n[[notacalendar]]\npath = /z\n",
         "home=/home/u/.calendars/home, work=/srv/my cal/work ro, all=/home/u/.cal/* glob", 0},
        {"khal: a calendar without a path and a broken line", true,
         "[calendars]\n[[a]]\ncolor = red\n[[b]]\npath = /b\nnonsense\n", "b=/b", 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto reading = row.isKhal
                                 ? setup::readKhalConfig(QString::fromUtf8(row.text), kHome)
                                 : setup::readVdirsyncerConfig(QString::fromUtf8(row.text), kHome);
        EXPECT_EQ(describe(reading), QString::fromUtf8(row.folders));
        EXPECT_EQ(reading.problems.size(), row.problems)
            << qPrintable(reading.problems.join(u'\n'));
    }
}

TEST(SetupDiscovery, FindsTheCalendarsOnDiskAndWhatIsAddedAlready) {
    QTemporaryDir dir;
    const QString home = dir.path();
    const auto write = [&](const QString& path, const QByteArray& text) {
        QDir().mkpath(QFileInfo(home + path).path());
        QFile f(home + path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    };
    write(QStringLiteral("/.config/vdirsyncer/config"),
          "[pair p]\na = \"l\"\nb = \"r\"\ncollections = [\"from b\"]\n[storage l]\n"
          "type = \"filesystem\"\npath = \"~/cals\"\n[storage empty]\ntype = \"filesystem\"\n"
          "path = \"~/nothing\"\n");
    write(QStringLiteral("/cals/home/a.ics"), "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n");
    write(QStringLiteral("/cals/work/displayname"), "Work");
    write(QStringLiteral("/cals/notes/readme.txt"), "not a calendar");
    write(QStringLiteral("/.config/khal/config"),
          "[calendars]\n[[w]]\npath = ~/cals/work\n[[g]]\npath = ~/cals/*\ntype = discover\n");

    DiscoveryPlaces places;
    places.home = home;
    places.configHome = home + QStringLiteral("/.config");
    places.addedFolders = {home + QStringLiteral("/cals/work")};
    const auto found = discoverSetup(places, false);

    ASSERT_EQ(found.folders.size(), 4u) << qPrintable(found.problems.join(u'\n'));
    EXPECT_EQ(found.folders[0].calendars, QStringList({home + QStringLiteral("/cals/home"),
                                                       home + QStringLiteral("/cals/work")}));
    EXPECT_FALSE(found.folders[0].isAdded) << "only one of its calendars is added";
    EXPECT_TRUE(found.folders[1].calendars.isEmpty());
    EXPECT_TRUE(found.folders[2].isAdded);
    EXPECT_EQ(found.folders[3].calendars, found.folders[0].calendars);
    EXPECT_EQ(found.originOf(home + QStringLiteral("/cals/home")), QStringLiteral("vdirsyncer"));
    EXPECT_EQ(found.originOf(home + QStringLiteral("/elsewhere")), QString());

    QTemporaryDir empty;
    places.home = places.configHome = empty.path();
    const auto none = discoverSetup(places, true);
    EXPECT_TRUE(none.folders.empty());
    EXPECT_TRUE(none.problems.isEmpty());
    EXPECT_TRUE(none.configFiles.isEmpty());
}
