// SPDX-License-Identifier: GPL-3.0-or-later
// What the watcher makes of inotify events, and the store reading only the files a sync run
// changed.
#include "VdirTestSupport.h"
#include "kit/VirtualScheduler.h"
#include "platform/linux/VdirWatcher.h"

#include <QFile>
#include <gtest/gtest.h>
#include <map>
#include <sys/inotify.h>

using namespace ruvo;
using namespace std::chrono_literals;
using platform::vdir::DiskChanges;
using ruvo::test::at;

namespace {

QByteArray event(const QString& uid, const QString& title, const char* day = "20261207") {
    return test::calendarText(
        (QByteArray("BEGIN:VEVENT\r\nUID:") + uid.toUtf8() + "\r\nDTSTART:" + day +
         "T090000Z\r\nDURATION:PT1H\r\nSUMMARY:" + title.toUtf8() + "\r\nEND:VEVENT\r\n")
            .constData());
}

QStringList titles(const platform::vdir::VdirCalendarStore& store) {
    QStringList list;
    for (const auto& e :
         store.events({{at("2026-12-07T00:00:00Z"), at("2026-12-08T00:00:00Z")}, {}}))
        list << e.title();
    list.sort();
    return list;
}

// As sync tools do: a hidden temporary file renamed over the calendar file.
void replace(const test::TempVdir& vdir, const QString& name, const QByteArray& bytes) {
    vdir.write(QStringLiteral(".tmp-") + name, bytes);
    const QString folder = vdir.folder() + QLatin1Char('/');
    ASSERT_EQ(::rename(QFile::encodeName(folder + QStringLiteral(".tmp-") + name).constData(),
                       QFile::encodeName(folder + name).constData()),
              0);
}

} // namespace

TEST(DiskChanges, EachEventIsAFileOrARescan) {
    const QString folder = QStringLiteral("/cal/work");
    struct Case {
        QString folder;
        uint32_t mask;
        const char* name;
        bool isRescanNeeded;
        QStringList files;
    };
    const Case cases[] = {
        {folder, IN_CLOSE_WRITE, "a.ics", false, {QStringLiteral("a.ics")}},
        {folder, IN_MOVED_TO, "a.ics", false, {QStringLiteral("a.ics")}},
        {folder, IN_DELETE, "b.ics", false, {QStringLiteral("b.ics")}},
        {folder, IN_CREATE, ".tmp-a.ics", false, {}},        // a sync tool's temporary file
        {folder, IN_MOVED_FROM, ".a.ics.x", false, {}},      // renamed away
        {folder, IN_IGNORED, nullptr, false, {}},            // a watch we removed
        {folder, IN_CLOSE_WRITE, "a.ics~", true, {}},        // not a .ics: read as a name file
        {folder, IN_CREATE | IN_ISDIR, "new.ics", true, {}}, // a folder, whatever its name
        {folder, IN_DELETE_SELF, nullptr, true, {}},
        {folder, IN_MOVE_SELF, nullptr, true, {}},
        {QString(), IN_Q_OVERFLOW, nullptr, true, {}},
        {QString(), IN_CLOSE_WRITE, "a.ics", true, {}}, // a watch no longer known
    };
    for (const Case& c : cases) {
        DiskChanges changes;
        changes.add(c.folder, c.mask, c.name);
        QStringList files;
        for (const auto& name : changes.files[folder])
            files << name;
        const char* name = c.name ? c.name : "";
        EXPECT_EQ(changes.isRescanNeeded, c.isRescanNeeded) << c.mask << " " << name;
        EXPECT_EQ(files, c.files) << c.mask << " " << name;
    }
}

// Real inotify, virtual time: files replaced, removed and added are read alone (the first
// load's statistics stand: no re-scan); a change to more than files is a re-scan.
TEST(VdirCalendarStore, ChangedFilesAreReadAloneAndTheIndexKeptInPlace) {
    test::TempVdir vdir;
    for (const char* uid : {"a", "b", "c"})
        vdir.write(QLatin1String(uid) + QStringLiteral(".ics"),
                   event(QLatin1String(uid), QLatin1String(uid)));
    // Two days later, enough of them that the records taken out stay as tombstones.
    for (int i = 0; i < 40; ++i) {
        const QString uid = QStringLiteral("later%1").arg(i);
        vdir.write(uid + QStringLiteral(".ics"), event(uid, uid, "20261209"));
    }
    kit::VirtualScheduler scheduler(at("2026-12-06T09:00:00Z"));
    auto store = vdir.open({}, &scheduler);
    ASSERT_EQ(store->lastLoad().parsed, 43);
    int signals = 0;
    auto subscription = store->storeChanged().connect([&] { ++signals; });

    replace(vdir, QStringLiteral("a.ics"), event(QStringLiteral("a"), QStringLiteral("a2")));
    QFile::remove(vdir.folder() + QStringLiteral("/b.ics"));
    vdir.write(QStringLiteral("d.ics"), event(QStringLiteral("d"), QStringLiteral("d")));
    ASSERT_TRUE(test::processEventsUntil([&] { return scheduler.pendingCount() > 0; }));
    QCoreApplication::processEvents();
    scheduler.advance(200ms);
    EXPECT_EQ(signals, 1);
    EXPECT_EQ(titles(*store),
              (QStringList{QStringLiteral("a2"), QStringLiteral("c"), QStringLiteral("d")}));
    EXPECT_EQ(store->lastLoad().parsed, 43) << "read alone, not re-scanned";
    EXPECT_EQ(store->eventRecordCount(), 43u);
    // The change names the day of the files it read, not the days of the others.
    EXPECT_TRUE(
        store->lastChange().touches({at("2026-12-07T09:30:00Z"), at("2026-12-07T09:31:00Z")}));
    EXPECT_FALSE(
        store->lastChange().touches({at("2026-12-09T00:00:00Z"), at("2026-12-10T00:00:00Z")}));

    vdir.write(QStringLiteral("displayname"), "Work");
    ASSERT_TRUE(test::processEventsUntil([&] { return scheduler.pendingCount() > 0; }));
    scheduler.advance(200ms);
    EXPECT_EQ(store->lastLoad().kept, 43) << "a re-scan";
    EXPECT_EQ(signals, 2) << "a new name is a change though no event moved";
    EXPECT_EQ(titles(*store),
              (QStringList{QStringLiteral("a2"), QStringLiteral("c"), QStringLiteral("d")}));
}

