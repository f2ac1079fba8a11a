// SPDX-License-Identifier: GPL-3.0-or-later
// The system date events of a Linux desktop, merged into one publisher: the clock (timerfd),
// the zone (/etc/localtime and timedated), midnight (a timer) and wake (logind). A source whose
// service is missing is left out and logged. The locale has no system event of its own: whoever
// owns a locale choice (the program's setting) reports its changes.
#pragma once

#include "kit/Scheduler.h"
#include "platform/SystemDateEvents.h"
#include "platform/linux/MidnightTimer.h"

#include <QDBusConnection>
#include <QObject>

namespace ruvo::platform {

class ClockChangeWatcher;
class LocalTimeZoneWatcher;
class SleepWatcher;

class LinuxSystemDateEvents final : public QObject, public SystemDateEvents {
    Q_OBJECT
public:
    struct Sources {
        QString localtimePath = QStringLiteral("/etc/localtime");
        QDBusConnection systemBus = QDBusConnection::systemBus();
    };

    // `zoneId` answers the zone midnight is planned in (it changes with the system's).
    LinuxSystemDateEvents(kit::Scheduler& scheduler, std::function<QString()> zoneId,
                          Sources sources, QObject* parent = nullptr);
    ~LinuxSystemDateEvents() override;

    kit::Subscription subscribe(std::function<void(DateEvent)> handler) override;
    void notifyLocaleChanged();

private:
    void send(DateEvent event);

    kit::Signal<DateEvent> m_events;
    ClockChangeWatcher* m_clock;
    LocalTimeZoneWatcher* m_zone;
    SleepWatcher* m_sleep;
    MidnightTimer m_midnight;
};

} // namespace ruvo::platform
