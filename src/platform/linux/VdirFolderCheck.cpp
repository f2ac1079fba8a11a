// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirFolderCheck.h"

#include <QCoreApplication>
#include <QFile>
#include <QThreadPool>
#include <algorithm>

namespace ruvo::platform::vdir {

CompactListing::CompactListing(const QString& folder) {
    forEachFolderFile(folder, [this](const char* name, const FileStamp& stamp) {
        const qsizetype offset = m_names.size();
        m_names += QFile::decodeName(name);
        m_rows.push_back({offset, m_names.size() - offset, stamp});
    });
    m_names.squeeze();
    m_rows.shrink_to_fit();
    std::sort(m_rows.begin(), m_rows.end(), [this](const Row& a, const Row& b) {
        return QStringView(m_names).mid(a.offset, a.length) <
               QStringView(m_names).mid(b.offset, b.length);
    });
}

FolderListings listFolders(const QStringList& folders) {
    FolderListings listings;
    listings.reserve(std::size_t(folders.size()));
    for (const QString& folder : folders) {
        auto stamp = folderStamp(folder);
        listings.push_back({folder, stamp, CompactListing(folder)});
    }
    return listings;
}

// Both sides are sorted by name: one walk pairs them.
std::vector<QString> changedFiles(const FileTable& known, const CompactListing& listed) {
    std::vector<QString> names;
    auto k = known.begin();
    std::size_t l = 0;
    while (k != known.end() || l < listed.size()) {
        if (l == listed.size() || (k != known.end() && QStringView(k->first) < listed.name(l))) {
            names.push_back((k++)->first); // gone
        } else if (k == known.end() || listed.name(l) < QStringView(k->first)) {
            names.push_back(listed.name(l++).toString()); // new
        } else {
            if (!(k->second.stamp == listed.stamp(l)))
                names.push_back(k->first);
            ++k;
            ++l;
        }
    }
    return names;
}

ListingRunner threadPoolListingRunner() {
    return [](std::function<FolderListings()> work, std::function<void(FolderListings)> done) {
        QThreadPool::globalInstance()->start([work = std::move(work), done = std::move(done)] {
            FolderListings listings = work();
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [done, listings = std::move(listings)]() mutable { done(std::move(listings)); },
                Qt::QueuedConnection);
        });
    };
}

} // namespace ruvo::platform::vdir
