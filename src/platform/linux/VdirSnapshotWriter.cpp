// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirSnapshotWriter.h"

#include "platform/linux/VdirLog.h"

#include <algorithm>
#include <numeric>

namespace ruvo::platform::vdir {

using namespace snapshot;

namespace {

SpanRow seriesSpan(const SeriesRecord& s, quint32 file) {
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

} // namespace

std::unique_ptr<SnapshotWriter> SnapshotWriter::create(const QString& path) {
    auto out = kit::AtomicStream::create(path, 0600); // it holds what the calendar files hold
    if (!out) {
        qCInfo(lcVdir, "Cannot write the calendar snapshot: %s", qUtf8Printable(out.error()));
        return nullptr;
    }
    return std::unique_ptr<SnapshotWriter>(new SnapshotWriter(std::move(out).value()));
}

SnapshotWriter::SnapshotWriter(kit::AtomicStream out) : m_out(std::move(out)) {
    const Header blank{};
    m_out.append(reinterpret_cast<const char*>(&blank), sizeof blank); // written at the end
}

Ref SnapshotWriter::append(const QByteArray& bytes) {
    const Ref ref{m_out.size() - sizeof(Header), quint64(bytes.size())};
    m_out.append(bytes.constData(), std::size_t(bytes.size()));
    return ref;
}

quint32 SnapshotWriter::addFolder(const SnapshotFolder& f) {
    const quint32 flags = (f.hasEvents ? 1u : 0u) | (f.hasReminders ? 2u : 0u);
    m_folders.push_back(FolderRow{append(f.folder.toUtf8()), append(f.fingerprint.toUtf8()),
                                  f.stamp.stamp.size, f.stamp.stamp.mtimeNs, f.stamp.stamp.inode,
                                  f.stamp.ctimeNs, f.verifiedAt, flags, 0});
    return quint32(m_folders.size() - 1);
}

void SnapshotWriter::addFile(quint32 folder, quint32 place, const ParsedFile& parsed,
                             const ZoneTable& zones) {
    const bool hasOpenReminder =
        std::any_of(parsed.reminders.begin(), parsed.reminders.end(),
                    [](const Reminder& r) { return !r.isCompleted && r.due; });
    if (parsed.singles.empty() && parsed.series.empty() && !hasOpenReminder)
        return;
    const auto file = quint32(m_files.size());
    m_files.push_back(FileRow{append(encodeParsedFile(parsed, zones)), folder, 0});
    m_places.push_back(place);
    for (const SingleRecord& s : parsed.singles) {
        const SpanRow span{s.times.start, s.times.start + s.times.duration, file, 0};
        (s.times.duration > kShortSpan ? m_long : m_singles).push_back(span);
    }
    for (const SeriesRecord& s : parsed.series)
        m_series.push_back(seriesSpan(s, file));
    if (hasOpenReminder)
        m_reminders.push_back(IndexRow{file});
}

// One pass over the old file rows, then one over each table of the old picture, renumbering
// the files that were copied. Bounded by the old tables' row counts, checked when it was opened.
bool SnapshotWriter::copyFolders(const VdirSnapshot& old,
                                 const std::vector<std::optional<quint32>>& newFolderOf) {
    constexpr quint32 kNotCopied = ~quint32(0);
    std::vector<quint32> newFileOf(std::size_t(old.m_files.count), kNotCopied);
    for (quint64 i = 0; i < old.m_files.count; ++i) {
        const auto row = rowAt<FileRow>(old.m_data, old.m_files.offset, i);
        if (row.folder >= newFolderOf.size() || !newFolderOf[row.folder])
            continue;
        const auto file = old.file(quint32(i));
        if (!file)
            return false;
        newFileOf[i] = quint32(m_files.size());
        m_files.push_back(FileRow{append(file->records), *newFolderOf[row.folder], 0});
        m_places.push_back(quint32(i)); // the old picture holds them in name order
    }
    const auto copy = [&](const VdirSnapshot::Table& from, auto& into) {
        using Row = typename std::decay_t<decltype(into)>::value_type;
        for (quint64 i = 0; i < from.count; ++i) {
            Row row = rowAt<Row>(old.m_data, from.offset, i);
            if (row.file >= newFileOf.size())
                return false;
            if (newFileOf[row.file] == kNotCopied)
                continue;
            row.file = newFileOf[row.file];
            into.push_back(row);
        }
        return true;
    };
    return copy(old.m_singles, m_singles) && copy(old.m_long, m_long) &&
           copy(old.m_series, m_series) && copy(old.m_reminders, m_reminders);
}

template <class T> TableRow SnapshotWriter::table(const std::vector<T>& rows) {
    static const char zeros[8] = {};
    m_out.append(zeros, std::size_t((8 - m_out.size() % 8) % 8));
    const TableRow t{m_out.size(), rows.size()};
    m_out.append(reinterpret_cast<const char*>(rows.data()), rows.size() * sizeof(T));
    return t;
}

// Files by folder and place, the tables renumbered to match. The records stay where they were
// written: a store reads them by offset.
void SnapshotWriter::putFilesInOrder() {
    std::vector<quint32> order(m_files.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [this](quint32 a, quint32 b) {
        return std::pair(m_files[a].folder, m_places[a]) <
               std::pair(m_files[b].folder, m_places[b]);
    });
    std::vector<quint32> numberOf(m_files.size());
    std::vector<FileRow> files;
    files.reserve(m_files.size());
    for (quint32 file : order) {
        numberOf[file] = quint32(files.size());
        files.push_back(m_files[file]);
    }
    m_files = std::move(files);
    for (auto* rows : {&m_singles, &m_long, &m_series})
        for (SpanRow& row : *rows)
            row.file = numberOf[row.file];
    for (IndexRow& row : m_reminders)
        row.file = numberOf[row.file];
    std::sort(m_reminders.begin(), m_reminders.end(),
              [](const IndexRow& a, const IndexRow& b) { return a.file < b.file; });
}

bool SnapshotWriter::commit() {
    putFilesInOrder();
    std::sort(m_singles.begin(), m_singles.end(),
              [](const SpanRow& a, const SpanRow& b) { return a.first < b.first; });
    Header header{};
    std::memcpy(header.magic, kMagic, sizeof kMagic);
    header.version = kVersion;
    header.byteOrder = kByteOrder;
    header.arena = sizeof(Header);
    header.arenaSize = m_out.size() - sizeof(Header);
    header.folders = table(m_folders);
    header.files = table(m_files);
    header.singles = table(m_singles);
    header.longs = table(m_long);
    header.series = table(m_series);
    header.reminders = table(m_reminders);
    header.size = m_out.size();
    m_out.overwrite(0, reinterpret_cast<const char*>(&header), sizeof header);
    if (auto done = m_out.commit(); !done) {
        qCInfo(lcVdir, "Cannot write the calendar snapshot: %s", qUtf8Printable(done.error()));
        return false;
    }
    return true;
}

} // namespace ruvo::platform::vdir
