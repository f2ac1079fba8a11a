// SPDX-License-Identifier: GPL-3.0-or-later
// The property-list files behind the suites: format, atomic writes, corrupt files, other
// processes' writes.
#include "settings/PlistFileStorage.h"

#include "TestSupport.h"
#include "kit/VirtualScheduler.h"
#include "settings/Keys.h"
#include "settings/PropertyList.h"
#include "settings/SettingsFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace ruvo::settings;

namespace {

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

QStringList asideFiles(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.corrupt-*")}, QDir::Files);
}

} // namespace

TEST(PropertyList, EveryObjectKindSurvivesAWriteAndARead) {
    const QVariantMap original{
        {QStringLiteral("bool"), true},
        {QStringLiteral("int"), qlonglong{-9007199254740993}},
        {QStringLiteral("real"), 0.1},
        {QStringLiteral("string"), QStringLiteral("Zürich <&> \"quoted\" \t tab")},
        {QStringLiteral("data"), QByteArray("\x00\xff\x10", 3)},
        {QStringLiteral("date"), QDateTime(QDate(2026, 12, 4), QTime(14, 41, 5), Qt::UTC)},
        {QStringLiteral("array"),
         QVariantList{qlonglong{1}, QStringLiteral("two"), QVariantList{}}},
        {QStringLiteral("dict"), QVariantMap{{QStringLiteral("nested"), false}}},
    };
    const auto read = readPropertyList(writePropertyList(original));
    ASSERT_TRUE(read.isOk()) << read.error().toStdString();
    EXPECT_EQ(*read, original);
}

TEST(PropertyList, MalformedDocumentsAreRejected) {
    const char* documents[] = {
        "",
        "<plist version=\"1.0\"><dict><key>a</key><true/>", // truncated in the middle of a write
        "<plist version=\"1.0\"><array><true/></array></plist>",    // not a dictionary
        "<plist version=\"1.0\"><dict><key>a</key></dict></plist>", // key without a value
        "<plist version=\"1.0\"><dict><key>a</key><integer>x</integer></dict></plist>",
        "<plist version=\"1.0\"><dict><key>a</key><bogus/></dict></plist>",
        "not xml at all",
    };
    for (const char* doc : documents)
        EXPECT_FALSE(readPropertyList(QByteArray(doc)).isOk()) << doc;

    // Nesting: 64 levels of arrays and dicts (the root among them) are read, one more is
    // corrupt, and 200,000 are refused without reading deeper.
    const auto nested = [](int levels) {
        return "<plist version=\"1.0\"><dict><key>a</key>" +
               QByteArray("<array>").repeated(levels) + QByteArray("</array>").repeated(levels) +
               "</dict></plist>";
    };
    EXPECT_TRUE(readPropertyList(nested(63)).isOk());
    EXPECT_FALSE(readPropertyList(nested(64)).isOk());
    const auto deep = readPropertyList(nested(200000));
    ASSERT_FALSE(deep.isOk());
    EXPECT_TRUE(deep.error().contains(QStringLiteral("nested deeper than 64")))
        << deep.error().toStdString();
}

TEST(PlistFileStorage, CorruptFileIsMovedAsideAndNeverOverwritten) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.plist"));
    writeFile(path, "<plist version=\"1.0\"><dict><key>showAmPm</key><false/>");
    {
        auto files = SettingsFiles::open(dir.path());
        EXPECT_TRUE(files->defaults().get(keys::showAmPm)); // the default applies
        ASSERT_EQ(asideFiles(dir.path()).size(), 1);
        files->defaults().set(keys::largeText, true);
    }
    const QStringList aside = asideFiles(dir.path());
    ASSERT_EQ(aside.size(), 1);
    QFile kept(dir.filePath(aside.first()));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(),
              QByteArray("<plist version=\"1.0\"><dict><key>showAmPm</key><false/>"));
    auto reopened = SettingsFiles::open(dir.path());
    EXPECT_TRUE(reopened->defaults().get(keys::largeText));
}

