// SPDX-License-Identifier: GPL-3.0-or-later
// A folder's calendar files as they stand on disk, and which of them differ from the files in
// memory. The running program lists its folders this way away from the main thread: a
// listing with one stat per file costs most of a second on a few hundred thousand files.
#pragma once

#include "platform/linux/VdirLoader.h"

#include <functional>
#include <optional>

namespace ruvo::platform::vdir {

// A folder's files sorted by name, held in two blocks however many there are: a thread that
// made a few hundred thousand small strings would leave them behind, freed but fragmenting
// its heap, for as long as the program runs.
class CompactListing {
public:
    explicit CompactListing(const QString& folder);

    std::size_t size() const { return m_rows.size(); }
    QStringView name(std::size_t i) const {
        return QStringView(m_names).mid(m_rows[i].offset, m_rows[i].length);
    }
    const FileStamp& stamp(std::size_t i) const { return m_rows[i].stamp; }

private:
    struct Row {
        qsizetype offset;
        qsizetype length;
        FileStamp stamp;
    };
    QString m_names;
    std::vector<Row> m_rows;
};

struct FolderListing {
    QString folder;
    std::optional<FolderStamp> stamp; // taken before the files were listed
    CompactListing files;
};
using FolderListings = std::vector<FolderListing>;

// Lists `folders`; safe on any thread (it reads nothing but the disk).
FolderListings listFolders(const QStringList& folders);

// The names of the files that are new on disk, gone from it or of another stamp, in name order.
std::vector<QString> changedFiles(const FileTable& known, const CompactListing& listed);

// Runs `work` away from the main thread and hands its result to `done` on the main thread.
using ListingRunner = std::function<void(std::function<FolderListings()> work,
                                         std::function<void(FolderListings)> done)>;
// On Qt's global thread pool, delivering through the application's event loop.
ListingRunner threadPoolListingRunner();

} // namespace ruvo::platform::vdir
