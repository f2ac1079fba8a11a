// SPDX-License-Identifier: GPL-3.0-or-later
// When the store may take a folder as the cache holds it (its stamp unmoved since its files
// were checked) and when it must look at every file; and edits of its own read back alone.
#include "VdirTestSupport.h"
#include "kit/VirtualScheduler.h"

#include <QDir>
#include <QFileInfo>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>

using namespace ruvo;
using ruvo::test::at;

namespace {

constexpr std::chrono::hours kHour{1};
const platform::DateRange kDecember{at("2026-12-01T00:00:00Z"), at("2027-01-01T00:00:00Z")};

QByteArray event(const QByteArray& uid, const char* start, const QByteArray& title = {},
                 const char* extra = "") {
    return test::calendarText(("BEGIN:VEVENT\r\nUID:" + uid + "\r\nDTSTART:" + start +
                               "\r\nDURATION:PT1H\r\nSUMMARY:" + (title.isEmpty() ? uid : title) +
                               "\r\n" + extra + "END:VEVENT\r\n")
                                  .constData());
}

QStringList titles(const std::vector<platform::Event>& events) {
    QStringList list;
    for (const auto& e : events)
        list << e.title();
    list.sort();
    return list;
}

// Sets the folder's modification time a minute back, as if it had last changed then.
void age(const QString& folder) {
    timespec times[2] = {{0, UTIME_OMIT}, {::time(nullptr) - 60, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(folder).constData(), times, 0), 0);
}

void writeInPlace(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

bool sql(const QString& database, const char* statement) {
    sqlite3* db = nullptr;
    const bool ok = sqlite3_open(QFile::encodeName(database).constData(), &db) == SQLITE_OK &&
                    sqlite3_exec(db, statement, nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

// a.ics and b.ics, checked once with the folder already settled: the next store trusts it.
void prepareTrusted(test::TempVdir& vdir) {
    vdir.trustFolders(kHour);
    vdir.write(QStringLiteral("a.ics"), event("a", "20261207T090000Z"));
    vdir.write(QStringLiteral("b.ics"), event("b", "20261207T100000Z"));
    age(vdir.folder());
    ASSERT_EQ(vdir.open()->lastLoad().trustedFolders, 0);
    ASSERT_EQ(vdir.open()->lastLoad().trustedFolders, 1);
}

} // namespace

TEST(VdirFolderTrust, ChangesThatMoveTheFolderStampAreSeen) {
    struct Case {
        const char* name;
        std::function<void(const test::TempVdir&)> change;
        QStringList titles;
    };
    const auto file = [](const test::TempVdir& v, const char* name) {
        return v.folder() + QLatin1Char('/') + QLatin1String(name);
    };
    const Case cases[] = {
        {"replaced by rename, as sync tools write",
         [&](const test::TempVdir& v) {
             v.write(QStringLiteral(".b.tmp"), event("b", "20261207T100000Z", "b renamed"));
             ASSERT_TRUE(::rename(QFile::encodeName(file(v, ".b.tmp")).constData(),
                                  QFile::encodeName(file(v, "b.ics")).constData()) == 0);
         },
         {QStringLiteral("a"), QStringLiteral("b renamed")}},
        {"removed",
         [&](const test::TempVdir& v) { QFile::remove(file(v, "b.ics")); },
         {QStringLiteral("a")}},
        {"added",
         [](const test::TempVdir& v) {
             v.write(QStringLiteral("c.ics"), event("c", "20261207T110000Z"));
         },
         {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}},
        {"a broken file added",
         [](const test::TempVdir& v) { v.write(QStringLiteral("c.ics"), "BEGIN:VCAL"); },
         {QStringLiteral("a"), QStringLiteral("b")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempVdir vdir;
        prepareTrusted(vdir);
        c.change(vdir);
        auto store = vdir.open();
        EXPECT_EQ(store->lastLoad().trustedFolders, 0);
        EXPECT_EQ(titles(store->events({kDecember, {}})), c.titles);
        // Once settled again, the folder is trusted with what was found.
        age(vdir.folder());
        vdir.open();
        store = vdir.open();
        EXPECT_EQ(store->lastLoad().trustedFolders, 1);
        EXPECT_EQ(titles(store->events({kDecember, {}})), c.titles);
    }
}

// A file rewritten in place leaves its folder's stamp alone: a trusting command keeps the old
// version until the trust lapses, a watching store sees it when it checks soon after start.
TEST(VdirFolderTrust, AnEditInPlaceWaitsForTheNextCheck) {
    test::TempVdir vdir;
    prepareTrusted(vdir);
    writeInPlace(vdir.folder() + QStringLiteral("/b.ics"),
                 event("b", "20261207T100000Z", "b edited in place"));
    const QStringList before{QStringLiteral("a"), QStringLiteral("b")};
    const QStringList after{QStringLiteral("a"), QStringLiteral("b edited in place")};
    EXPECT_EQ(titles(vdir.open()->events({kDecember, {}})), before);

    kit::VirtualScheduler scheduler(at("2026-12-06T09:00:00Z"));
    auto watching = vdir.open({}, &scheduler);
    EXPECT_EQ(titles(watching->events({kDecember, {}})), before);
    int changes = 0;
    auto counted = watching->storeChanged().connect([&] { ++changes; });
    scheduler.advance(std::chrono::milliseconds(9999));
    EXPECT_EQ(changes, 0);
    scheduler.advance(std::chrono::milliseconds(1));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(titles(watching->events({kDecember, {}})), after);
    // That check recorded the folder anew: the next command is up to date and trusts it.
    auto next = vdir.open();
    EXPECT_EQ(next->lastLoad().trustedFolders, 1);
    EXPECT_EQ(titles(next->events({kDecember, {}})), after);

    writeInPlace(vdir.folder() + QStringLiteral("/a.ics"), event("a", "20261207T090000Z", "a2"));
    vdir.trustFolders(std::chrono::seconds(0)); // as when the hour has passed
    EXPECT_EQ(titles(vdir.open()->events({kDecember, {}})),
              (QStringList{QStringLiteral("a2"), QStringLiteral("b edited in place")}));
}

// An empty folder taken on trust is checked once like any other, not again every ten seconds.
TEST(VdirFolderTrust, AnEmptyTrustedFolderIsCheckedOnce) {
    test::TempVdir vdir;
    vdir.trustFolders(kHour);
    (void)vdir.open(); // makes the default calendar and list, both empty
    for (const char* folder : {"/default/calendar", "/default/reminders"})
        age(vdir.root() + QLatin1String(folder));
    (void)vdir.open();
    ASSERT_EQ(vdir.open()->lastLoad().trustedFolders, 2);
    kit::VirtualScheduler scheduler(at("2026-12-06T09:00:00Z"));
    auto watching = vdir.open({}, &scheduler);
    ASSERT_EQ(scheduler.pendingCount(), 1u);
    scheduler.advance(std::chrono::seconds(10));
    EXPECT_EQ(watching->lastLoad().trustedFolders, 0);
    EXPECT_EQ(scheduler.pendingCount(), 0u);
}

TEST(VdirFolderTrust, AFolderJustChangedOrWithOtherAddressesIsNotTrusted) {
    test::TempVdir vdir;
    vdir.trustFolders(kHour);
    vdir.write(QStringLiteral("a.ics"), event("a", "20261207T090000Z"));
    // Changed a moment ago: a change within the same tick would not move the stamp.
    vdir.open();
    EXPECT_EQ(vdir.open()->lastLoad().trustedFolders, 0);
    age(vdir.folder());
    vdir.open();
    EXPECT_EQ(vdir.open()->lastLoad().trustedFolders, 1);
    // The records depend on the user's addresses.
    EXPECT_EQ(vdir.open({QStringLiteral("me@example.com")})->lastLoad().trustedFolders, 0);
}

TEST(VdirFolderTrust, FoldersComingAndGoingAndACollectionInside) {
    test::TempVdir vdir;
    vdir.trustFolders(kHour);
    const QString home = vdir.root() + QStringLiteral("/vdir/work/home");
    QDir().mkpath(home);
    vdir.write(QStringLiteral("a.ics"), event("a", "20261207T090000Z"));
    vdir.write(QStringLiteral("h.ics"), event("h", "20261207T100000Z"), home);
    // The work folder as a source holds one collection; its rows must not be mixed with those
    // of the folder inside it, which is no collection of this store.
    age(vdir.folder());
    age(home);
    vdir.open();
    auto store = vdir.open();
    EXPECT_EQ(store->lastLoad().trustedFolders, 1);
    EXPECT_EQ(titles(store->events({kDecember, {}})), QStringList{QStringLiteral("a")});

    QDir(home).removeRecursively();
    age(vdir.folder());
    vdir.open();
    store = vdir.open();
    EXPECT_EQ(store->lastLoad().trustedFolders, 1);
    EXPECT_EQ(titles(store->events({kDecember, {}})), QStringList{QStringLiteral("a")});

    // The folder removed and made again with other files is another folder.
    QDir(vdir.folder()).removeRecursively();
    QDir().mkpath(vdir.folder());
    vdir.write(QStringLiteral("a.ics"), event("a", "20261207T090000Z", "new a"));
    age(vdir.folder());
    store = vdir.open();
    EXPECT_EQ(store->lastLoad().trustedFolders, 0);
    EXPECT_EQ(titles(store->events({kDecember, {}})), QStringList{QStringLiteral("new a")});
}

TEST(VdirFolderTrust, CachesOfOtherVersions) {
    test::TempVdir vdir;
    prepareTrusted(vdir);
    // Version 2 kept the files in a table with an index of its own: its rows are moved, and the
    // folder stays trusted.
    ASSERT_TRUE(sql(vdir.cacheFile(),
                    "ALTER TABLE files RENAME TO ordered; CREATE TABLE files(path TEXT PRIMARY "
                    "KEY, size INTEGER, mtime INTEGER, inode INTEGER, fingerprint TEXT, records "
                    "BLOB); INSERT INTO files SELECT * FROM ordered; DROP TABLE ordered; "
                    "PRAGMA user_version=2"));
    auto store = vdir.open();
    EXPECT_EQ(store->lastLoad().trustedFolders, 1);
    EXPECT_EQ(store->lastLoad().fromCache, 2);
    EXPECT_EQ(titles(store->events({kDecember, {}})),
              (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    // An older cache has files but no folders: its rows are used, the folder checked.
    ASSERT_TRUE(sql(vdir.cacheFile(), "DROP TABLE folders; PRAGMA user_version=1"));
    store = vdir.open();
    EXPECT_EQ(store->lastLoad().fromCache, 2);
    EXPECT_EQ(store->lastLoad().trustedFolders, 0);
    EXPECT_EQ(vdir.open()->lastLoad().trustedFolders, 1);
    // A newer one is not understood: rebuilt from the files.
    ASSERT_TRUE(sql(vdir.cacheFile(), "PRAGMA user_version=99"));
    store = vdir.open();
    EXPECT_EQ(store->lastLoad().parsed, 2);
    EXPECT_EQ(titles(store->events({kDecember, {}})),
              (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    // A folder row that does not match its rows (another program wrote the cache) is
    // checked file by file.
    age(vdir.folder());
    vdir.open();
    ASSERT_TRUE(sql(vdir.cacheFile(), "DELETE FROM files WHERE path LIKE '%/b.ics'"));
    store = vdir.open();
    EXPECT_EQ(store->lastLoad().trustedFolders, 0);
    EXPECT_EQ(store->lastLoad().parsed, 1);
}

// Names are matched to the cache's rows by their text: beyond ASCII too.
TEST(VdirFolderTrust, FilesOfAnyNameComeFromTheCache) {
    test::TempVdir vdir;
    const QString names[] = {QStringLiteral("plain.ics"), QStringLiteral("r\u00e9union.ics"),
                             QStringLiteral("\u4f1a\u8bae.ics"),
                             QStringLiteral("party-\U0001F389.ics")};
    for (const QString& name : names)
        vdir.write(name, event(name.toUtf8(), "20261207T090000Z"));
    ASSERT_EQ(vdir.open()->lastLoad().parsed, 4);
    const auto store = vdir.open();
    EXPECT_EQ(store->lastLoad().fromCache, 4);
    EXPECT_EQ(store->lastLoad().parsed, 0);
}

// An edit through the store reads back the one file it wrote: a change another program made
// meanwhile to another file waits for the watcher or the next load.
TEST(VdirFolderTrust, AnEditReadsBackOnlyTheWrittenFile) {
    test::TempVdir vdir;
    const char* daily = "RRULE:FREQ=DAILY;COUNT=5\r\n";
    vdir.write(QStringLiteral("a.ics"), event("a", "20261207T090000Z"));
    vdir.write(QStringLiteral("s.ics"), event("s", "20261207T093000Z", "series", daily));
    vdir.write(QStringLiteral("x.ics"), event("x", "20261207T090000Z"));
    auto store = vdir.open();
    writeInPlace(vdir.folder() + QStringLiteral("/x.ics"),
                 event("x", "20261207T090000Z", "x changed elsewhere"));
    int changes = 0;
    auto counted = store->storeChanged().connect([&] { ++changes; });

    const platform::DateRange hour{at("2026-12-08T09:00:00Z"), at("2026-12-08T10:00:00Z")};
    auto series = store->events({hour, {}});
    ASSERT_EQ(series.size(), 1u);
    ASSERT_TRUE(store->removeEvent(series[0], platform::RemovalScope::thisOccurrence));
    EXPECT_TRUE(store->events({hour, {}}).empty()); // short queries look in the hour groups
    EXPECT_EQ(store->events({kDecember, {}}).size(), 6u);

    platform::EventDraft draft;
    draft.title = QStringLiteral("new");
    draft.start = at("2026-12-07T09:00:00Z");
    draft.end = at("2026-12-07T10:00:00Z");
    ASSERT_TRUE(store->saveEvent(draft));
    EXPECT_EQ(changes, 2);
    const auto nine = store->events({{draft.start, draft.end}, {}});
    EXPECT_EQ(titles(nine), (QStringList{QStringLiteral("a"), QStringLiteral("new"),
                                         QStringLiteral("series"), QStringLiteral("x")}));

    auto first = store->events({{draft.start, draft.end}, {}});
    const auto a = std::find_if(first.begin(), first.end(), [](const platform::Event& e) {
        return e.title() == QLatin1String("a");
    });
    ASSERT_TRUE(store->removeEvent(*a, platform::RemovalScope::wholeSeries));
    EXPECT_EQ(titles(store->events({{draft.start, draft.end}, {}})),
              (QStringList{QStringLiteral("new"), QStringLiteral("series"), QStringLiteral("x")}));

    store->refreshSourcesIfNecessary();
    EXPECT_EQ(titles(store->events({{draft.start, draft.end}, {}})),
              (QStringList{QStringLiteral("new"), QStringLiteral("series"),
                           QStringLiteral("x changed elsewhere")}));
    // What the edits wrote is what a new store reads.
    EXPECT_EQ(titles(vdir.open()->events({kDecember, {}})), titles(store->events({kDecember, {}})));
}

// The check after start lists the folders away from the main thread; what the watcher reads
// while the listing runs is current already, so the listing neither undoes it nor reads it
// again, and a re-scan meanwhile makes the listing moot.
TEST(VdirFolderTrust, ChangesWhileTheCheckListsAreReadOnce) {
    using platform::vdir::FolderListings;
    struct Case {
        const char* name;
        std::function<void(const test::TempVdir&)> meanwhile;
        bool isAppliedBeforeTheListing; // the watcher's wait ran out first
        QStringList titles;
        int changes;
        int readByTheCheck;
    };
    const auto rename = [](const test::TempVdir& v, const char* name, const QByteArray& bytes) {
        v.write(QStringLiteral(".tmp"), bytes);
        const QString folder = v.folder() + QLatin1Char('/');
        ASSERT_EQ(::rename(QFile::encodeName(folder + QStringLiteral(".tmp")).constData(),
                           QFile::encodeName(folder + QLatin1String(name)).constData()),
                  0);
    };
    const QString a = QStringLiteral("a"), edited = QStringLiteral("b edited in place");
    const Case cases[] = {
        {"nothing", [](const test::TempVdir&) {}, true, {a, edited}, 1, 1},
        {"the edited file replaced",
         [&](const test::TempVdir& v) {
             rename(v, "b.ics", event("b", "20261207T100000Z", "b synced"));
         },
         true,
         {a, QStringLiteral("b synced")},
         1,
         0},
        {"a file added",
         [&](const test::TempVdir& v) { rename(v, "c.ics", event("c", "20261207T110000Z")); },
         true,
         {a, edited, QStringLiteral("c")},
         2,
         1},
        {"a file added, still waiting",
         [&](const test::TempVdir& v) { rename(v, "c.ics", event("c", "20261207T110000Z")); },
         false,
         {a, edited, QStringLiteral("c")},
         2,
         1},
        {"a re-scan",
         [](const test::TempVdir& v) { v.write(QStringLiteral("displayname"), "W"); },
         true,
         {a, edited},
         1,
         -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempVdir vdir;
        prepareTrusted(vdir);
        writeInPlace(vdir.folder() + QStringLiteral("/b.ics"),
                     event("b", "20261207T100000Z", "b edited in place"));
        std::function<FolderListings()> work;
        std::function<void(FolderListings)> done;
        vdir.listFoldersWith([&](auto w, auto d) {
            work = std::move(w);
            done = std::move(d);
        });
        kit::VirtualScheduler scheduler(at("2026-12-06T09:00:00Z"));
        auto store = vdir.open({}, &scheduler);
        int changes = 0;
        auto counted = store->storeChanged().connect([&] { ++changes; });
        scheduler.advance(std::chrono::seconds(10));
        ASSERT_TRUE(work && done);
        FolderListings listings = work();
        c.meanwhile(vdir);
        test::processEventsUntil([&] { return scheduler.pendingCount() > 0; }, 200);
        if (c.isAppliedBeforeTheListing)
            scheduler.advance(std::chrono::milliseconds(200));
        const auto before = store->lastLoad();
        done(std::move(listings));
        scheduler.advance(std::chrono::milliseconds(200));
        EXPECT_EQ(titles(store->events({kDecember, {}})), c.titles);
        EXPECT_EQ(changes, c.changes);
        if (c.readByTheCheck >= 0)
            EXPECT_EQ(store->lastLoad().parsed, c.readByTheCheck);
        else
            EXPECT_EQ(store->lastLoad().parsed, before.parsed) << "the listing was dropped";
    }
}

TEST(VdirFolderTrust, AListingThatOutlivesItsStoreIsDropped) {
    test::TempVdir vdir;
    prepareTrusted(vdir);
    std::function<platform::vdir::FolderListings()> work;
    std::function<void(platform::vdir::FolderListings)> done;
    vdir.listFoldersWith([&](auto w, auto d) {
        work = std::move(w);
        done = std::move(d);
    });
    kit::VirtualScheduler scheduler(at("2026-12-06T09:00:00Z"));
    auto store = vdir.open({}, &scheduler);
    scheduler.advance(std::chrono::seconds(10));
    ASSERT_TRUE(work && done);
    auto listings = work();
    store.reset();
    done(std::move(listings)); // under AddressSanitizer a use after free would show here
}
