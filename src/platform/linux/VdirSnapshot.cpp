// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirSnapshot.h"

#include "kit/AtomicFile.h"
#include "platform/linux/VdirLog.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ruvo::platform::vdir {

namespace {

// Raised whenever a row below or the order of the tables changes.
constexpr quint32 kVersion = 1;
constexpr char kMagic[8] = {'R', 'U', 'V', 'O', 'S', 'N', 'A', 'P'};
constexpr quint32 kByteOrder = 0x01020304;
constexpr quint64 kMaxFileSize = quint64(4) << 30;

// Wall-clock starts differ from UTC by less than a day in every zone, DST included.
constexpr qint64 kZoneSlack = 2 * 86400;
// Single events longer than this sit in a table that every query reads whole.
constexpr qint64 kShortSpan = 7 * 86400;

struct Ref { // bytes in the arena
    quint64 offset;
    quint64 size;
};
struct TableRow {
    quint64 offset;
    quint64 count;
};
struct Header {
    char magic[8];
    quint32 version;
    quint32 byteOrder;
    quint64 size;
    TableRow folders, files, singles, longs, series, reminders;
    quint64 arena;
    quint64 arenaSize;
};
struct FolderRow {
    Ref folder;
    Ref fingerprint;
    qint64 size;
    qint64 mtimeNs;
    quint64 inode;
    qint64 ctimeNs;
    qint64 verifiedAt;
    quint32 flags; // 1 events, 2 reminders
    quint32 unused;
};
struct FileRow {
    Ref records;
    quint32 folder;
    quint32 unused;
};
struct SpanRow { // wall-clock seconds of the first start and the last end
    qint64 first;
    qint64 last;
    quint32 file;
    quint32 unused;
};
struct IndexRow {
    quint32 file;
};

template <class T> T rowAt(const char* data, quint64 offset, quint64 i) {
    T row;
    std::memcpy(&row, data + offset + i * sizeof(T), sizeof(T));
    return row;
}

// --- writing ---

// The arena comes right after the header and grows in `m_out` as files are added; the
// tables follow it. Records every query reads (series, long events, reminders) come first;
// the other files' records follow sorted by their first start, so that a week's events lie
// together and a query maps those pages and few more.
class Writer {
public:
    Writer() : m_out(sizeof(Header), '\0') {}

    void addFolder(const Collection& c, const CachedFolder& row) {
        const quint32 flags = (c.hasEvents ? 1u : 0u) | (c.hasReminders ? 2u : 0u);
        m_folders.push_back(FolderRow{bytes(c.info.folder.toUtf8()),
                                      bytes(row.fingerprint.toUtf8()), row.stamp.stamp.size,
                                      row.stamp.stamp.mtimeNs, row.stamp.stamp.inode,
                                      row.stamp.ctimeNs, row.verifiedAt, flags, 0});
    }
    void addFile(quint32 folder, const ParsedFile& parsed, const ZoneTable& zones) {
        const bool hasOpenReminder =
            std::any_of(parsed.reminders.begin(), parsed.reminders.end(),
                        [](const Reminder& r) { return !r.isCompleted && r.due; });
        if (parsed.singles.empty() && parsed.series.empty() && !hasOpenReminder)
            return;
        const auto file = quint32(m_files.size());
        const bool isAlwaysRead =
            !parsed.series.empty() || hasOpenReminder ||
            std::any_of(parsed.singles.begin(), parsed.singles.end(),
                        [](const SingleRecord& s) { return s.times.duration > kShortSpan; });
        QByteArray records = encodeParsedFile(parsed, zones);
        if (isAlwaysRead) {
            m_files.push_back(FileRow{bytes(records), folder, 0});
        } else {
            m_files.push_back(FileRow{{0, quint64(records.size())}, folder, 0});
            m_later.push_back(Later{parsed.singles.front().times.start, file, std::move(records)});
        }
        for (const SingleRecord& s : parsed.singles) {
            const SpanRow span{s.times.start, s.times.start + s.times.duration, file, 0};
            (s.times.duration > kShortSpan ? m_long : m_singles).push_back(span);
        }
        for (const SeriesRecord& s : parsed.series)
            m_series.push_back(seriesSpan(s, file));
        if (hasOpenReminder)
            m_reminders.push_back(IndexRow{file});
    }
    QByteArray finish();

private:
    struct Later {
        LocalSeconds start;
        quint32 file;
        QByteArray records;
    };
    static SpanRow seriesSpan(const SeriesRecord& s, quint32 file) {
        LocalSeconds first = s.times.start;
        LocalSeconds last = s.lastStart;
        if (!s.rdates.empty()) {
            first = std::min(first, s.rdates.front());
            last = last == kNoEnd ? kNoEnd : std::max(last, s.rdates.back());
        }
        if (last != kNoEnd)
            last = last > kNoEnd - s.times.duration ? kNoEnd : last + s.times.duration;
        return SpanRow{first, last, file, 0};
    }
    Ref bytes(const QByteArray& b) {
        const Ref ref{quint64(m_out.size()) - sizeof(Header), quint64(b.size())};
        m_out.append(b);
        return ref;
    }
    template <class T> TableRow table(const std::vector<T>& rows) {
        m_out.append(QByteArray((8 - m_out.size() % 8) % 8, '\0'));
        const TableRow t{quint64(m_out.size()), rows.size()};
        m_out.append(reinterpret_cast<const char*>(rows.data()),
                     qsizetype(rows.size()) * qsizetype(sizeof(T)));
        return t;
    }

