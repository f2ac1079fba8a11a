// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/AtomicFile.h"

#include <QFile>
#include <QMutex>
#include <QRandomGenerator>
#include <QSet>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ruvo::kit {

namespace {

constexpr int kMaxLinks = 40;      // as the kernel's own limit on following symlinks
constexpr int kSampledFiles = 16;  // files looked at to tell whether a folder is private
constexpr int kTemporaryTries = 8; // names tried for the temporary file
// A temporary file of ours this old belongs to a write that was killed: no write takes minutes.
constexpr time_t kStaleSeconds = 10 * 60;
constexpr std::size_t kSweptFolders = 256; // folders remembered as swept, then forgotten

std::function<void(const QString&)>& beforeReplaceHook() {
    static std::function<void(const QString&)> hook;
    return hook;
}

FileStamp stampOf(const struct stat& st) {
    return FileStamp{qint64(st.st_size),
                     qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                     quint64(st.st_ino)};
}

QString systemError(const QString& what, const QString& path, int error) {
    return QStringLiteral("%1 %2: %3")
        .arg(what, path, QString::fromLocal8Bit(std::strerror(error)));
}

QString folderOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QStringLiteral(".") : slash == 0 ? QStringLiteral("/") : path.left(slash);
}

void syncFolder(const QString& folder) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd); // some file systems cannot sync a folder; the rename itself has happened
    ::close(fd);
}

// A new file is private when its folder is, or when the files already in it are.
bool isPrivateFolder(const QString& folder) {
    const QByteArray name = QFile::encodeName(folder);
    struct stat st {};
    if (::stat(name.constData(), &st) == 0 && (st.st_mode & 077) == 0)
        return true;
    DIR* dir = ::opendir(name.constData());
    if (!dir)
        return false;
    int seen = 0;
    bool allPrivate = true;
    while (const dirent* entry = ::readdir(dir)) {
        if (seen >= kSampledFiles)
            break;
        if (entry->d_name[0] == '.')
            continue;
        struct stat file {};
        if (::fstatat(::dirfd(dir), entry->d_name, &file, 0) != 0 || !S_ISREG(file.st_mode))
            continue;
        ++seen;
        allPrivate = allPrivate && (file.st_mode & 077) == 0;
    }
    ::closedir(dir);
    return seen > 0 && allPrivate;
}

// Gives the new file the old one's owner, group and mode, or a new file's mode.
void copyAccess(int fd, const std::optional<struct stat>& old, const QString& folder,
                const ReplaceOptions& options) {
    if (old) {
        // Allowed for root, and for the owner to a group of theirs; otherwise the file
        // becomes ours, as with any editor that saves by renaming.
        if (old->st_uid != ::geteuid() || old->st_gid != ::getegid())
            (void)::fchown(fd, old->st_uid, old->st_gid);
        ::fchmod(fd, old->st_mode & 07777);
    } else if (options.newFileMode) {
        ::fchmod(fd, *options.newFileMode & 07777);
    } else if (isPrivateFolder(folder)) {
        ::fchmod(fd, 0600);
    }
}

struct Temporary {
    QString path;
    int fd = -1;
};

Result<Temporary> createTemporary(const QString& target) {
    const QString folder = folderOf(target);
    const QString base = target.mid(folder.size() + 1);
    for (int i = 0; i < kTemporaryTries; ++i) {
        const QString path =
            QStringLiteral("%1/.%2.%3.tmp")
                .arg(folder, base.left(100))
                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        // 0644 less the umask, as any new file of the user's.
        const int fd = ::open(QFile::encodeName(path).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0)
            return Temporary{path, fd};
        if (errno != EEXIST)
            return fail(systemError(QStringLiteral("Cannot write in"), folder, errno));
    }
    return fail(QStringLiteral("Cannot make a temporary file in %1").arg(folder));
}

// ".<name>.<8 hex digits>.tmp", as createTemporary names them.
bool isTemporaryName(const char* name) {
    const std::size_t length = std::strlen(name);
    if (name[0] != '.' || length < 15 || std::strcmp(name + length - 4, ".tmp") != 0 ||
        name[length - 13] != '.')
        return false;
    for (std::size_t i = length - 12; i < length - 4; ++i)
        if (!std::isxdigit(static_cast<unsigned char>(name[i])) || std::isupper(name[i]))
            return false;
    return true;
}

