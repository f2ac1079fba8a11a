// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the menu-bar item current: composes its title and icon, and recomposes on clock ticks,
// date events, settings changes and appearance changes. Clicks on the item open and close the
// menu window.
//
// Triggers:
// - clock ticks while the time (or a zone clock) is shown: every second with seconds on,
//   else every minute; no subscription otherwise;
// - every system date event;
// - a change of any key the text or icon reads: a full refresh (zone clocks, the clock
//   subscription, the title, and the shared copy of the chosen zones);
// - appearance: debounced by 0.5 s, equal values dropped, at most one redraw per 0.7 s.
#pragma once

#include "kit/Debouncer.h"
#include "kit/Environment.h"
#include "menubar/ClockTimer.h"
#include "menubar/ItemWidthKeeper.h"
#include "platform/StatusItem.h"
#include "platform/SystemDateEvents.h"
#include "settings/Defaults.h"

namespace ruvo::menubar {

class MenuWindowPresenter;
class RemainingEventsCounter;

// Measures `text` in the title's font, in points.
using TextMeasure =
    std::function<double(const QString& text, const platform::StatusItemTextStyle& style)>;

class MenuBarController {
public:
    struct Dependencies {
        settings::Defaults& defaults;
        kit::Scheduler& scheduler;
        ClockTicks& ticks;
        platform::SystemDateEvents& dateEvents;
        std::function<kit::Environment()> environment;
        TextMeasure measure;
        const RemainingEventsCounter* remainingEvents = nullptr;
    };

    explicit MenuBarController(Dependencies dependencies);
    MenuBarController(const MenuBarController&) = delete;
    MenuBarController& operator=(const MenuBarController&) = delete;

    // The item is created by the launch sequence (or the first redraw) and kept to the end.
    void attach(platform::StatusItem& item);
    void setMenuWindow(MenuWindowPresenter* window) { m_window = window; }
    void setRemainingEventsCounter(const RemainingEventsCounter* counter) {
        m_deps.remainingEvents = counter;
    }

    // Composes the title, gives it to the item and returns it.
    QString composeTitle();
    // Zone clocks, the clock subscription, the title and the shared zones.
    void fullRefresh();

    // The click of the item: opens the menu window, or closes it when it is open.
    void onClick(std::optional<QPoint> clickPoint);
    // The same toggle for the other ways in (reopening the program, the shortcut).
    void toggleMenuWindow() { onClick(std::nullopt); }

    void onAppearanceChanged(bool isDark);

    const ClockTimer& clockTimer() const { return m_clock; }
    // Runs after each full refresh (the zone clocks of the menu bar hook in here).
    kit::Signal<>& fullRefreshed() { return m_fullRefreshed; }

private:
    platform::StatusItemTextStyle textStyle() const;
    platform::StatusItemContent content(kit::Instant now, const kit::Environment& env);
    std::optional<platform::StatusItemIcon> icon(kit::Instant now,
                                                 const kit::Environment& env) const;
    void updateClockSubscription();
    void writeSharedTimeZones();
    void onDebouncedAppearance();

    Dependencies m_deps;
    platform::StatusItem* m_item = nullptr;
    MenuWindowPresenter* m_window = nullptr;
    ItemWidthKeeper m_width;
    ClockTimer m_clock;
    kit::Subscription m_dateEvents;
    kit::Subscription m_settings;
    kit::Subscription m_visibility;
    kit::Timer m_setUp;
    bool m_isDark = false;
    bool m_pendingDark = false;
    std::optional<bool> m_lastDeliveredDark;
    bool m_isThrottled = false;
    kit::Timer m_throttle;
    kit::Debouncer m_appearance;
    kit::Signal<> m_fullRefreshed;
};

} // namespace ruvo::menubar
