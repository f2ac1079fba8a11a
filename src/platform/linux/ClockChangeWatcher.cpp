// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/ClockChangeWatcher.h"

#include "platform/linux/PlatformLog.h"

#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <sys/timerfd.h>
#include <unistd.h>

namespace ruvo::platform {

ClockChangeWatcher::ClockChangeWatcher(QObject* parent) : QObject(parent) {
    m_fd = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_fd < 0 || !arm()) {
        qCWarning(lcPlatform) << "clock changes are not watched: timerfd:" << strerror(errno);
        if (m_fd >= 0)
            close(m_fd);
        m_fd = -1;
        return;
    }
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ClockChangeWatcher::onReadable);
}

ClockChangeWatcher::~ClockChangeWatcher() {
    if (m_fd >= 0)
        close(m_fd);
}

bool ClockChangeWatcher::arm() {
    // Absolute and far away: it never expires, it is only ever cancelled.
    itimerspec spec{};
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    spec.it_value.tv_sec = now.tv_sec + 100L * 365 * 24 * 3600;
    return timerfd_settime(m_fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &spec, nullptr) == 0;
}

void ClockChangeWatcher::onReadable() {
    quint64 expirations = 0;
    const ssize_t n = read(m_fd, &expirations, sizeof expirations);
    if (n < 0 && errno == ECANCELED) {
        arm();
        Q_EMIT clockChanged();
        return;
    }
    if (n < 0 && errno == EAGAIN)
        return;
    arm(); // expired (a clock 100 years ahead): arm again
}

} // namespace ruvo::platform