TEST(PlistFileStorage, WriteReplacesTheFileAtomicallyAndLeavesNoTemporaryFiles) {
    QTemporaryDir dir;
    PlistFileStorage storage(dir.filePath(QStringLiteral("s.plist")));
    for (int i = 0; i < 20; ++i)
        ASSERT_TRUE(storage.update({{QStringLiteral("n"), qlonglong{i}}}, {}).isOk());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              (QStringList{QStringLiteral("s.plist"), QStringLiteral("s.plist.lock")}));
    EXPECT_EQ(storage.load().value(QStringLiteral("n")), QVariant(qlonglong{19}));
}

TEST(PlistFileStorage, TwoProcessesWritingDifferentKeysBothKeepTheirKeys) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.plist"));
    constexpr int kWrites = 150;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        PlistFileStorage storage(path);
        for (int i = 0; i < kWrites; ++i)
            if (!storage
                     .update({{QStringLiteral("child") + QString::number(i % 10), qlonglong{i}}},
                             {})
                     .isOk())
                _exit(1);
        _exit(0);
    }
    PlistFileStorage storage(path);
    for (int i = 0; i < kWrites; ++i)
        ASSERT_TRUE(
            storage.update({{QStringLiteral("parent") + QString::number(i % 10), qlonglong{i}}}, {})
                .isOk());
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const QVariantMap content = storage.load();
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(content.value(QStringLiteral("child") + QString::number(k)),
                  QVariant(qlonglong{kWrites - 10 + k}));
        EXPECT_EQ(content.value(QStringLiteral("parent") + QString::number(k)),
                  QVariant(qlonglong{kWrites - 10 + k}));
    }
}

TEST(PlistFileStorage, AnotherProcessesWriteReachesObserversWithTheChangedKeysOnly) {
    QTemporaryDir dir;
    auto files = SettingsFiles::open(dir.path());
    const Defaults& d = files->defaults();
    d.set(keys::largeText, true);
    QStringList changed;
    auto s1 = d.observe(keys::showAmPm, [&](const KeyChange<bool>& c) {
        changed << QStringLiteral("showAmPm=%1").arg(c.newValue);
    });
    auto s2 = d.observe(keys::largeText,
                        [&](const KeyChange<bool>&) { changed << QStringLiteral("largeText"); });
    // Another process: its own storage object writes one key.
    PlistFileStorage other(dir.filePath(QStringLiteral("settings.plist")));
    ASSERT_TRUE(other.update({{keys::showAmPm.name, false}}, {}).isOk());
    ASSERT_TRUE(ruvo::test::processEventsUntil([&] { return !changed.isEmpty(); }));
    EXPECT_EQ(changed, QStringList{QStringLiteral("showAmPm=0")});
    EXPECT_TRUE(d.get(keys::largeText));
}

// An editor saving in place: the watcher sees the file half written. It counts as corrupt
// only when it is still unreadable after the pause.
TEST(PlistFileStorage, AHalfWrittenFileIsReadAgainAfterAPauseBeforeItIsSetAside) {
    struct Row {
        const char* name;
        bool isCompletedInThePause;
    };
    for (const Row& row : {Row{"completed within the pause", true}, Row{"left broken", false}}) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("s.plist"));
        const QByteArray whole = writePropertyList(
            {{QStringLiteral("showAmPm"), false}, {QStringLiteral("largeText"), true}});
        writeFile(path, whole);
        ruvo::kit::VirtualScheduler scheduler(ruvo::test::at("2026-12-05T10:00:00Z"));
        PlistFileStorage storage(path, &scheduler);
        ASSERT_EQ(storage.load().value(QStringLiteral("showAmPm")), QVariant(false));
        QVariantMap seen;
        int loads = 0;
        storage.watch([&] {
            seen = storage.load();
            ++loads;
        });
        writeFile(path, whole.left(whole.size() / 2)); // in place, as an editor saves
        ASSERT_TRUE(ruvo::test::processEventsUntil([&] { return scheduler.pendingCount() > 0; }));
        EXPECT_EQ(loads, 0);
        if (row.isCompletedInThePause)
            writeFile(path, whole);
        scheduler.advance(PlistFileStorage::kSettleDelay);
        EXPECT_EQ(loads, 1);
        EXPECT_EQ(asideFiles(dir.path()).size(), row.isCompletedInThePause ? 0 : 1);
        EXPECT_EQ(seen.value(QStringLiteral("largeText")),
                  row.isCompletedInThePause ? QVariant(true) : QVariant());
    }
}