// Removes the temporary files that killed writes of ours left in `folder`, once per folder and
// process: a calendar folder would otherwise collect one for each interrupted save.
void sweepStaleTemporaries(const QString& folder) {
    static QMutex mutex;
    static QSet<QString> swept;
    {
        const QMutexLocker lock(&mutex);
        if (swept.size() >= qsizetype(kSweptFolders))
            swept.clear();
        if (swept.contains(folder))
            return;
        swept.insert(folder);
    }
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return;
    const time_t staleBefore = ::time(nullptr) - kStaleSeconds;
    while (const dirent* entry = ::readdir(dir)) {
        struct stat st {};
        if (!isTemporaryName(entry->d_name) ||
            ::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && st.st_mtime < staleBefore)
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

bool writeAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// Moves the temporary file to `target`, without replacing anything when `mustBeNew`.
Result<ReplaceOutcome> moveInto(const QString& temporary, const QString& target, bool mustBeNew) {
    const QByteArray from = QFile::encodeName(temporary);
    const QByteArray to = QFile::encodeName(target);
    if (!mustBeNew) {
        if (::rename(from.constData(), to.constData()) != 0)
            return fail(systemError(QStringLiteral("Cannot replace"), target, errno));
        return ReplaceOutcome::written;
    }
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return ReplaceOutcome::written;
    if (errno == EINVAL || errno == ENOSYS) { // a file system without RENAME_NOREPLACE
        if (::link(from.constData(), to.constData()) == 0) {
            ::unlink(from.constData());
            return ReplaceOutcome::written;
        }
    }
    if (errno == EEXIST)
        return ReplaceOutcome::nameTaken;
    return fail(systemError(QStringLiteral("Cannot write"), target, errno));
}

bool isStill(const QString& path, const std::optional<FileStamp>& expected) {
    return !expected || fileStamp(path) == expected;
}

} // namespace

std::optional<FileStamp> fileStamp(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    return stampOf(st);
}

QString resolveFileLinks(const QString& path) {
    QString current = path;
    for (int i = 0; i < kMaxLinks; ++i) {
        const QByteArray name = QFile::encodeName(current);
        struct stat st {};
        if (::lstat(name.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        QByteArray target(PATH_MAX, Qt::Uninitialized);
        const ssize_t n = ::readlink(name.constData(), target.data(), std::size_t(target.size()));
        if (n <= 0 || n >= target.size())
            return current;
        target.truncate(n);
        const QString next = QFile::decodeName(target);
        current =
            next.startsWith(QLatin1Char('/')) ? next : folderOf(current) + QLatin1Char('/') + next;
    }
    return current;
}

Result<ReplaceOutcome> replaceFile(const QString& path, const QByteArray& bytes,
                                   const ReplaceOptions& options) {
    const QString target = resolveFileLinks(path);
    std::optional<struct stat> old;
    if (struct stat st{}; ::lstat(QFile::encodeName(target).constData(), &st) == 0)
        old = st;
    if (options.mustBeNew && old)
        return ReplaceOutcome::nameTaken;
    if (options.expected && (!old || stampOf(*old) != *options.expected))
        return ReplaceOutcome::changedMeanwhile;
    auto temporary = createTemporary(target);
    if (!temporary)
        return fail(temporary.error());
    const Temporary& t = *temporary;
    copyAccess(t.fd, old, folderOf(target), options);
    const bool isWritten = writeAll(t.fd, bytes) && ::fsync(t.fd) == 0;
    const int error = errno;
    ::close(t.fd);
    auto dropTemporary = [&] { ::unlink(QFile::encodeName(t.path).constData()); };
    if (!isWritten) {
        dropTemporary();
        return fail(systemError(QStringLiteral("Cannot write"), target, error));
    }
    if (beforeReplaceHook())
        beforeReplaceHook()(target);
    if (!isStill(target, options.expected)) {
        dropTemporary();
        return ReplaceOutcome::changedMeanwhile;
    }
    auto moved = moveInto(t.path, target, options.mustBeNew);
    if (!moved || *moved != ReplaceOutcome::written) {
        dropTemporary();
        return moved;
    }
    syncFolder(folderOf(target));
    sweepStaleTemporaries(folderOf(target));
    return ReplaceOutcome::written;
}

Result<void> writeFileAtomically(const QString& path, const QByteArray& bytes) {
    auto written = replaceFile(path, bytes, {});
    if (!written)
        return fail(written.error());
    return {};
}

Result<ReplaceOutcome> removeFileIfUnchanged(const QString& path, const FileStamp& expected) {
    if (beforeReplaceHook())
        beforeReplaceHook()(resolveFileLinks(path));
    if (!isStill(path, expected))
        return ReplaceOutcome::changedMeanwhile;
    if (::unlink(QFile::encodeName(path).constData()) != 0)
        return fail(systemError(QStringLiteral("Cannot remove"), path, errno));
    syncFolder(folderOf(path));
    return ReplaceOutcome::written;
}

void setBeforeReplaceHook(std::function<void(const QString&)> hook) {
    beforeReplaceHook() = std::move(hook);
}

namespace {
constexpr qsizetype kStreamBuffer = 1 << 16;
}

Result<AtomicStream> AtomicStream::create(const QString& path, unsigned newFileMode) {
    const QString target = resolveFileLinks(path);
    auto temporary = createTemporary(target);
    if (!temporary)
        return fail(temporary.error());
    ::fchmod(temporary->fd, newFileMode & 07777);
    return AtomicStream(target, temporary->path, temporary->fd);
}

AtomicStream::AtomicStream(QString target, QString temporary, int fd)
    : m_target(std::move(target)), m_temporary(std::move(temporary)), m_fd(fd) {
    m_buffer.reserve(kStreamBuffer);
}

AtomicStream::AtomicStream(AtomicStream&& other) noexcept
    : m_target(std::move(other.m_target)), m_temporary(std::move(other.m_temporary)),
      m_fd(std::exchange(other.m_fd, -1)), m_buffer(std::move(other.m_buffer)),
      m_size(other.m_size), m_error(other.m_error) {}

AtomicStream::~AtomicStream() {
    if (m_fd < 0)
        return;
    ::close(m_fd);
    ::unlink(QFile::encodeName(m_temporary).constData());
}

bool AtomicStream::flush() {
    errno = 0;
    if (m_error == 0 && !writeAll(m_fd, m_buffer))
        m_error = errno ? errno : EIO;
    m_buffer.resize(0); // keeps its capacity
    return m_error == 0;
}

void AtomicStream::append(const char* data, std::size_t size) {
    m_size += size;
    if (m_buffer.size() + qsizetype(size) > kStreamBuffer)
        flush();
    if (qsizetype(size) <= kStreamBuffer) {
        m_buffer.append(data, qsizetype(size));
        return;
    }
    errno = 0;
    if (m_error == 0 && !writeAll(m_fd, QByteArray::fromRawData(data, qsizetype(size))))
        m_error = errno ? errno : EIO;
}

void AtomicStream::overwrite(quint64 offset, const char* data, std::size_t size) {
    if (!flush())
        return;
    if (offset + size > m_size || ::pwrite(m_fd, data, size, off_t(offset)) != ssize_t(size))
        m_error = errno ? errno : EIO;
}

Result<void> AtomicStream::commit() {
    const bool isWritten = flush() && ::fsync(m_fd) == 0;
    const int error = isWritten ? 0 : (m_error ? m_error : errno);
    ::close(std::exchange(m_fd, -1));
    const QByteArray temporary = QFile::encodeName(m_temporary);
    if (!isWritten ||
        ::rename(temporary.constData(), QFile::encodeName(m_target).constData()) != 0) {
        const int failure = isWritten ? errno : error;
        ::unlink(temporary.constData());
        return fail(systemError(QStringLiteral("Cannot write"), m_target, failure));
    }
    syncFolder(folderOf(m_target));
    sweepStaleTemporaries(folderOf(m_target));
    return {};
}

} // namespace ruvo::kit
