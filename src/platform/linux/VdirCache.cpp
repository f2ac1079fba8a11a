// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirCache.h"

#include "platform/linux/VdirLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace ruvo::platform::vdir {

namespace {

// 1: files only; 2: folders added; 3: files stored in path order, with no index beside them,
// so that a folder's rows are one range of the table. Older caches keep their rows: they are
// copied once into the ordered table, and version 1 gains the folders table.
constexpr int kSchemaVersion = 3;

constexpr std::chrono::milliseconds kUpgradeWait{5000};

constexpr const char* kUpgrade[] = {
    "CREATE TABLE IF NOT EXISTS files(path TEXT PRIMARY KEY, size INTEGER, mtime INTEGER, "
    "inode INTEGER, fingerprint TEXT, records BLOB)",
    "DROP TABLE IF EXISTS ordered_files",
    "CREATE TABLE ordered_files(path TEXT PRIMARY KEY, size INTEGER, mtime INTEGER, "
    "inode INTEGER, fingerprint TEXT, records BLOB) WITHOUT ROWID",
    "INSERT INTO ordered_files SELECT path, size, mtime, inode, fingerprint, records FROM files",
    "DROP TABLE files",
    "ALTER TABLE ordered_files RENAME TO files",
    "CREATE TABLE IF NOT EXISTS folders(path TEXT PRIMARY KEY, size INTEGER, mtime INTEGER, "
    "inode INTEGER, ctime INTEGER, fingerprint TEXT, files INTEGER, verified INTEGER)",
};

struct Statement {
    sqlite3_stmt* stmt = nullptr;
    Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr); }
    ~Statement() { sqlite3_finalize(stmt); }
    bool isValid() const { return stmt != nullptr; }
    void bind(int i, const QString& s) {
        const QByteArray utf8 = s.toUtf8();
        sqlite3_bind_text(stmt, i, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }
};

// Text from byte `from` of a column into `into`, reusing its memory: a row's name costs no
// allocation.
void columnTextInto(sqlite3_stmt* stmt, int i, int from, QString& into) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
    const int bytes = sqlite3_column_bytes(stmt, i);
    const int size = std::max(bytes - from, 0);
    into.resize(size); // UTF-8 never takes fewer bytes than UTF-16 code units
    if (size == 0)
        return;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QChar* end = utf8.appendToBuffer(into.data(), QByteArrayView(text + from, size));
    into.resize(end - into.constData());
}

QString columnText(sqlite3_stmt* stmt, int i) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)),
                             sqlite3_column_bytes(stmt, i));
}

// The cache copies titles, notes and attendees out of calendar files that are usually readable
// by their owner alone, so it is kept as private: the file 0600 (SQLite gives its -wal and -shm
// files the same mode) in a folder of ours that is 0700. Caches made before are tightened.
void makePrivate(const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    QDir().mkpath(folder);
    ::chmod(QFile::encodeName(folder).constData(), 0700);
    for (const char* suffix : {"", "-wal", "-shm"}) {
        const QByteArray file = QFile::encodeName(path + QLatin1String(suffix));
        const int flags = O_WRONLY | O_CLOEXEC | O_NOFOLLOW | (*suffix ? 0 : O_CREAT);
        const int fd = ::open(file.constData(), flags, 0600);
        if (fd < 0)
            continue;
        ::fchmod(fd, 0600);
        ::close(fd);
    }
}

} // namespace

std::optional<FolderStamp> folderStamp(const QString& folder) {
    struct stat st {};
    if (::stat(QFile::encodeName(folder).constData(), &st) != 0)
        return std::nullopt;
    const auto ns = [](const timespec& t) { return qint64(t.tv_sec) * 1000000000 + t.tv_nsec; };
    return FolderStamp{{qint64(st.st_size), ns(st.st_mtim), quint64(st.st_ino)}, ns(st.st_ctim)};
}

