// SPDX-License-Identifier: GPL-3.0-or-later
#include "menubar/TimeZoneClocks.h"

#include "settings/Keys.h"

#include <QCoreApplication>

namespace ruvo::menubar {

namespace keys = settings::keys;

namespace {

// The current zone's clock, when the coloured marker is on.
const QColor kCurrentZoneBlue(10, 132, 255);

const QString kOpenEntry = QStringLiteral("open");
const QString kRemoveEntry = QStringLiteral("remove");

} // namespace

QString zoneClockItemId(const QUuid& id) {
    return QStringLiteral("ruvo-zone-") + id.toString(QUuid::WithoutBraces);
}

TimeZoneClockController::TimeZoneClockController(Dependencies dependencies,
                                                 settings::ChosenTimeZone entry,
                                                 std::unique_ptr<platform::StatusItem> item)
    : m_deps(std::move(dependencies)), m_timeZone(std::move(entry)), m_statusItem(std::move(item)) {
    update();
}

void TimeZoneClockController::setTimeZone(const settings::ChosenTimeZone& entry) {
    m_timeZone = entry;
    update();
}

void TimeZoneClockController::update() {
    const timezones::ChosenTimeZoneTexts texts(m_deps.environment(), m_deps.clock);
    if (texts.shouldHide(m_timeZone)) {
        m_statusItem->setVisible(false);
        return;
    }
    const auto t = timezones::MenuBarClockTitle::make(
        m_timeZone, texts, m_deps.defaults.get(keys::currentTimeZoneClockMenuBarColored));
    platform::StatusItemContent content;
    content.title = t.text();
    content.style.monospacedDigits = true;
    if (t.isCurrentZoneMarked)
        content.style.color = kCurrentZoneBlue;
    content.fixedTextWidth = m_width.update(m_deps.measure(content.title, content.style));
    content.toolTip = timezones::displayName(m_timeZone);
    const QString title = m_timeZone.menuBarTitle.trimmed();
    content.squareText =
        timezones::zoneSquareText(t.time, title.isEmpty() ? content.toolTip : title);
    m_statusItem->setContent(content);
    m_statusItem->setVisible(true);
}

TimeZoneClocks::TimeZoneClocks(Dependencies dependencies) : m_deps(std::move(dependencies)) {}

std::unique_ptr<TimeZoneClockController> TimeZoneClocks::takeClock(const QUuid& id) {
    for (auto it = m_clocks.begin(); it != m_clocks.end(); ++it) {
        if ((*it)->timeZone().id == id) {
            auto clock = std::move(*it);
            m_clocks.erase(it);
            return clock;
        }
    }
    return nullptr;
}

std::unique_ptr<TimeZoneClockController>
TimeZoneClocks::makeClock(const settings::ChosenTimeZone& entry) {
    auto item = m_deps.makeItem(zoneClockItemId(entry.id));
    item->setMenu(
        {{kOpenEntry, QCoreApplication::translate("TimeZoneClocks", "Open Ruvo")},
         {QString(), QString()},
         {kRemoveEntry, QCoreApplication::translate("TimeZoneClocks", "Remove from Panel")}});
    const QUuid id = entry.id;
    item->onActivated([this, id](const platform::ActivationEvent& event) {
        if (event.kind == platform::Activation::primary)
            m_deps.activated(id, event.screenPosition);
    });
    item->onMenuEntryChosen([this, id](const QString& choice) {
        if (choice == kOpenEntry)
            m_deps.activated(id, std::nullopt);
        else if (choice == kRemoveEntry)
            removeFromPanel(id);
    });
    return std::make_unique<TimeZoneClockController>(
        TimeZoneClockController::Dependencies{m_deps.defaults, m_deps.scheduler, m_deps.environment,
                                              m_deps.measure},
        entry, std::move(item));
}

void TimeZoneClocks::rebuild() {
    std::vector<std::unique_ptr<TimeZoneClockController>> kept;
    for (const auto& entry : m_deps.defaults.get(keys::timeZonesInMenu)) {
        if (!entry.isInMenuBar)
            continue;
        auto clock = takeClock(entry.id);
        if (clock)
            clock->setTimeZone(entry);
        else
            clock = makeClock(entry);
        kept.push_back(std::move(clock));
    }
    m_clocks = std::move(kept); // the clocks of removed entries leave the panel here
    if (m_clocks.empty())
        m_ticks.cancel();
    else if (!m_ticks.isActive())
        m_ticks = m_deps.ticks.subscribe(ClockTimer::Precision::minute, [this] { updateAll(); });
}

void TimeZoneClocks::updateAll() {
    for (const auto& clock : m_clocks)
        clock->update();
}

void TimeZoneClocks::removeFromPanel(const QUuid& id) {
    // Called from the item's own menu: the item is hidden at once and goes, with the setting,
    // on the next turn.
    for (const auto& clock : m_clocks) {
        if (clock->timeZone().id == id)
            clock->statusItem().setVisible(false);
    }
    m_removal = m_deps.scheduler.after(kit::Milliseconds{0}, [this, id] {
        takeClock(id).reset();
        auto zones = m_deps.defaults.get(keys::timeZonesInMenu);
        for (auto& entry : zones) {
            if (entry.id == id)
                entry.isInMenuBar = false;
        }
        m_deps.defaults.set(keys::timeZonesInMenu, zones);
    });
}

} // namespace ruvo::menubar
