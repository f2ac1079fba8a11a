// SPDX-License-Identifier: GPL-3.0-or-later
// The persistent cache of parsed calendar files: one SQLite row per file with the size,
// modification time and inode it had when parsed, so a start re-parses only files that
// changed. The files stay the source of truth: a cache that cannot be opened or read, or
// was written by a newer format, is deleted and rebuilt without a word to the user.
//
// Beside the files it keeps one row per folder: the folder's own stamp when every file in it
// was last checked one by one. A folder whose stamp has not moved since has had no file
// added, removed or renamed into it, which is how sync tools and Ruvo itself change files.
// What that trust costs and what guards it: docs/adr/0007-trusting-unchanged-calendar-folders.md
#pragma once

#include "kit/AtomicFile.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <map>
#include <optional>
#include <vector>

struct sqlite3;

namespace ruvo::platform::vdir {

using FileStamp = kit::FileStamp;

struct CachedFile {
    FileStamp stamp;
    QString fingerprint; // what else the records depend on (the user's addresses)
    QByteArray records;
};

// A folder's stamp, with its change time: no tool can set that one back, so a folder made
// again (or restored with its old times) on a reused inode is still told apart.
struct FolderStamp {
    FileStamp stamp;
    qint64 ctimeNs = 0;
    friend bool operator==(const FolderStamp&, const FolderStamp&) = default;
};
std::optional<FolderStamp> folderStamp(const QString& folder);

struct CachedFolder {
    FolderStamp stamp;
    QString fingerprint;
    qint64 files = 0;      // the rows the folder had when it was checked
    qint64 verifiedAt = 0; // seconds since the epoch, on the system's clock
};

class VdirCache {
public:
    explicit VdirCache(QString path); // empty path: no cache
    ~VdirCache();
    VdirCache(const VdirCache&) = delete;
    VdirCache& operator=(const VdirCache&) = delete;

    bool isOpen() const { return m_db != nullptr; }

    // Calls `visit` for every row whose path starts with `folder` + "/", with the rest of the
    // path; `name` and `row` are valid only during the call.
    using RowVisitor = std::function<void(QStringView name, const CachedFile& row)>;
    void forEachRow(const QString& folder, const RowVisitor& visit);
    // Replaces the rows of `folder` in one transaction: writes `changed`, deletes rows of
    // files that are no longer there.
    // False when the cache could not be written.
    bool update(const QString& folder, const std::map<QString, CachedFile>& changed,
                const std::vector<QString>& removed);

    std::optional<CachedFolder> folder(const QString& folder);
    void setFolder(const QString& folder, const CachedFolder& row);
    void forgetFolder(const QString& folder);
    // Hands back the pages SQLite keeps of the file: a running program reads the cache at its
    // start and then only after changes.
    void releaseMemory();

private:
    bool open();
    int storedVersion();
    bool upgrade(int stored); // from an older version, or from 0: a new file
    void discard(const char* why);
    bool exec(const char* sql);

    QString m_path;
    sqlite3* m_db = nullptr;
};

} // namespace ruvo::platform::vdir
