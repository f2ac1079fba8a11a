// SPDX-License-Identifier: GPL-3.0-or-later
#include "menubar/MenuBarController.h"

#include "menubar/ClockText.h"
#include "menubar/IcuFormatting.h"
#include "menubar/MenuBarLog.h"
#include "menubar/MenuWindowPresenter.h"
#include "menubar/RemainingEventsCounter.h"
#include "menubar/SquareText.h"
#include "settings/Keys.h"

#include <QTimeZone>

namespace ruvo::menubar {

using namespace std::chrono_literals;
namespace keys = settings::keys;
using settings::MenuBarIconType;

namespace {

std::vector<settings::KeyRef> titleKeys() {
    return {keys::showAmPm,
            keys::locale,
            keys::eventRules,
            keys::fullscreenNotifications_excludeMatcher,
            keys::iconInMenuBar,
            keys::showWeekDayInMenuBar,
            keys::showDateInMenuBar,
            keys::showMonthInMenuBar,
            keys::showTimeInMenuBar,
            keys::showSecondsInMenuBar,
            keys::showWeekNumberInMenuBar,
            keys::dateTimeFormat,
            keys::menuBarTextColor,
            keys::menuBarTextColorDark,
            keys::menuBarTextSize,
            keys::menuBarTextVerticalAlignmentOffset,
            keys::menuBar_boldText,
            keys::timeZonesInMenu,
            keys::currentTimeZoneClockMenuBarColored};
}

int dayOfMonth(kit::Instant now, const QString& zoneId) {
    const QTimeZone zone(zoneId.toUtf8());
    const QDateTime local =
        zone.isValid() ? kit::toQDateTime(now).toTimeZone(zone) : kit::toQDateTime(now);
    return local.date().day();
}

} // namespace

MenuBarController::MenuBarController(Dependencies dependencies)
    : m_deps(std::move(dependencies)),
      m_appearance(m_deps.scheduler, 500ms, [this] { onDebouncedAppearance(); }) {
    m_dateEvents = m_deps.dateEvents.subscribe([this](platform::DateEvent event) {
        qCDebug(lcMenuBar) << "date event" << platform::dateEventName(event);
        composeTitle();
    });
    m_settings = m_deps.defaults.observe(titleKeys(), [this] { fullRefresh(); });
    m_visibility = m_deps.defaults.observe<bool>(keys::showMenubarItem,
                                                 [this](const settings::KeyChange<bool>& change) {
                                                     if (m_item)
                                                         m_item->setVisible(change.newValue);
                                                 });
    // The first refresh runs on the next turn of the loop, once the program is set up.
    m_setUp = m_deps.scheduler.after(0ms, [this] { fullRefresh(); });
}

void MenuBarController::attach(platform::StatusItem& item) {
    m_item = &item;
    m_item->setVisible(m_deps.defaults.get(keys::showMenubarItem));
    m_item->onActivated([this](const platform::ActivationEvent& event) {
        if (event.kind == platform::Activation::primary)
            onClick(event.screenPosition);
    });
    composeTitle();
}

void MenuBarController::fullRefresh() {
    m_setUp.cancel();
    updateClockSubscription();
    composeTitle();
    writeSharedTimeZones();
    m_fullRefreshed.emit();
}

void MenuBarController::updateClockSubscription() {
    const auto& d = m_deps.defaults;
    bool zoneClockInMenuBar = false;
    for (const auto& zone : d.get(keys::timeZonesInMenu))
        zoneClockInMenuBar = zoneClockInMenuBar || zone.isInMenuBar;
    if (!d.get(keys::showTimeInMenuBar) && !zoneClockInMenuBar) {
        m_clock.cancel();
        return;
    }
    const auto precision = d.get(keys::showSecondsInMenuBar) ? ClockTimer::Precision::second
                                                             : ClockTimer::Precision::minute;
    if (m_clock.isActive() && m_clock.precision() == precision)
        return;
    m_clock = m_deps.ticks.subscribe(precision, [this] { composeTitle(); });
}

void MenuBarController::writeSharedTimeZones() {
    const auto zones = m_deps.defaults.get(keys::timeZonesInMenu);
    if (m_deps.defaults.get(keys::sharedTimeZones) != zones)
        m_deps.defaults.set(keys::sharedTimeZones, zones);
}

QString MenuBarController::composeTitle() {
    const kit::Instant now = m_deps.scheduler.now();
    const kit::Environment env = m_deps.environment();
    const platform::StatusItemContent c = content(now, env);
    if (m_item)
        m_item->setContent(c);
    return c.title;
}

platform::StatusItemContent MenuBarController::content(kit::Instant now,
                                                       const kit::Environment& env) {
    const ClockTextSettings settings = ClockTextSettings::from(m_deps.defaults);
    const ClockText text = composeClockText(settings, now, env);
    platform::StatusItemContent c;
    c.title = text.text;
    c.style = textStyle();
    c.icon = icon(now, env);
    if (!c.icon)
        c.imagePosition = platform::ImagePosition::noImage;
    else
        c.imagePosition = c.title.isEmpty() ? platform::ImagePosition::imageOnly
                                            : platform::ImagePosition::imageLeft;
    c.imageMargin = c.title.isEmpty() ? 2 : 4;
    if (text.isCustomPattern && !c.title.isEmpty() && m_deps.measure)
        c.fixedTextWidth = m_width.update(m_deps.measure(c.title, c.style));
    c.toolTip = composeLongDate(now, env);
    c.squareText = composeSquareText(settings, now, env);
    c.prefersDark = m_isDark;
    return c;
}

platform::StatusItemTextStyle MenuBarController::textStyle() const {
    const auto& d = m_deps.defaults;
    platform::StatusItemTextStyle style;
    style.pointSize = d.get(keys::menuBarTextSize);
    style.monospacedDigits = d.get(keys::showSecondsInMenuBar);
    style.semibold = d.get(keys::menuBar_boldText);
    const auto light = d.get(keys::menuBarTextColor);
    const auto dark = d.get(keys::menuBarTextColorDark);
    if (const auto chosen = m_isDark && dark ? dark : light)
        style.color = QColor(chosen->red, chosen->green, chosen->blue, chosen->alpha);
    style.baselineOffset = d.get(keys::menuBarTextVerticalAlignmentOffset).value_or(0);
    return style;
}

std::optional<platform::StatusItemIcon> MenuBarController::icon(kit::Instant now,
                                                                const kit::Environment& env) const {
    const MenuBarIconType type = m_deps.defaults.get(keys::iconInMenuBar);
    if (type == MenuBarIconType::none)
        return std::nullopt;
    platform::StatusItemIcon icon;
    icon.name = settings::caseName(type);
    icon.dayOfMonth = dayOfMonth(now, env.timeZoneId);
    if (type == MenuBarIconType::dateAndDayOfWeek) {
        const IcuFormatting icu(env, now);
        icon.weekday = icu.format(
            icu.fromTemplate(QStringLiteral("E"), UDISPCTX_CAPITALIZATION_FOR_STANDALONE).get());
    }
    if (type == MenuBarIconType::remainingEventsToday && m_deps.remainingEvents)
        icon.count = m_deps.remainingEvents->remainingEventsToday(now);
    return icon;
}

void MenuBarController::onClick(std::optional<QPoint> clickPoint) {
    if (!m_window)
        return;
    if (m_window->isMenuWindowVisible())
        m_window->closeMenuWindow();
    else
        m_window->showMenuWindow(clickPoint);
}

void MenuBarController::onAppearanceChanged(bool isDark) {
    m_pendingDark = isDark;
    m_appearance.trigger();
}

void MenuBarController::onDebouncedAppearance() {
    if (m_lastDeliveredDark == m_pendingDark)
        return;
    m_lastDeliveredDark = m_pendingDark;
    m_isDark = m_pendingDark; // the next redraw uses it even when this one is skipped
    if (m_isThrottled)
        return;
    m_isThrottled = true;
    m_throttle = m_deps.scheduler.after(700ms, [this] { m_isThrottled = false; });
    composeTitle();
}

} // namespace ruvo::menubar
