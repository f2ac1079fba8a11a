// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/UserCalendarStore.h"

#include <QEventLoop>
#include <QTimer>

namespace ruvo::platform {

UserCalendarStore::UserCalendarStore(vdir::VdirStoreOptions vdirOptions, bool useEds) {
    if (useEds) {
        m_eds = std::make_unique<eds::EdsCalendarStore>(
            eds::EdsStoreOptions{vdirOptions.timeZoneId, vdirOptions.clock});
        addStore(*m_eds, QStringLiteral("eds"));
    }
    if (!vdirOptions.scheduler && vdirOptions.isLeftAtExit) {
        m_snapshot = std::make_unique<vdir::VdirSnapshotStore>(vdirOptions);
        addStore(*m_snapshot, QStringLiteral("vdir"));
    } else {
        m_vdir = std::make_unique<vdir::VdirCalendarStore>(vdirOptions);
        addStore(*m_vdir, QStringLiteral("vdir"));
    }
}

UserCalendarStore::~UserCalendarStore() {
    clearStores();
}

kit::Result<void> UserCalendarStore::load() {
    if (m_eds)
        m_eds->start();
    return m_snapshot ? m_snapshot->load() : m_vdir->load();
}

void UserCalendarStore::setTimeZone(const QString& zoneId) {
    if (m_snapshot)
        m_snapshot->setTimeZone(zoneId);
    else
        m_vdir->setTimeZone(zoneId);
    if (m_eds)
        m_eds->setTimeZone(zoneId);
}

void UserCalendarStore::waitForSources(std::chrono::milliseconds limit) {
    if (!m_eds || m_eds->isSettled())
        return;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    auto settled = m_eds->settled().connect([&loop] { loop.quit(); });
    deadline.start(limit);
    loop.exec();
}

bool isEdsWanted() {
    const QByteArray backends = qgetenv("RUVO_CALENDAR_BACKENDS");
    return backends.isEmpty() || backends.split(',').contains("eds");
}

kit::Result<std::unique_ptr<CalendarStore>> openUserCalendars(const QString& configDirectory,
                                                              const QString& timeZoneId,
                                                              const kit::Clock& clock,
                                                              kit::Scheduler* watchOn) {
    auto options = vdir::userStoreOptions(configDirectory, timeZoneId, clock);
    options.scheduler = watchOn;
    options.isLeftAtExit = true;
    auto store = std::make_unique<UserCalendarStore>(std::move(options), isEdsWanted());
    if (auto loaded = store->load(); !loaded)
        return kit::fail(loaded.error());
    store->waitForSources(UserCalendarStore::kCommandWait);
    return std::unique_ptr<CalendarStore>(std::move(store));
}

} // namespace ruvo::platform