// A sync tool writing a file every 100 ms: the first change starts the wait, later ones join
// the same update instead of putting it off until the tool stops.
TEST(VdirCalendarStore, ASyncToolThatKeepsWritingDoesNotPutTheUpdateOff) {
    test::TempVdir vdir;
    kit::VirtualScheduler scheduler(at("2026-12-06T09:00:00Z"));
    auto store = vdir.open({}, &scheduler);
    int signals = 0;
    auto subscription = store->storeChanged().connect([&] { ++signals; });
    for (int i = 0; i < 10; ++i) {
        const QString uid = QStringLiteral("n%1").arg(i);
        replace(vdir, uid + QStringLiteral(".ics"), event(uid, uid));
        ASSERT_TRUE(test::processEventsUntil([&] { return scheduler.pendingCount() > 0; }));
        QCoreApplication::processEvents(); // this write's events, when a wait was pending
        scheduler.advance(100ms);
    }
    EXPECT_EQ(signals, 5);
    scheduler.advance(1s);
    EXPECT_EQ(signals, 5);
    EXPECT_EQ(titles(*store).size(), 10);
}

// Events whose extras are only a place (and alarms) share one copy, from the files and from
// the cache alike; a file replaced on disk gets its own, and a change through extra() copies.
TEST(VdirCalendarStore, EqualPlacesAreSharedUntilOneOfThemChanges) {
    test::TempVdir vdir;
    const auto file = [](const char* uid, QByteArray lines) {
        return test::calendarText("BEGIN:VEVENT\r\nUID:" + QByteArray(uid) +
                                  "\r\nDTSTART:20261207T090000Z\r\nDURATION:PT1H\r\nSUMMARY:" +
                                  uid + "\r\n" + lines + "END:VEVENT\r\n");
    };
    const QByteArray alarm = "LOCATION:Room 1\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\n"
                             "TRIGGER:-PT15M\r\nDESCRIPTION:x\r\nEND:VALARM\r\n";
    const std::pair<const char*, QByteArray> files[] = {
        {"a", "LOCATION:Room 1\r\n"},
        {"b", "LOCATION:Room 1\r\n"},
        {"other", "LOCATION:Room 2\r\n"},
        {"notes", "LOCATION:Room 1\r\nDESCRIPTION:x\r\n"},
        {"alarm", alarm},
        {"alarm2", alarm}};
    for (const auto& [uid, lines] : files)
        vdir.write(QLatin1String(uid) + QStringLiteral(".ics"), file(uid, lines));
    const struct {
        const char* first;
        const char* second;
        bool isShared;
    } rows[] = {{"a", "b", true},
                {"a", "notes", false},
                {"a", "other", false},
                {"a", "alarm", false},
                {"alarm", "alarm2", true}};
    kit::VirtualScheduler scheduler(at("2026-12-06T09:00:00Z"));
    std::map<QString, platform::Event> byTitle;
    const auto query = [&](const platform::vdir::VdirCalendarStore& store) {
        for (const auto& e :
             store.events({{at("2026-12-07T00:00:00Z"), at("2026-12-08T00:00:00Z")}, {}}))
            byTitle[e.title()] = e;
    };
    for (const int fromCache : {0, 6}) {
        auto store = vdir.open({}, &scheduler);
        ASSERT_EQ(store->lastLoad().fromCache, fromCache);
        query(*store);
        for (const auto& row : rows)
            EXPECT_EQ(&byTitle.at(QLatin1String(row.first)).data().extra() ==
                          &byTitle.at(QLatin1String(row.second)).data().extra(),
                      row.isShared)
                << row.first << " " << row.second << " from the cache: " << fromCache;
        platform::EventData copy;
        copy.extras = byTitle.at(QStringLiteral("a")).data().extras;
        copy.extra().location = QStringLiteral("Hall");
        EXPECT_EQ(byTitle.at(QStringLiteral("b")).location(), QStringLiteral("Room 1"));
        if (fromCache == 0)
            continue;
        replace(vdir, QStringLiteral("b.ics"), file("b", "LOCATION:Room 3\r\n"));
        ASSERT_TRUE(test::processEventsUntil([&] { return scheduler.pendingCount() > 0; }));
        QCoreApplication::processEvents();
        scheduler.advance(200ms);
        query(*store);
        EXPECT_EQ(byTitle.at(QStringLiteral("a")).location(), QStringLiteral("Room 1"));
        EXPECT_EQ(byTitle.at(QStringLiteral("b")).location(), QStringLiteral("Room 3"));
    }
}