    QByteArray m_out;
    std::vector<FolderRow> m_folders;
    std::vector<FileRow> m_files;
    std::vector<SpanRow> m_singles, m_long, m_series;
    std::vector<IndexRow> m_reminders;
    std::vector<Later> m_later;
};

QByteArray Writer::finish() {
    std::sort(m_later.begin(), m_later.end(),
              [](const Later& a, const Later& b) { return a.start < b.start; });
    for (Later& later : m_later) // each freed once copied, so the records are held once
        m_files[later.file].records.offset = bytes(std::exchange(later.records, {})).offset;
    std::sort(m_singles.begin(), m_singles.end(),
              [](const SpanRow& a, const SpanRow& b) { return a.first < b.first; });
    Header header{};
    std::memcpy(header.magic, kMagic, sizeof kMagic);
    header.version = kVersion;
    header.byteOrder = kByteOrder;
    header.arena = sizeof(Header);
    header.arenaSize = quint64(m_out.size()) - sizeof(Header);
    header.folders = table(m_folders);
    header.files = table(m_files);
    header.singles = table(m_singles);
    header.longs = table(m_long);
    header.series = table(m_series);
    header.reminders = table(m_reminders);
    header.size = quint64(m_out.size());
    std::memcpy(m_out.data(), &header, sizeof header);
    return std::exchange(m_out, {});
}

} // namespace

QString snapshotFileFor(const QString& cacheFile) {
    return QFileInfo(cacheFile).absolutePath() + QStringLiteral("/calendars.snapshot");
}

bool writeSnapshot(const QString& path, const std::vector<Collection>& collections,
                   const std::vector<CachedFolder>& folders, const ZoneTable& zones) {
    if (collections.size() != folders.size())
        return false;
    Writer writer;
    for (std::size_t i = 0; i < collections.size(); ++i) {
        writer.addFolder(collections[i], folders[i]);
        for (const auto& [name, entry] : collections[i].files)
            if (!entry.isBroken)
                writer.addFile(quint32(i), entry.parsed, zones);
    }
    kit::ReplaceOptions options;
    options.newFileMode = 0600; // it holds what the calendar files hold
    const auto written = kit::replaceFile(path, writer.finish(), options);
    if (!written) {
        qCInfo(lcVdir, "Cannot write the calendar snapshot: %s", qUtf8Printable(written.error()));
        return false;
    }
    return true;
}

// --- reading ---

