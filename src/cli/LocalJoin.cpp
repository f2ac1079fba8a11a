// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/LocalJoin.h"

#include "events/CallEventConversion.h"
#include "events/NextCallEvent.h"
#include "events/videocalls/DetectedServiceStore.h"
#include "events/videocalls/VideoCallJoiner.h"

#include <QCoreApplication>

namespace ruvo::cli {

namespace {
automation::ActionError noCalendars(const QString& reason) {
    return {automation::errors::kNoCalendars,
            QCoreApplication::translate("cli", "cannot read the calendars: %1").arg(reason)};
}
} // namespace

automation::ActionResult<bool> joinNextCall(CommandContext& c) {
    if (!c.services.openCalendarStore || !c.services.openUrlOpener ||
        !c.services.openShortcutRunner)
        return noCalendars(QCoreApplication::translate("cli", "not available here"));
    auto store = c.services.openCalendarStore(c);
    if (!store)
        return noCalendars(store.error());
    const events::EventQueries queries(**store, c.defaults, c.environment.timeZoneId);
    const auto opener = c.services.openUrlOpener();
    const auto shortcuts = c.services.openShortcutRunner();
    videocalls::DetectedServiceStore detected;
    videocalls::VideoCallDetector detector(*opener, &detected);
    const auto event = events::nextVideoCallEvent(queries, c.clock.now(), detector);
    if (!event)
        return false;
    videocalls::JoinedRegistry joined;
    videocalls::VideoCallJoiner joiner(detector, *opener, *shortcuts, joined);
    return joiner.join(events::toCallEvent(*event),
                       videocalls::JoinOptions::fromSettings(c.defaults));
}

} // namespace ruvo::cli
