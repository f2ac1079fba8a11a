// SPDX-License-Identifier: GPL-3.0-or-later
// The byte layout of calendars.snapshot, shared by its reader and its writer: a header, then
// the arena (strings and every file's encoded records), then the fixed-size tables, each
// aligned to 8 bytes. Raise kVersion whenever a row or the order of the tables changes.
#pragma once

#include <QtGlobal>
#include <cstring>

namespace ruvo::platform::vdir::snapshot {

constexpr quint32 kVersion = 1;
constexpr char kMagic[8] = {'R', 'U', 'V', 'O', 'S', 'N', 'A', 'P'};
constexpr quint32 kByteOrder = 0x01020304;
constexpr quint64 kMaxFileSize = quint64(4) << 30;
constexpr quint64 kMaxFolders = 100000;

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
    qint64 verifiedAt; // zero: the folder was read but its stamp could not be recorded
    quint32 flags;     // 1 events, 2 reminders
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

} // namespace ruvo::platform::vdir::snapshot
