// SPDX-License-Identifier: GPL-3.0-or-later
// Learns that the machine woke: logind's PrepareForSleep(false), passed on one second later
// (the system needs a moment to settle its clock and network).
#pragma once

#include "kit/Scheduler.h"

#include <QDBusConnection>
#include <QObject>

namespace ruvo::platform {

class SleepWatcher : public QObject {
    Q_OBJECT
public:
    SleepWatcher(const QDBusConnection& systemBus, kit::Scheduler& scheduler,
                 QObject* parent = nullptr);

    bool isWatching() const { return m_isWatching; }

Q_SIGNALS:
    void woke();

private Q_SLOTS:
    void onPrepareForSleep(bool goingToSleep);

private:
    kit::Scheduler& m_scheduler;
    kit::Timer m_delay;
    bool m_isWatching = false;
};

} // namespace ruvo::platform