VdirCache::VdirCache(QString path) : m_path(std::move(path)) {
    if (!m_path.isEmpty() && !open()) {
        discard("it cannot be opened");
        open();
    }
}

VdirCache::~VdirCache() {
    sqlite3_close_v2(m_db);
}

bool VdirCache::open() {
    makePrivate(m_path);
    // One thread uses a connection at a time: without SQLite's own lock every column read of
    // fifty thousand rows costs no mutex.
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(QFile::encodeName(m_path).constData(), &m_db, flags, nullptr) !=
        SQLITE_OK) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
        return false;
    }
    exec("PRAGMA journal_mode=WAL");
    exec("PRAGMA synchronous=NORMAL");
    exec("PRAGMA cache_size=-1024"); // rows are read once per start; a small page cache does
    const int stored = storedVersion();
    // A cache already at this version is only read here: a command that changes nothing
    // writes nothing.
    const bool isCurrent =
        stored == kSchemaVersion || (stored >= 0 && stored < kSchemaVersion && upgrade(stored));
    if (!isCurrent) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
    return isCurrent;
}

// -1 when it cannot be read.
int VdirCache::storedVersion() {
    Statement version(m_db, "PRAGMA user_version");
    if (!version.isValid() || sqlite3_step(version.stmt) != SQLITE_ROW)
        return -1;
    return sqlite3_column_int(version.stmt, 0);
}

// The panel and a command may open an old cache at the same moment: the second waits for the
// first's upgrade and then finds the cache current.
bool VdirCache::upgrade(int stored) {
    sqlite3_busy_timeout(m_db, int(kUpgradeWait.count()));
    const bool isBegun = exec("BEGIN IMMEDIATE");
    sqlite3_busy_timeout(m_db, 0);
    if (!isBegun)
        return false;
    if (storedVersion() == kSchemaVersion)
        return exec("COMMIT");
    const bool isDone =
        std::all_of(std::begin(kUpgrade), std::end(kUpgrade),
                    [this](const char* sql) { return exec(sql); }) &&
        exec(QByteArray("PRAGMA user_version=" + QByteArray::number(kSchemaVersion)).constData()) &&
        exec("COMMIT");
    if (!isDone)
        exec("ROLLBACK");
    else if (stored > 0)
        exec("VACUUM"); // the old table's pages back to the system
    return isDone;
}

void VdirCache::discard(const char* why) {
    qCInfo(lcVdir, "Rebuilding the calendar cache %s: %s", qUtf8Printable(m_path), why);
    sqlite3_close_v2(m_db);
    m_db = nullptr;
    for (const char* suffix : {"", "-wal", "-shm"})
        QFile::remove(m_path + QLatin1String(suffix));
}

void VdirCache::releaseMemory() {
    if (m_db)
        sqlite3_db_release_memory(m_db);
}

bool VdirCache::exec(const char* sql) {
    return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

void VdirCache::forEachRow(const QString& folder, const RowVisitor& visit) {
    if (!m_db)
        return;
    Statement q(m_db, "SELECT path, size, mtime, inode, fingerprint, records FROM files "
                      "WHERE path >= ?1 AND path < ?2 ORDER BY path");
    if (!q.isValid()) {
        discard("it cannot be read");
        open();
        return;
    }
    const QByteArray prefix = (folder + QLatin1Char('/')).toUtf8();
    q.bind(1, folder + QLatin1Char('/'));
    q.bind(2, folder + QLatin1Char('0')); // '0' follows '/'
    QString name;
    CachedFile row; // its buffers reused from row to row
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(q.stmt)) == SQLITE_ROW) {
        row.stamp = {sqlite3_column_int64(q.stmt, 1), sqlite3_column_int64(q.stmt, 2),
                     quint64(sqlite3_column_int64(q.stmt, 3))};
        columnTextInto(q.stmt, 4, 0, row.fingerprint);
        row.records =
            QByteArray::fromRawData(static_cast<const char*>(sqlite3_column_blob(q.stmt, 5)),
                                    sqlite3_column_bytes(q.stmt, 5));
        columnTextInto(q.stmt, 0, int(prefix.size()), name);
        visit(name, row);
    }
    if (rc != SQLITE_DONE) {
        discard("it cannot be read");
        open();
    }
}

