// SPDX-License-Identifier: GPL-3.0-or-later
// The commands' snapshot answers exactly what the files say, or is not used: changed folders,
// other addresses, damaged bytes all fall back to reading the files.
#include "VdirTestSupport.h"
#include "platform/linux/VdirSnapshotStore.h"

#include <QDir>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace ruvo;
using ruvo::test::at;
namespace vdir = platform::vdir;

namespace {

constexpr std::chrono::hours kHour{1};

QByteArray item(const QByteArray& uid, const QByteArray& lines) {
    return test::calendarText(
        ("BEGIN:VEVENT\r\nUID:" + uid + "\r\nSUMMARY:" + uid + "\r\n" + lines + "END:VEVENT\r\n")
            .constData());
}

QStringList titles(const std::vector<platform::Event>& events) {
    QStringList list;
    for (const auto& e : events)
        list << e.title() + QLatin1Char('@') + kit::toQDateTime(e.start()).toString(Qt::ISODate);
    return list;
}

void age(const QString& folder) {
    timespec times[2] = {{0, UTIME_OMIT}, {::time(nullptr) - 60, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(folder).constData(), times, 0), 0);
}

void ageAll(const test::TempVdir& v) {
    age(v.folder());
    for (const QString& name :
         QDir(v.root() + QStringLiteral("/default")).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        age(v.root() + QStringLiteral("/default/") + name);
}

vdir::VdirStoreOptions optionsOf(const test::TempVdir& v) {
    vdir::VdirStoreOptions options;
    options.configDirectory = v.config();
    options.defaultDirectory = v.root() + QStringLiteral("/default");
    options.cacheFile = v.cacheFile();
    options.timeZoneId = QStringLiteral("Europe/Berlin");
    options.folderTrust = kHour;
    return options;
}

std::unique_ptr<vdir::VdirSnapshotStore> openCommandStore(const test::TempVdir& v) {
    auto store = std::make_unique<vdir::VdirSnapshotStore>(optionsOf(v));
    EXPECT_TRUE(store->load());
    return store;
}

// Every file read, over the sources as they stand.
std::unique_ptr<vdir::VdirCalendarStore> openFilesStore(const test::TempVdir& v) {
    auto options = optionsOf(v);
    options.cacheFile.clear();
    auto store = std::make_unique<vdir::VdirCalendarStore>(options);
    EXPECT_TRUE(store->load());
    return store;
}

// Events far apart in time, a long one, a series begun years ago with one occurrence moved,
// floating and all-day items read in Berlin across the end of summer time.
void writeCalendar(const test::TempVdir& v) {
    v.write(QStringLiteral("near.ics"),
            item("near", "DTSTART:20261025T013000\r\nDURATION:PT2H\r\n"));
    v.write(QStringLiteral("far.ics"),
            item("far", "DTSTART:20300101T090000Z\r\nDURATION:PT1H\r\n"));
    v.write(QStringLiteral("long.ics"),
            item("long", "DTSTART;VALUE=DATE:20260901\r\nDTEND;VALUE=DATE:20261201\r\n"));
    v.write(QStringLiteral("series.ics"),
            test::calendarText("BEGIN:VEVENT\r\nUID:series\r\nSUMMARY:series\r\n"
                               "DTSTART;TZID=Europe/Berlin:20200105T100000\r\nDURATION:PT1H\r\n"
                               "RRULE:FREQ=WEEKLY\r\nEND:VEVENT\r\n"
                               "BEGIN:VEVENT\r\nUID:series\r\nSUMMARY:moved\r\n"
                               "RECURRENCE-ID;TZID=Europe/Berlin:20261025T100000\r\n"
                               "DTSTART;TZID=Europe/Berlin:20261024T230000\r\nDURATION:PT1H\r\n"
                               "END:VEVENT\r\n"));
}

constexpr int kFolders = 3; // the default calendar and reminder list, and v.folder()

// How many folders the store's load read from the files; -1: it answered from the snapshot as
// it stood.
int readFolders(const vdir::VdirSnapshotStore& store) {
    return store.lastRefresh() ? store.lastRefresh()->readFolders : -1;
}

// The folders recorded as checked, then a first command that writes the snapshot.
void prepareSnapshot(test::TempVdir& v) {
    v.trustFolders(kHour);
    (void)v.open();
    writeCalendar(v);
    ageAll(v);
    (void)v.open();
    auto first = openCommandStore(v);
    ASSERT_EQ(readFolders(*first), kFolders);
    ASSERT_TRUE(first->isFromSnapshot());
    ASSERT_TRUE(QFile::exists(vdir::snapshotFileFor(v.cacheFile())));
}

const platform::DateRange kRanges[] = {
    {at("2026-10-24T00:00:00Z"), at("2026-10-31T00:00:00Z")}, // the week summer time ends
    {at("2026-10-25T00:30:00Z"), at("2026-10-25T00:45:00Z")}, // a quarter of an hour
    {at("2029-12-31T00:00:00Z"), at("2030-01-07T00:00:00Z")}, // years ahead
    {at("2019-01-01T00:00:00Z"), at("2019-02-01T00:00:00Z")}, // before everything
};

void expectSameAsFiles(const test::TempVdir& v, const platform::CalendarStore& store) {
    auto files = openFilesStore(v);
    for (const auto& range : kRanges) {
        SCOPED_TRACE(kit::toQDateTime(range.start).toString(Qt::ISODate).toStdString());
        EXPECT_EQ(titles(store.events({range, {}})), titles(files->events({range, {}})));
    }
}

// Header fields by byte: the table of files' rows starts at the offset stored at 40.
quint64 word(const QByteArray& bytes, int at) {
    quint64 value = 0;
    std::memcpy(&value, bytes.constData() + at, sizeof value);
    return value;
}
void setWord(QByteArray& bytes, qsizetype at, quint64 value) {
    std::memcpy(bytes.data() + at, &value, sizeof value);
}

} // namespace

TEST(VdirSnapshot, AnswersWhatTheFilesSay) {
    test::TempVdir vdir(QStringLiteral("Europe/Berlin"));
    prepareSnapshot(vdir);
    auto store = openCommandStore(vdir);
    ASSERT_TRUE(store->isFromSnapshot());
    EXPECT_EQ(titles(store->events({kRanges[0], {}})).size(), 3); // near, long, moved
    expectSameAsFiles(vdir, *store);
    EXPECT_EQ(store->calendars(platform::EntityType::event).size(),
              openFilesStore(vdir)->calendars(platform::EntityType::event).size());
}

TEST(VdirSnapshot, ChangedFoldersAreReadFromTheFiles) {
    struct Case {
        const char* name;
        std::function<void(test::TempVdir&)> change;
        int readFolders; // by the first command after the change; the others are copied
    };
    const Case cases[] = {
        {"a file replaced by rename",
         [](test::TempVdir& v) {
             v.write(QStringLiteral(".n.tmp"), item("near2", "DTSTART:20261026T090000Z\r\n"));
             ASSERT_EQ(::rename(QFile::encodeName(v.folder() + QStringLiteral("/.n.tmp")),
                                QFile::encodeName(v.folder() + QStringLiteral("/near.ics"))),
                       0);
         },
         1},
        {"a file added that sorts first, starting when a cached one does",
         [](test::TempVdir& v) {
             v.write(QStringLiteral("a.ics"),
                     item("a", "DTSTART:20261025T013000\r\nDURATION:PT2H\r\n"));
         },
         1},
        {"a file removed",
         [](test::TempVdir& v) { QFile::remove(v.folder() + QStringLiteral("/near.ics")); }, 1},
        {"a folder added",
         [](test::TempVdir& v) {
             const QString other = v.root() + QStringLiteral("/vdir/other");
             QDir().mkpath(other);
             v.write(QStringLiteral("o.ics"), item("o", "DTSTART:20261026T090000Z\r\n"), other);
             age(other);
             ASSERT_TRUE(vdir::writeSources(vdir::sourcesFilePath(v.config()),
                                            {{v.folder(), {}}, {other, {}}}));
         },
         1},
        {"the folder removed from the sources",
         [](test::TempVdir& v) {
             ASSERT_TRUE(vdir::writeSources(vdir::sourcesFilePath(v.config()), {}));
         },
         0},
        {"the cache folder deleted",
         [](test::TempVdir& v) {
             ASSERT_TRUE(QDir(QFileInfo(v.cacheFile()).absolutePath()).removeRecursively());
         },
         kFolders},
        {"other addresses of the user",
         [](test::TempVdir& v) {
             ASSERT_TRUE(vdir::writeSources(vdir::sourcesFilePath(v.config()),
                                            {{v.folder(), {QStringLiteral("me@example.com")}}}));
         },
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempVdir vdir(QStringLiteral("Europe/Berlin"));
        prepareSnapshot(vdir);
        c.change(vdir);
        auto store = openCommandStore(vdir);
        EXPECT_EQ(readFolders(*store), c.readFolders);
        EXPECT_TRUE(store->isFromSnapshot());
        expectSameAsFiles(vdir, *store);
        // A folder changed just now cannot be recorded yet: it is read again until its stamp
        // settles, then the snapshot answers as it stands.
        ageAll(vdir);
        EXPECT_GE(readFolders(*openCommandStore(vdir)), c.readFolders);
        auto settled = openCommandStore(vdir);
        EXPECT_EQ(readFolders(*settled), -1);
        expectSameAsFiles(vdir, *settled);
    }
}

TEST(VdirSnapshot, DamagedBytesFallBackToTheFiles) {
    struct Case {
        const char* name;
        std::function<void(QByteArray&)> damage;
        int readFolders; // -1: the damage shows only when a record is read
    };
    const Case cases[] = {
        {"truncated", [](QByteArray& b) { b.truncate(b.size() / 2); }, kFolders},
        {"cut inside the header", [](QByteArray& b) { b.truncate(20); }, kFolders},
        {"another version", [](QByteArray& b) { b[8] = char(b[8] + 1); }, kFolders},
        {"arena past the end", [](QByteArray& b) { setWord(b, 128, quint64(1) << 40); }, kFolders},
        {"table past the end", [](QByteArray& b) { setWord(b, 64, quint64(1) << 40); }, kFolders},
        {"checked more than an hour ago",
         [](QByteArray& b) {
             setWord(b, qsizetype(word(b, 24) + 64), quint64(::time(nullptr) - 3601));
         },
         1},
        {"checked in the future: the clock was set back",
         [](QByteArray& b) {
             setWord(b, qsizetype(word(b, 24) + 64), quint64(::time(nullptr) + 3600));
         },
         1},
        {"records past the end",
         [](QByteArray& b) {
             const quint64 files = word(b, 40);
             for (quint64 i = 0; i < word(b, 48); ++i)
                 setWord(b, qsizetype(files + i * 24), quint64(1) << 40);
         },
         -1},
        {"records past the end, and a folder to read: nothing can be copied",
         [](QByteArray& b) {
             setWord(b, qsizetype(word(b, 24) + 64), quint64(::time(nullptr) - 3601));
             const quint64 files = word(b, 40);
             for (quint64 i = 0; i < word(b, 48); ++i)
                 setWord(b, qsizetype(files + i * 24), quint64(1) << 40);
         },
         kFolders},
        {"records garbled",
         [](QByteArray& b) {
             const quint64 files = word(b, 40);
             for (quint64 i = 0; i < word(b, 48); ++i)
                 setWord(b, qsizetype(files + i * 24 + 8), 3); // three bytes long
         },
         -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempVdir vdir(QStringLiteral("Europe/Berlin"));
        prepareSnapshot(vdir);
        QFile file(vdir::snapshotFileFor(vdir.cacheFile()));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        c.damage(bytes);
        file.resize(0);
        file.seek(0);
        file.write(bytes);
        file.close();
        auto store = openCommandStore(vdir);
        EXPECT_EQ(readFolders(*store), c.readFolders);
        expectSameAsFiles(vdir, *store);
        // Replaced, or dropped once a record failed: the next command has a sound one.
        auto next = openCommandStore(vdir);
        EXPECT_TRUE(next->isFromSnapshot());
        expectSameAsFiles(vdir, *next);
    }
}
