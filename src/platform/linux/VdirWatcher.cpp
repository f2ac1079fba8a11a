// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirWatcher.h"

#include "platform/linux/VdirLog.h"

#include <QFile>
#include <QSocketNotifier>
#include <sys/inotify.h>
#include <unistd.h>

namespace ruvo::platform::vdir {

namespace {

constexpr uint32_t kMask = IN_CREATE | IN_DELETE | IN_CLOSE_WRITE | IN_MOVED_TO | IN_MOVED_FROM |
                           IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF;

} // namespace

VdirWatcher::VdirWatcher(std::function<void()> onChange) : m_onChange(std::move(onChange)) {
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
            it = m_watches.erase(it);
        } else {
            ++it;
        }
    }
    for (const auto& folder : folders) {
        if (m_watches.count(folder))
            continue;
        const int wd = inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), kMask);
        if (wd >= 0)
            m_watches[folder] = wd;
    }
}

void VdirWatcher::onReadable() {
    alignas(inotify_event) char buffer[8192];
    bool changed = false;
    for (;;) {
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        changed = true;
    }
    // A watch on a folder that was removed ends by itself; the next watch() call renews it.
    if (changed)
        m_onChange();
}

} // namespace ruvo::platform::vdir
