// SPDX-License-Identifier: GPL-3.0-or-later
// What the world-clock views read and write, handed in by whoever embeds them (the menu
// window, the settings window, tests). The views own none of it.
#pragma once

#include "kit/Environment.h"
#include "kit/Scheduler.h"
#include "kit/Signal.h"
#include "menubar/ClockTimer.h"
#include "settings/Defaults.h"
#include "timezones/TimeTravelWelcome.h"
#include "timezones/TimeZoneOffset.h"

#include <QDate>
#include <QUuid>
#include <functional>
#include <optional>

namespace ruvo::views {

struct WorldClockContext {
    const settings::Defaults& defaults;
    kit::Scheduler& scheduler;
    menubar::ClockTicks& ticks;
    // Asked at every refresh: the system zone and the locale can change while the views live.
    std::function<kit::Environment()> environment;
    timezones::TimeZoneOffset& offset;
    kit::ObservableValue<QDate>& selectedDate;
    timezones::TimeTravelWelcome& timeTravelWelcome;
    // The entry whose panel clock opened the menu window (its row is outlined); none when
    // the window was opened otherwise.
    kit::ObservableValue<std::optional<QUuid>>* openedFromEntry = nullptr;
    // Opens the edit window for an entry ("Edit" in a row's menu).
    std::function<void(QUuid)> editEntry;
};

// True when Option (Alt) alone is held: quarter-hour steps.
bool isOnlyOptionHeld();

} // namespace ruvo::views
