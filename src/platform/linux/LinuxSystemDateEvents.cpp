// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/LinuxSystemDateEvents.h"

#include "platform/linux/ClockChangeWatcher.h"
#include "platform/linux/LocalTimeZoneWatcher.h"
#include "platform/linux/SleepWatcher.h"

namespace ruvo::platform {

LinuxSystemDateEvents::LinuxSystemDateEvents(kit::Scheduler& scheduler,
                                             std::function<QString()> zoneId, Sources sources,
                                             QObject* parent)
    : QObject(parent), m_clock(new ClockChangeWatcher(this)),
      m_zone(new LocalTimeZoneWatcher(sources.localtimePath, sources.systemBus, this)),
      m_sleep(new SleepWatcher(sources.systemBus, scheduler, this)),
      m_midnight(scheduler, std::move(zoneId), [this] { send(DateEvent::dayChanged); }) {
    connect(m_clock, &ClockChangeWatcher::clockChanged, this,
            [this] { send(DateEvent::clockChanged); });
    connect(m_zone, &LocalTimeZoneWatcher::timeZoneChanged, this,
            [this] { send(DateEvent::timeZoneChanged); });
    connect(m_sleep, &SleepWatcher::woke, this, [this] { send(DateEvent::wake); });
    m_midnight.replan();
}

LinuxSystemDateEvents::~LinuxSystemDateEvents() = default;

kit::Subscription LinuxSystemDateEvents::subscribe(std::function<void(DateEvent)> handler) {
    return m_events.connect(std::move(handler));
}

void LinuxSystemDateEvents::notifyLocaleChanged() {
    send(DateEvent::localeChanged);
}

void LinuxSystemDateEvents::send(DateEvent event) {
    // Midnight is planned on elapsed time: any of these can move it.
    if (event != DateEvent::localeChanged && event != DateEvent::dayChanged)
        m_midnight.replan();
    m_events.emit(event);
}

} // namespace ruvo::platform
