// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/SleepWatcher.h"

#include "platform/linux/PlatformLog.h"

namespace ruvo::platform {

using namespace std::chrono_literals;

SleepWatcher::SleepWatcher(const QDBusConnection& systemBus, kit::Scheduler& scheduler,
                           QObject* parent)
    : QObject(parent), m_scheduler(scheduler) {
    m_isWatching =
        systemBus.isConnected() &&
        QDBusConnection(systemBus).connect(
            QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"),
            this, SLOT(onPrepareForSleep(bool)));
    if (!m_isWatching)
        qCInfo(lcPlatform) << "wake from sleep is not watched: no system bus";
}

void SleepWatcher::onPrepareForSleep(bool goingToSleep) {
    if (goingToSleep) {
        m_delay.cancel();
        return;
    }
    m_delay = m_scheduler.after(1s, [this] { Q_EMIT woke(); });
}

} // namespace ruvo::platform
