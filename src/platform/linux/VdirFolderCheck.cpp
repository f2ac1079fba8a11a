// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirFolderCheck.h"

#include <QCoreApplication>
#include <QFile>
#include <QThreadPool>
#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

namespace ruvo::platform::vdir {

Listing listFolder(const QString& folder) {
    Listing result;
    const QByteArray path = QFile::encodeName(folder);
    DIR* dir = ::opendir(path.constData());
    if (!dir)
        return result;
    const int fd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const std::size_t length = std::strlen(entry->d_name);
        if (length < 5 || std::strcmp(entry->d_name + length - 4, ".ics") != 0 ||
            entry->d_name[0] == '.')
            continue;
        struct stat st {};
        if (::fstatat(fd, entry->d_name, &st, 0) != 0 || !S_ISREG(st.st_mode))
            continue;
        result.emplace_back(QFile::decodeName(entry->d_name),
                            FileStamp{qint64(st.st_size),
                                      qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                                      quint64(st.st_ino)});
    }
    ::closedir(dir);
    std::sort(result.begin(), result.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    return result;
}

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
