// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirWatcher.h"

#include "platform/linux/VdirLog.h"

#include <QFile>
#include <QSocketNotifier>
#include <cstring>
#include <sys/inotify.h>
#include <unistd.h>

namespace ruvo::platform::vdir {

namespace {

constexpr uint32_t kMask = IN_CREATE | IN_DELETE | IN_CLOSE_WRITE | IN_MOVED_TO | IN_MOVED_FROM |
                           IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF;

} // namespace

std::size_t DiskChanges::fileCount() const {
    std::size_t count = 0;
    for (const auto& [folder, names] : files)
        count += names.size();
    return count;
}

void DiskChanges::merge(DiskChanges&& other) {
    isRescanNeeded |= other.isRescanNeeded;
    for (auto& [folder, names] : other.files)
        files[folder].merge(names);
}

void DiskChanges::add(const QString& folder, uint32_t mask, const char* name) {
    if (mask & IN_IGNORED)
        return; // a watch ended; the event that ended it says why
    if (folder.isEmpty() || (mask & (IN_Q_OVERFLOW | IN_ISDIR | IN_DELETE_SELF | IN_MOVE_SELF)) ||
        !name || !*name) {
        isRescanNeeded = true;
        return;
    }
    const std::size_t length = std::strlen(name);
    if (name[0] == '.')
        return;
    if (length > 4 && std::strcmp(name + length - 4, ".ics") == 0)
        files[folder].insert(QFile::decodeName(name));
    else
        isRescanNeeded = true; // a name or colour file, or something the loader may take up
}

VdirWatcher::VdirWatcher(std::function<void(DiskChanges)> onChange)
    : m_onChange(std::move(onChange)) {
    m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_fd < 0) {
        qCWarning(lcVdir, "Cannot watch calendar folders: inotify_init1 failed");
        return;
    }
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] { onReadable(); });
}

VdirWatcher::~VdirWatcher() {
    if (m_fd >= 0)
        ::close(m_fd);
}

void VdirWatcher::watch(const QStringList& folders) {
    if (m_fd < 0)
        return;
    for (auto it = m_watches.begin(); it != m_watches.end();) {
        if (!folders.contains(it->first)) {
            inotify_rm_watch(m_fd, it->second);
            m_folders.erase(it->second);
            it = m_watches.erase(it);
        } else {
            ++it;
        }
    }
    for (const auto& folder : folders) {
        if (m_watches.count(folder))
            continue;
        const int wd = inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), kMask);
        if (wd >= 0) {
            m_watches[folder] = wd;
            m_folders[wd] = folder;
        }
    }
}

void VdirWatcher::onReadable() {
    alignas(inotify_event) char buffer[8192];
    DiskChanges changes;
    for (;;) {
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        for (ssize_t at = 0; at + ssize_t(sizeof(inotify_event)) <= n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            const auto folder = m_folders.find(event->wd);
            changes.add(folder == m_folders.end() ? QString() : folder->second, event->mask,
                        event->len > 0 ? event->name : nullptr);
            at += ssize_t(sizeof(inotify_event) + event->len);
        }
    }
    // A watch on a folder that was removed ends by itself; the next watch() call renews it.
    if (!changes.isEmpty())
        m_onChange(std::move(changes));
}

} // namespace ruvo::platform::vdir
