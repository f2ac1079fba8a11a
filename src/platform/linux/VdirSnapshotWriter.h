// SPDX-License-Identifier: GPL-3.0-or-later
// Writes calendars.snapshot (VdirSnapshot.h) as it goes: each file's records reach the disk
// when they are added, and only the fixed rows (about 50 bytes a file) wait in memory for the
// end, so a picture of any size costs the writer little more than the largest folder it reads.
// The file is replaced atomically and private to the user.
#pragma once

#include "kit/AtomicFile.h"
#include "platform/linux/VdirSnapshot.h"
#include "platform/linux/VdirSnapshotFormat.h"

#include <memory>

namespace ruvo::platform::vdir {

class SnapshotWriter {
public:
    // nullptr when no file can be made beside `path`.
    static std::unique_ptr<SnapshotWriter> create(const QString& path);

    // Folders are numbered in the order they are added; files name their folder's number.
    quint32 addFolder(const SnapshotFolder& folder);
    // A folder's files may come in any order; `place` (the file name's place in its folder)
    // puts them in name order in the picture, the order in which a store meets them and lists
    // events that start together.
    void addFile(quint32 folder, quint32 place, const ParsedFile& parsed, const ZoneTable& zones);
    // Copies the files of the folders of `old` that `newFolderOf` gives a number (indexed by the
    // old folder's number), as they stand. False when a row of `old` cannot be read: the
    // picture is then incomplete and must not be committed.
    bool copyFolders(const VdirSnapshot& old,
                     const std::vector<std::optional<quint32>>& newFolderOf);
    bool commit();

private:
    explicit SnapshotWriter(kit::AtomicStream out);
    snapshot::Ref append(const QByteArray& bytes);
    template <class T> snapshot::TableRow table(const std::vector<T>& rows);
    void putFilesInOrder();

    kit::AtomicStream m_out;
    std::vector<snapshot::FolderRow> m_folders;
    std::vector<snapshot::FileRow> m_files;
    std::vector<quint32> m_places; // of each file in m_files
    std::vector<snapshot::SpanRow> m_singles, m_long, m_series;
    std::vector<snapshot::IndexRow> m_reminders;
};

} // namespace ruvo::platform::vdir
