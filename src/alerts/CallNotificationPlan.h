// SPDX-License-Identifier: GPL-3.0-or-later
// Which call notifications are due from an instant: the video calls of the enabled calendars
// starting within the horizon (not all-day, exclusion rules and duplicates applied), without
// the joined and the muted ones, only in the calendars chosen for notifications, each with
// the instant it fires (`notifyForVideoCallsDurationBefore` before its start). A fire instant
// that has already passed is left out: such a notification is never posted late. The running
// program's controller and `ruvo alerts` both plan through it.
#pragma once

#include "events/videocalls/CallEvent.h"
#include "kit/Clock.h"
#include "platform/CalendarStore.h"
#include "settings/Defaults.h"
#include "settings/Keys.h"

#include <functional>

namespace ruvo::alerts {

struct PlannedCallNotification {
    platform::Event event;
    QString serviceName; // "Zoom", "Google Meet"...; empty when the link names none
    kit::Instant fireAt;

    // One key per occurrence: repeating events share their identifier.
    QString key() const;
};

class CallNotificationPlanner {
public:
    using ServiceOf = std::function<std::optional<videocalls::Service>(const platform::Event&)>;
    using IsJoined = std::function<bool(const platform::Event&)>;

    // How far ahead the running program plans; it plans again well before this runs out.
    static constexpr kit::Milliseconds kHorizon{3600 * 1000};

    // `steady` measures the exclusion rules' time limit.
    CallNotificationPlanner(platform::CalendarStore& store, const settings::Defaults& defaults,
                            const kit::Clock& steady, ServiceOf serviceOf, IsJoined isJoined);

    // In fire order.
    std::vector<PlannedCallNotification> plan(kit::Instant now,
                                              kit::Milliseconds horizon = kHorizon) const;

private:
    std::vector<platform::Event> videoCalls(kit::Instant now, kit::Milliseconds horizon) const;
    bool isSkipped(const platform::Event& event, const std::vector<QString>& muted,
                   const settings::StringSet& calendars) const;

    platform::CalendarStore& m_store;
    const settings::Defaults& m_defaults;
    const kit::Clock& m_steady;
    ServiceOf m_serviceOf;
    IsJoined m_isJoined;
};

} // namespace ruvo::alerts
