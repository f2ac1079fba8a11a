// SPDX-License-Identifier: GPL-3.0-or-later
// The world-clock entries that have a clock of their own in the panel: one status item per
// entry with "show in panel" on, titled with the entry's title, the weekday when the zone's
// day differs, and its time; its width changes only when the text grows or shrinks by 3 or
// more. A click opens the menu window with the entry's row marked; the item's menu can take
// the clock out of the panel again.
//
// The clocks are kept across rebuilds by entry id, so a settings change updates an item in
// place instead of taking it off the panel and putting it back.
#pragma once

#include "kit/Environment.h"
#include "menubar/ClockTimer.h"
#include "menubar/MenuBarController.h"
#include "platform/StatusItem.h"
#include "settings/Defaults.h"
#include "timezones/MenuBarClockTitle.h"

#include <QUuid>

namespace ruvo::menubar {

class TimeZoneClockController {
public:
    struct Dependencies {
        const settings::Defaults& defaults;
        const kit::Clock& clock;
        std::function<kit::Environment()> environment;
        TextMeasure measure;
    };

    TimeZoneClockController(Dependencies dependencies, settings::ChosenTimeZone entry,
                            std::unique_ptr<platform::StatusItem> item);

    const settings::ChosenTimeZone& timeZone() const { return m_timeZone; }
    void setTimeZone(const settings::ChosenTimeZone& entry);
    // Recomposes the title at the present instant and hands it to the item.
    void update();

    platform::StatusItem& statusItem() { return *m_statusItem; }
    double longestTextLength() const { return m_width.value(); }

private:
    Dependencies m_deps;
    settings::ChosenTimeZone m_timeZone;
    std::unique_ptr<platform::StatusItem> m_statusItem;
    timezones::ClockWidth m_width;
};

class TimeZoneClocks {
public:
    using ItemFactory = std::function<std::unique_ptr<platform::StatusItem>(const QString& id)>;
    struct Dependencies {
        const settings::Defaults& defaults;
        kit::Scheduler& scheduler;
        ClockTicks& ticks;
        std::function<kit::Environment()> environment;
        TextMeasure measure;
        ItemFactory makeItem;
        // A click on the clock of the entry `id`.
        std::function<void(const QUuid& id, std::optional<QPoint> clickPoint)> activated;
    };

    explicit TimeZoneClocks(Dependencies dependencies);
    TimeZoneClocks(const TimeZoneClocks&) = delete;
    TimeZoneClocks& operator=(const TimeZoneClocks&) = delete;

    // Brings the clocks in line with `timeZonesInMenu` (the menu bar's full refresh).
    void rebuild();
    const std::vector<std::unique_ptr<TimeZoneClockController>>& clocks() const { return m_clocks; }

    // Takes the entry's clock out of the panel (its menu's "Remove from Panel").
    void removeFromPanel(const QUuid& id);

private:
    std::unique_ptr<TimeZoneClockController> takeClock(const QUuid& id);
    std::unique_ptr<TimeZoneClockController> makeClock(const settings::ChosenTimeZone& entry);
    void updateAll();

    Dependencies m_deps;
    std::vector<std::unique_ptr<TimeZoneClockController>> m_clocks;
    ClockTimer m_ticks;
    kit::Timer m_removal;
};

// The status item's id for an entry's clock: "ruvo-zone-" and the id without braces.
QString zoneClockItemId(const QUuid& id);

} // namespace ruvo::menubar
