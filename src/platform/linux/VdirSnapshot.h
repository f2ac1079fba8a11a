// SPDX-License-Identifier: GPL-3.0-or-later
// A picture of every decoded calendar file for the commands, written beside the SQLite cache
// after a load; its tables are read through one mmap. Records stay in their encoded form in one
// arena; fixed rows point into it by offset: single events sorted by start, long events and series
// apart, files with open reminders apart. A query for a week decodes the files of the events near
// the week and of the series, not every file: it costs pages, not one decode per event. The file is
// bytes from disk: every offset and length is checked before use, and a picture whose folders no
// longer have the stamps it was made from is not used. Why and when it is trusted:
// docs/adr/0009-a-snapshot-for-the-commands.md
#pragma once

#include "platform/linux/VdirLoader.h"

#include <memory>
#include <optional>
#include <vector>

namespace ruvo::platform::vdir {

// A folder as the picture was made from it.
struct SnapshotFolder {
    QString folder;
    QString fingerprint; // the user's addresses the records were made with
    FolderStamp stamp;
    // When its files were last checked one by one (seconds, system clock); zero when they were
    // read but the folder's stamp was too fresh to record.
    qint64 verifiedAt = 0;
    bool hasEvents = false;
    bool hasReminders = false;
};

// calendars.snapshot beside the cache file.
QString snapshotFileFor(const QString& cacheFile);

class VdirSnapshot {
public:
    // nullptr when the file is missing, of another version, or its tables do not fit in it.
    static std::unique_ptr<VdirSnapshot> open(const QString& path);
    ~VdirSnapshot();
    VdirSnapshot(const VdirSnapshot&) = delete;
    VdirSnapshot& operator=(const VdirSnapshot&) = delete;

    const std::vector<SnapshotFolder>& folders() const { return m_folders; }

    // The files (ascending, each once) with an event that may overlap [fromUtc, toUtc), in
    // seconds since the epoch: more rather than fewer, the caller's index picks the events.
    std::vector<quint32> eventFiles(qint64 fromUtc, qint64 toUtc) const;
    std::vector<quint32> reminderFiles() const;

    struct File {
        quint32 folder;
        QByteArray records;
    };
    // nullopt when the row's offsets leave the arena.
    std::optional<File> file(quint32 index) const;

private:
    VdirSnapshot() = default;
    bool readHeader();
    bool readFolders();

    int m_fd = -1;
    const char* m_data = nullptr;
    std::size_t m_size = 0;
    friend class SnapshotWriter; // copies unchanged folders' rows from an older picture
    struct Table {
        quint64 offset = 0;
        quint64 count = 0;
    };
    Table m_folderTable, m_files, m_singles, m_long, m_series, m_reminders;
    quint64 m_arena = 0;
    quint64 m_arenaSize = 0;
    std::vector<SnapshotFolder> m_folders;
};

} // namespace ruvo::platform::vdir