bool VdirCache::update(const QString&, const std::map<QString, CachedFile>& changed,
                       const std::vector<QString>& removed) {
    if (!m_db)
        return false;
    if (changed.empty() && removed.empty())
        return true;
    exec("BEGIN");
    {
        Statement put(m_db, "INSERT OR REPLACE INTO files VALUES (?1, ?2, ?3, ?4, ?5, ?6)");
        Statement drop(m_db, "DELETE FROM files WHERE path = ?1");
        if (!put.isValid() || !drop.isValid()) {
            exec("ROLLBACK");
            return false;
        }
        for (const auto& [path, row] : changed) {
            put.bind(1, path);
            sqlite3_bind_int64(put.stmt, 2, row.stamp.size);
            sqlite3_bind_int64(put.stmt, 3, row.stamp.mtimeNs);
            sqlite3_bind_int64(put.stmt, 4, qint64(row.stamp.inode));
            put.bind(5, row.fingerprint);
            sqlite3_bind_blob(put.stmt, 6, row.records.constData(), int(row.records.size()),
                              SQLITE_STATIC);
            sqlite3_step(put.stmt);
            sqlite3_reset(put.stmt);
        }
        for (const auto& path : removed) {
            drop.bind(1, path);
            sqlite3_step(drop.stmt);
            sqlite3_reset(drop.stmt);
        }
    }
    if (!exec("COMMIT")) {
        exec("ROLLBACK");
        qCWarning(lcVdir, "Could not write the calendar cache %s", qUtf8Printable(m_path));
        return false;
    }
    return true;
}

std::optional<CachedFolder> VdirCache::folder(const QString& folder) {
    if (!m_db)
        return std::nullopt;
    Statement q(m_db, "SELECT size, mtime, inode, ctime, fingerprint, files, verified "
                      "FROM folders WHERE path = ?1");
    if (!q.isValid())
        return std::nullopt;
    q.bind(1, folder);
    if (sqlite3_step(q.stmt) != SQLITE_ROW)
        return std::nullopt;
    const FileStamp stamp{sqlite3_column_int64(q.stmt, 0), sqlite3_column_int64(q.stmt, 1),
                          quint64(sqlite3_column_int64(q.stmt, 2))};
    return CachedFolder{{stamp, sqlite3_column_int64(q.stmt, 3)},
                        columnText(q.stmt, 4),
                        sqlite3_column_int64(q.stmt, 5),
                        sqlite3_column_int64(q.stmt, 6)};
}

void VdirCache::setFolder(const QString& folder, const CachedFolder& row) {
    if (!m_db)
        return;
    Statement put(m_db, "INSERT OR REPLACE INTO folders VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
    if (!put.isValid())
        return;
    put.bind(1, folder);
    sqlite3_bind_int64(put.stmt, 2, row.stamp.stamp.size);
    sqlite3_bind_int64(put.stmt, 3, row.stamp.stamp.mtimeNs);
    sqlite3_bind_int64(put.stmt, 4, qint64(row.stamp.stamp.inode));
    sqlite3_bind_int64(put.stmt, 5, row.stamp.ctimeNs);
    put.bind(6, row.fingerprint);
    sqlite3_bind_int64(put.stmt, 7, row.files);
    sqlite3_bind_int64(put.stmt, 8, row.verifiedAt);
    sqlite3_step(put.stmt);
}

void VdirCache::forgetFolder(const QString& folder) {
    if (!m_db)
        return;
    Statement drop(m_db, "DELETE FROM folders WHERE path = ?1");
    if (!drop.isValid())
        return;
    drop.bind(1, folder);
    sqlite3_step(drop.stmt);
}

} // namespace ruvo::platform::vdir
