// SPDX-License-Identifier: GPL-3.0-or-later
// What the event list and the join-next-call button read and call, handed in by the menu
// window that embeds them (or a test). The views own none of it; all of it must outlive them.
#pragma once

#include "events/EventQueries.h"
#include "events/HighlightedDays.h"
#include "kit/Environment.h"
#include "kit/Scheduler.h"
#include "kit/Signal.h"
#include "menubar/ClockTimer.h"
#include "platform/StoreChange.h"
#include "settings/Defaults.h"

#include <QDate>
#include <functional>

namespace ruvo::videocalls {
class VideoCallDetector;
}

namespace ruvo::views {

struct EventListDependencies {
    const settings::Defaults& defaults;
    kit::Scheduler& scheduler;  // "now"
    menubar::ClockTicks& ticks; // the minute tick
    kit::Environment environment;
    const events::EventQueries& queries;
    kit::Signal<>& eventsDidChange; // EventsController::eventsDidChange()
    kit::ObservableValue<QDate>& selectedDate;
    events::CalendarDaysHighlightModel& highlightedDays; // written on hover
    videocalls::VideoCallDetector& detector;
    std::function<void(const platform::Event&)> join;
    std::function<void(const platform::Reminder&)> completeReminder;
    // What the latest eventsDidChange touched (EventsController::lastChange()); none: all.
    const platform::StoreChange* eventsChange = nullptr;
};

} // namespace ruvo::views
