// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirSnapshot.h"

#include "platform/linux/VdirLog.h"
#include "platform/linux/VdirSnapshotFormat.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ruvo::platform::vdir {

using namespace snapshot;

QString snapshotFileFor(const QString& cacheFile) {
    return QFileInfo(cacheFile).absolutePath() + QStringLiteral("/calendars.snapshot");
}

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
        header.arenaSize > m_size - header.arena || m_folderTable.count > kMaxFolders)
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
