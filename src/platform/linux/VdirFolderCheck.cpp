// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirFolderCheck.h"

#include <QCoreApplication>
#include <QThreadPool>
#include <algorithm>

namespace ruvo::platform::vdir {

FolderListings listFolders(const QStringList& folders) {
    FolderListings listings;
    listings.reserve(std::size_t(folders.size()));
    for (const QString& folder : folders) {
        auto stamp = folderStamp(folder);
        listings.push_back({folder, stamp, listFolder(folder)});
    }
    return listings;
}

// Both sides are sorted by name: one walk pairs them.
std::vector<QString> changedFiles(const FileTable& known, const Listing& listed) {
    std::vector<QString> names;
    auto k = known.begin();
    auto l = listed.begin();
    while (k != known.end() || l != listed.end()) {
        if (l == listed.end() || (k != known.end() && k->first < l->first)) {
            names.push_back((k++)->first); // gone
        } else if (k == known.end() || l->first < k->first) {
            names.push_back((l++)->first); // new
        } else {
            if (!(k->second.stamp == l->second))
                names.push_back(l->first);
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
