// SPDX-License-Identifier: GPL-3.0-or-later
// The user's calendars as the program and the commands open them: Evolution Data Server's
// calendars when its registry answers on the session bus, and the vdir folders as always, in one
// store. The EDS calendars arrive asynchronously; a command waits a bounded time for them.
#pragma once

#include "platform/linux/CompositeCalendarStore.h"
#include "platform/linux/EdsCalendarStore.h"
#include "platform/linux/VdirCalendarStore.h"
#include "platform/linux/VdirSnapshotStore.h"

#include <chrono>

namespace ruvo::platform {

class UserCalendarStore final : public CompositeCalendarStore {
public:
    // How long a command waits for the EDS sources to connect and load before it answers with
    // what it has: a local calendar loads in well under a second, an offline account may never.
    static constexpr std::chrono::milliseconds kCommandWait{3000};

    // A store that does not watch the folders and is left at exit (a command's) answers from
    // the snapshot when it can (VdirSnapshotStore.h).
    UserCalendarStore(vdir::VdirStoreOptions vdirOptions, bool useEds);
    ~UserCalendarStore() override;

    // Loads the vdir folders and asks for the EDS registry (without waiting for it). Fails only
    // when the vdir sources file or default store cannot be read or made.
    kit::Result<void> load();
    void setTimeZone(const QString& zoneId);
    // Runs the event loop until every EDS source has loaded or failed, or `limit` passed.
    void waitForSources(std::chrono::milliseconds limit);

private:
    std::unique_ptr<vdir::VdirCalendarStore> m_vdir;
    std::unique_ptr<vdir::VdirSnapshotStore> m_snapshot; // instead of m_vdir, for a command
    std::unique_ptr<eds::EdsCalendarStore> m_eds;
};

// The user's calendars for a command: loaded, with the EDS sources waited for (kCommandWait).
// RUVO_CALENDAR_BACKENDS=vdir leaves EDS out. With `watchOn` the folders are watched on disk,
// for a command that runs until it is stopped.
kit::Result<std::unique_ptr<CalendarStore>> openUserCalendars(const QString& configDirectory,
                                                              const QString& timeZoneId,
                                                              const kit::Clock& clock,
                                                              kit::Scheduler* watchOn = nullptr);

// Whether EDS is wanted: not when RUVO_CALENDAR_BACKENDS names only other back ends.
bool isEdsWanted();

} // namespace ruvo::platform
