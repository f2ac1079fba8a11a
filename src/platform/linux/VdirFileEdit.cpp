// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirFileEdit.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace ruvo::platform::vdir {

namespace {

constexpr qint64 kMaxFileSize = 64 * 1024 * 1024; // as the loader's limit
constexpr int kAttempts = 2; // the edit as asked, and once more on another program's version

struct ReadFile {
    QByteArray bytes;
    kit::FileStamp stamp;
};

kit::Result<ReadFile> readWithStamp(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return kit::fail(QStringLiteral("Cannot read %1: %2").arg(path, f.errorString()));
    struct stat st {};
    if (::fstat(f.handle(), &st) != 0)
        return kit::fail(QStringLiteral("Cannot read %1.").arg(path));
    if (st.st_size > kMaxFileSize)
        return kit::fail(QStringLiteral("%1 is too large to edit.").arg(path));
    // The stamp of the open file: whatever writes after this changes the size, the time or
    // (with a rename) the inode, and the replace below notices.
    const kit::FileStamp stamp{qint64(st.st_size),
                               qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                               quint64(st.st_ino)};
    return ReadFile{f.readAll(), stamp};
}

QString canonicalFolderOf(const QString& file) {
    return QFileInfo(QFileInfo(file).absolutePath()).canonicalFilePath();
}

// Whether the change took: false when the file was no longer the version read.
kit::Result<bool> apply(const QString& path, const FileChange& change,
                        const kit::FileStamp& stamp) {
    if (change.kind == FileChange::Kind::remove)
        return removeItemFile(path, stamp);
    kit::ReplaceOptions options;
    options.expected = stamp;
    auto replaced = kit::replaceFile(path, change.text, options);
    if (!replaced)
        return kit::fail(replaced.error());
    return *replaced == kit::ReplaceOutcome::written;
}

} // namespace

kit::Result<bool> removeItemFile(const QString& path, const kit::FileStamp& expected) {
    const QString target = kit::resolveFileLinks(path);
    const bool isLink = target != path;
    const bool isTargetBeside = isLink && canonicalFolderOf(target) == canonicalFolderOf(path);
    auto removed = kit::removeFileIfUnchanged(path, expected);
    if (!removed)
        return kit::fail(removed.error());
    if (*removed != kit::ReplaceOutcome::written)
        return false;
    if (isTargetBeside && !QFile::remove(target))
        return kit::fail(QStringLiteral("Cannot remove %1.").arg(target));
    return true;
}

kit::Result<void> editFile(const QString& path, const FileEdit& edit) {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        auto read = readWithStamp(path);
        if (!read)
            return kit::fail(read.error());
        auto change = edit(read->bytes);
        if (!change)
            return kit::fail(change.error());
        if (change->kind == FileChange::Kind::keep)
            return {};
        auto applied = apply(path, *change, read->stamp);
        if (!applied)
            return kit::fail(applied.error());
        if (*applied)
            return {};
    }
    return kit::fail(
        QCoreApplication::translate("VdirFileEdit", "%1 was changed by another program; try again.")
            .arg(path));
}

} // namespace ruvo::platform::vdir
