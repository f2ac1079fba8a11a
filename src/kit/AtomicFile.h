// SPDX-License-Identifier: GPL-3.0-or-later
// Replaces files so that a crash, a full disk or another program leaves either the old
// content or the new one, never half of one: the new text goes to a temporary file in the
// same folder, which is synced, given the old file's mode (and owner and group where the
// system allows it), renamed over the target, and then the folder is synced too.
// A symlink is followed: its target is replaced in the target's own folder and the link stays.
#pragma once

#include "kit/Result.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace ruvo::kit {

// What tells one version of a file from the next: every writer changes one of these.
struct FileStamp {
    qint64 size = -1;
    qint64 mtimeNs = 0;
    quint64 inode = 0;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// The stamp of the file `path` names (through symlinks); nullopt when there is none.
std::optional<FileStamp> fileStamp(const QString& path);

// `path` with the symlinks of its last component followed (a dangling link gives the path it
// points to); `path` itself when it is no link.
QString resolveFileLinks(const QString& path);

struct ReplaceOptions {
    // Replace only while the file still has this stamp (the version the caller read).
    std::optional<FileStamp> expected;
    // Never replace: fail with `nameTaken` when a file of that name exists.
    bool mustBeNew = false;
    // The permission bits of a new file. Without them a new file gets 0644 less the umask,
    // or 0600 when its folder or the files already in it are private to their owner.
    std::optional<unsigned> newFileMode;
};

enum class ReplaceOutcome {
    written,
    changedMeanwhile, // the file no longer has `expected`: nothing was written
    nameTaken,        // `mustBeNew` and the name exists: nothing was written
};

Result<ReplaceOutcome> replaceFile(const QString& path, const QByteArray& bytes,
                                   const ReplaceOptions& options);

// Creates or replaces `path` whatever it holds now.
Result<void> writeFileAtomically(const QString& path, const QByteArray& bytes);

// A new version of a file too large to hold in memory, written piece by piece into a temporary
// file beside it and put in place by `commit` as replaceFile does; a stream dropped before
// that removes its temporary file and leaves the old version.
class AtomicStream {
public:
    static Result<AtomicStream> create(const QString& path, unsigned newFileMode);
    AtomicStream(AtomicStream&& other) noexcept;
    AtomicStream& operator=(AtomicStream&&) = delete;
    AtomicStream(const AtomicStream&) = delete;
    ~AtomicStream();

    void append(const char* data, std::size_t size); // failures show at commit
    quint64 size() const { return m_size; }
    // Overwrites bytes already appended (a header written last).
    void overwrite(quint64 offset, const char* data, std::size_t size);
    Result<void> commit();

private:
    AtomicStream(QString target, QString temporary, int fd);
    bool flush();
    QString m_target;
    QString m_temporary;
    int m_fd = -1;
    QByteArray m_buffer;
    quint64 m_size = 0;
    int m_error = 0;
};

// Removes `path` (a symlink itself, not its target) while what it names still has `expected`.
Result<ReplaceOutcome> removeFileIfUnchanged(const QString& path, const FileStamp& expected);

// For tests: runs with the target's path after the new content is ready and just before the
// check that the target is unchanged, where another program could slip in a write.
void setBeforeReplaceHook(std::function<void(const QString& target)> hook);

} // namespace ruvo::kit