std::unique_ptr<VdirSnapshot> VdirSnapshot::open(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return nullptr;
    struct stat st {};
    const bool isUsable = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
                          quint64(st.st_size) >= sizeof(Header) &&
                          quint64(st.st_size) <= kMaxFileSize;
    void* data = isUsable ? ::mmap(nullptr, std::size_t(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0)
                          : MAP_FAILED;
    if (data == MAP_FAILED) {
        ::close(fd);
        return nullptr;
    }
    std::unique_ptr<VdirSnapshot> snapshot(new VdirSnapshot);
    snapshot->m_fd = fd;
    snapshot->m_data = static_cast<const char*>(data);
    snapshot->m_size = std::size_t(st.st_size);
    if (!snapshot->readHeader() || !snapshot->readFolders()) {
        qCInfo(lcVdir, "Ignoring the calendar snapshot %s: it is not one of this version",
               qUtf8Printable(path));
        return nullptr;
    }
    return snapshot;
}

VdirSnapshot::~VdirSnapshot() {
    if (m_data)
        ::munmap(const_cast<char*>(m_data), m_size);
    if (m_fd >= 0)
        ::close(m_fd);
}

bool VdirSnapshot::readHeader() {
    const auto header = rowAt<Header>(m_data, 0, 0);
    if (std::memcmp(header.magic, kMagic, sizeof kMagic) != 0 || header.version != kVersion ||
        header.byteOrder != kByteOrder || header.size != m_size)
        return false;
    const auto fits = [this](const TableRow& t, std::size_t rowSize, Table& into) {
        into = {t.offset, t.count};
        return t.offset >= sizeof(Header) && t.offset <= m_size &&
               t.count <= (m_size - t.offset) / rowSize;
    };
    if (!fits(header.folders, sizeof(FolderRow), m_folderTable) ||
        !fits(header.files, sizeof(FileRow), m_files) ||
        !fits(header.singles, sizeof(SpanRow), m_singles) ||
        !fits(header.longs, sizeof(SpanRow), m_long) ||
        !fits(header.series, sizeof(SpanRow), m_series) ||
        !fits(header.reminders, sizeof(IndexRow), m_reminders) || header.arena > m_size ||
        header.arenaSize > m_size - header.arena || m_folderTable.count > 100000)
        return false;
    m_arena = header.arena;
    m_arenaSize = header.arenaSize;
    m_folders.resize(std::size_t(m_folderTable.count));
    return true;
}

bool VdirSnapshot::readFolders() {
    const auto text = [this](const Ref& ref, QString& into) {
        if (ref.offset > m_arenaSize || ref.size > m_arenaSize - ref.offset)
            return false;
        into = QString::fromUtf8(m_data + m_arena + ref.offset, qsizetype(ref.size));
        return true;
    };
    for (std::size_t i = 0; i < m_folders.size(); ++i) {
        const auto row = rowAt<FolderRow>(m_data, m_folderTable.offset, i);
        SnapshotFolder& f = m_folders[i];
        if (!text(row.folder, f.folder) || !text(row.fingerprint, f.fingerprint))
            return false;
        f.stamp = FolderStamp{{row.size, row.mtimeNs, row.inode}, row.ctimeNs};
        f.verifiedAt = row.verifiedAt;
        f.hasEvents = (row.flags & 1) != 0;
        f.hasReminders = (row.flags & 2) != 0;
    }
    return true;
}

std::vector<quint32> VdirSnapshot::eventFiles(qint64 fromUtc, qint64 toUtc) const {
    const qint64 from = fromUtc - kZoneSlack;
    const qint64 to = toUtc + kZoneSlack;
    std::vector<quint32> files;
    // Single events sorted by start: the first one that may reach `from`, by bisection.
    quint64 low = 0;
    quint64 high = m_singles.count;
    while (low < high) {
        const quint64 middle = low + (high - low) / 2;
        if (rowAt<SpanRow>(m_data, m_singles.offset, middle).first < from - kShortSpan)
            low = middle + 1;
        else
            high = middle;
    }
    for (quint64 i = low; i < m_singles.count; ++i) {
        const auto row = rowAt<SpanRow>(m_data, m_singles.offset, i);
        if (row.first >= to)
            break;
        if (row.last >= from)
            files.push_back(row.file);
    }
    for (const Table* table : {&m_long, &m_series})
        for (quint64 i = 0; i < table->count; ++i) {
            const auto row = rowAt<SpanRow>(m_data, table->offset, i);
            if (row.first < to && row.last >= from)
                files.push_back(row.file);
        }
    std::sort(files.begin(), files.end());
    files.erase(std::unique(files.begin(), files.end()), files.end());
    return files;
}

std::vector<quint32> VdirSnapshot::reminderFiles() const {
    std::vector<quint32> files;
    files.reserve(std::size_t(m_reminders.count));
    for (quint64 i = 0; i < m_reminders.count; ++i)
        files.push_back(rowAt<IndexRow>(m_data, m_reminders.offset, i).file);
    // Written ascending; a damaged table must not have a file decoded twice.
    std::sort(files.begin(), files.end());
    files.erase(std::unique(files.begin(), files.end()), files.end());
    return files;
}

std::optional<VdirSnapshot::File> VdirSnapshot::file(quint32 index) const {
    if (index >= m_files.count)
        return std::nullopt;
    const auto row = rowAt<FileRow>(m_data, m_files.offset, index);
    if (row.records.offset > m_arenaSize || row.records.size > m_arenaSize - row.records.offset ||
        row.folder >= m_folders.size())
        return std::nullopt;
    // Read, not mapped: the kernel maps a file's pages in large pieces, which would put most
    // of the snapshot into the process's memory for a few scattered records.
    QByteArray records(qsizetype(row.records.size), Qt::Uninitialized);
    const auto read = ::pread(m_fd, records.data(), std::size_t(records.size()),
                              off_t(m_arena + row.records.offset));
    if (read != records.size())
        return std::nullopt;
    return File{row.folder, std::move(records)};
}

} // namespace ruvo::platform::vdir
