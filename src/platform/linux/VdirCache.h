// SPDX-License-Identifier: GPL-3.0-or-later
// The persistent cache of parsed calendar files: one SQLite row per file with the size,
// modification time and inode it had when parsed, so a start re-parses only files that
// changed. The files stay the source of truth: a cache that cannot be opened or read, or
// was written by another format, is deleted and rebuilt without a word to the user.
#pragma once

#include "kit/AtomicFile.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <map>
#include <vector>

struct sqlite3;

namespace ruvo::platform::vdir {

using FileStamp = kit::FileStamp;

struct CachedFile {
    FileStamp stamp;
    QString fingerprint; // what else the records depend on (the user's addresses)
    QByteArray records;
};

class VdirCache {
public:
    explicit VdirCache(QString path); // empty path: no cache
    ~VdirCache();
    VdirCache(const VdirCache&) = delete;
    VdirCache& operator=(const VdirCache&) = delete;

    bool isOpen() const { return m_db != nullptr; }

    // Calls `visit` for every row whose path starts with `folder` + "/"; `records` points
    // into SQLite's buffer and is valid only during the call.
    using RowVisitor = std::function<void(const QString& path, const CachedFile& row)>;
    void forEachRow(const QString& folder, const RowVisitor& visit);
    // Replaces the rows of `folder` in one transaction: writes `changed`, deletes rows of
    // files that are no longer there.
    void update(const QString& folder, const std::map<QString, CachedFile>& changed,
                const std::vector<QString>& removed);

private:
    bool open();
    void discard(const char* why);
    bool exec(const char* sql);

    QString m_path;
    sqlite3* m_db = nullptr;
};

} // namespace ruvo::platform::vdir
