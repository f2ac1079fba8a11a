// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing files: modes kept or chosen, symlinks followed, another writer never overwritten.
#include "kit/AtomicFile.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace ruvo;

namespace {

void put(const QString& path, const QByteArray& bytes, unsigned mode = 0644) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        qFatal("cannot write a test file");
    ::chmod(QFile::encodeName(path).constData(), mode);
}

QByteArray contentOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

unsigned modeOf(const QString& path) {
    struct stat st {};
    ::lstat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

// Clears the hook however a test ends.
struct HookGuard {
    ~HookGuard() { kit::setBeforeReplaceHook(nullptr); }
};

} // namespace

TEST(AtomicFile, ModesAreKeptForOldFilesAndFollowTheFolderForNewOnes) {
    const mode_t oldMask = ::umask(022);
    struct Row {
        const char* name;
        unsigned folderMode;
        std::optional<unsigned> existing; // the file's mode before, if it exists
        std::optional<unsigned> sibling;  // another file in the folder
        unsigned expected;
    };
    const Row rows[] = {
        {"an old 0600 file stays 0600", 0755, 0600, std::nullopt, 0600},
        {"new beside 0644 files", 0755, std::nullopt, 0644, 0644},
        {"new beside 0600 files", 0755, std::nullopt, 0600, 0600},
        {"new in a private folder", 0700, std::nullopt, std::nullopt, 0600},
        {"new in an empty open folder", 0755, std::nullopt, std::nullopt, 0644},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        const QString folder = dir.path() + QStringLiteral("/f");
        QDir().mkpath(folder);
        const QString path = folder + QStringLiteral("/item.ics");
        if (row.existing)
            put(path, "old", *row.existing);
        if (row.sibling)
            put(folder + QStringLiteral("/other.ics"), "x", *row.sibling);
        ::chmod(QFile::encodeName(folder).constData(), row.folderMode);
        ASSERT_TRUE(kit::writeFileAtomically(path, "new"));
        EXPECT_EQ(contentOf(path), QByteArray("new"));
        EXPECT_EQ(modeOf(path), row.expected);
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), row.sibling ? 2 : 1);
    }
    ::umask(oldMask);
}

TEST(AtomicFile, ASymlinkedFileIsReplacedInItsTargetsFolderAndTheLinkStays) {
    QTemporaryDir dir;
    QDir().mkpath(dir.path() + QStringLiteral("/elsewhere"));
    const QString target = dir.path() + QStringLiteral("/elsewhere/real.ics");
    const QString link = dir.path() + QStringLiteral("/link.ics");
    put(target, "old", 0640);
    ASSERT_TRUE(QFile::link(QStringLiteral("elsewhere/real.ics"), link));
    ASSERT_TRUE(kit::writeFileAtomically(link, "new"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(contentOf(target), QByteArray("new"));
    EXPECT_EQ(modeOf(target), 0640u);
    EXPECT_EQ(kit::resolveFileLinks(link), target);
}

// Another program writes between our read and our rename: its version stays.
TEST(AtomicFile, AFileChangedBeforeTheRenameIsNotReplaced) {
    HookGuard guard;
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/s.plist");
    put(path, "version 1");
    const auto read = kit::fileStamp(path);
    ASSERT_TRUE(read);
    struct Row {
        const char* name;
        QByteArray otherWrite; // empty: nobody writes
        kit::ReplaceOutcome expected;
    };
    const Row rows[] = {
        {"nobody else writes", {}, kit::ReplaceOutcome::written},
        {"a sync tool rewrites it in place", "version 2 from sync",
         kit::ReplaceOutcome::changedMeanwhile},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        put(path, "version 1");
        kit::ReplaceOptions options;
        options.expected = kit::fileStamp(path);
        kit::setBeforeReplaceHook([&](const QString& target) {
            if (!row.otherWrite.isEmpty())
                put(target, row.otherWrite);
        });
        const auto outcome = kit::replaceFile(path, "ours", options);
        ASSERT_TRUE(outcome) << qPrintable(outcome.error());
        EXPECT_EQ(*outcome, row.expected);
        EXPECT_EQ(contentOf(path), row.otherWrite.isEmpty() ? QByteArray("ours") : row.otherWrite);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
    kit::setBeforeReplaceHook(nullptr);
    // A new file never replaces one that appeared under its name.
    kit::ReplaceOptions mustBeNew;
    mustBeNew.mustBeNew = true;
    EXPECT_EQ(*kit::replaceFile(path, "new", mustBeNew), kit::ReplaceOutcome::nameTaken);
    EXPECT_EQ(*kit::removeFileIfUnchanged(path, *read), kit::ReplaceOutcome::changedMeanwhile);
    EXPECT_TRUE(QFile::exists(path));
}

// A write killed between creating its temporary file and the rename leaves that file behind;
// the next write into the folder removes such leftovers once they are clearly abandoned, and
// nothing else.
TEST(AtomicFile, AbandonedTemporaryFilesAreSweptAndNothingElse) {
    QTemporaryDir dir;
    const QString folder = dir.path();
    const struct {
        const char* name;
        int ageSeconds;
        bool isKept;
    } files[] = {
        {".event.ics.0a1b2c3d.tmp", 3600, false}, // an interrupted write of ours
        {".event.ics.0a1b2c3e.tmp", 5, true},     // possibly a write going on right now
        {".event.ics.0A1B2C3D.tmp", 3600, true},  // not a name we make
        {".notes.tmp", 3600, true},
        {"x.0a1b2c3d.tmp", 3600, true}, // not hidden
        {"event.ics", 3600, true},
    };
    for (const auto& f : files) {
        const QString path = folder + QLatin1Char('/') + QLatin1String(f.name);
        put(path, "x");
        const struct timespec times[2] = {{::time(nullptr) - f.ageSeconds, 0},
                                          {::time(nullptr) - f.ageSeconds, 0}};
        ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
    }
    ASSERT_TRUE(kit::writeFileAtomically(folder + QStringLiteral("/other.ics"), "new"));
    for (const auto& f : files)
        EXPECT_EQ(QFileInfo::exists(folder + QLatin1Char('/') + QLatin1String(f.name)), f.isKept)
            << f.name;
}

// A stream larger than its buffer: the old version stays until commit, whole or not at all.
TEST(AtomicFile, AStreamReplacesTheFileOnlyWhenCommitted) {
    struct Case {
        const char* name;
        bool isCommitted;
        bool overwritesPastTheEnd; // a header written where nothing was appended: a failure
        QByteArray expected;       // "" for the whole new content
    };
    const QByteArray big(200'000, 'x'); // three buffers and more
    const Case cases[] = {
        {"committed", true, false, ""},
        {"dropped before commit", false, false, "old"},
        {"a failed write", true, true, "old"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("data"));
        put(path, "old");
        {
            auto stream = kit::AtomicStream::create(path, 0600);
            ASSERT_TRUE(stream);
            auto& s = stream.value();
            s.append("head", 4);
            s.append(big.constData(), std::size_t(big.size()));
            s.append("tail", 4);
            s.overwrite(c.overwritesPastTheEnd ? s.size() : 0, "HEAD", 4);
            if (c.isCommitted) {
                EXPECT_EQ(bool(s.commit()), !c.overwritesPastTheEnd);
            }
        }
        EXPECT_EQ(contentOf(path), c.expected.isEmpty() ? "HEAD" + big + "tail" : c.expected);
        EXPECT_EQ(modeOf(path), c.expected.isEmpty() ? 0600u : 0644u);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
}
