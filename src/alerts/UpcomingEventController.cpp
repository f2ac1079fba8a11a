// SPDX-License-Identifier: GPL-3.0-or-later
#include "alerts/UpcomingEventController.h"

#include "events/MutedEvents.h"
#include "settings/Keys.h"

#include <QCoreApplication>

namespace ruvo::alerts {

namespace keys = settings::keys;
using platform::Activation;

namespace {

const QString kShowTitleEntry = QStringLiteral("showTitle");
const QString kMuteEntry = QStringLiteral("mute");
const QString kExplanationEntry = QStringLiteral("explanation");
const QString kHeaderEntry = QStringLiteral("header");
const QString kPlaceholderHintEntry = QStringLiteral("placeholderHint");
// The sample event shown while the user positions the item.
constexpr kit::Seconds kPlaceholderStartsIn{100 * 60};
constexpr kit::Seconds kPlaceholderLasts{10 * 60};
// An event without a calendar, or a calendar without a colour.
const QColor kNoCalendarColor(142, 142, 147);

std::vector<settings::KeyRef> upcomingKeys() {
    return {keys::upcomingEventInMenuBarShowTitle,
            keys::upcomingEventInMenuBarShowCountdown,
            keys::upcomingEventInMenuBarDurationBefore,
            keys::upcomingEventInMenuBar_showDuringEntireEvent,
            keys::upcomingEventInMenuBarShowMinutesForMoreThanAnHour,
            keys::upcomingEventInMenuBarEventTitleLimit,
            keys::upcomingEventInMenuBarTextSize,
            keys::upcomingEventInMenuBar_boldText,
            keys::upcomingEventInMenuBarColor,
            keys::upcomingEventInMenuBarDarkColor,
            keys::upcomingEventInMenuBar_hideWhenNoEvent,
            keys::upcomingEventInMenuBar_onlyVideoCalls,
            keys::upcomingEventInMenuBar_showCalendarIndicator,
            keys::upcomingEventInMenuBar_clickMenuItemToJoinVideoCall,
            keys::menuBarTextVerticalAlignmentOffset,
            keys::hiddenEvents,
            keys::upcomingEventInMenuBarCalendars,
            keys::upcomingEventInMenuBarIgnoredEvents,
            keys::fullscreenNotifications_excludeMatcher,
            keys::enabledCalendars};
}

} // namespace

UpcomingEventController::UpcomingEventController(Dependencies dependencies,
                                                 std::unique_ptr<platform::StatusItem> item)
    : m_deps(std::move(dependencies)), m_item(std::move(item)),
      m_eventsChange(m_deps.scheduler, kDebounce, [this] { update(); }) {
    makeUpcomingEvents();
    m_item->onActivated([this](const platform::ActivationEvent& e) { onActivated(e); });
    m_item->onMenuEntryChosen([this](const QString& id) { onMenuEntry(id); });
    update();
    observe();
}

UpcomingEventController::~UpcomingEventController() {
    m_item->setVisible(false);
}

void UpcomingEventController::makeUpcomingEvents() {
    m_upcoming = std::make_unique<UpcomingEvents>(m_deps.store, m_deps.defaults, m_deps.clock,
                                                  m_deps.environment(), m_deps.hasVideoCall);
}

void UpcomingEventController::observe() {
    m_timer = m_deps.ticks.subscribe(menubar::ClockTimer::Precision::minute, [this] { update(); });
    m_subscriptions.push_back(m_deps.events.eventsDidChange().connect([this] {
        // A change beyond the look-ahead shows at the minute tick that brings it in.
        const auto ahead = m_deps.defaults.get(keys::upcomingEventInMenuBarDurationBefore);
        if (events::touchesTimeAhead(m_deps.events.lastChange(), m_deps.clock.now(),
                                     ahead.toMilliseconds()))
            m_eventsChange.trigger();
    }));
    m_subscriptions.push_back(m_deps.defaults.observe(upcomingKeys(), [this] { update(); }));
    m_subscriptions.push_back(m_deps.dateEvents.subscribe([this](platform::DateEvent event) {
        if (event == platform::DateEvent::timeZoneChanged ||
            event == platform::DateEvent::localeChanged)
            makeUpcomingEvents();
        update();
    }));
}

void UpcomingEventController::setShouldShowUpcomingEventPlaceholder(bool shouldShow) {
    m_showsPlaceholder = shouldShow;
    update();
}

void UpcomingEventController::update() {
    if (m_showsPlaceholder) {
        showPlaceholder();
        return;
    }
    m_display = m_upcoming->display(m_deps.clock.now());
    m_item->setContent(content());
    showMenu(menu());
    m_item->setVisible(m_display.isVisible);
}

// The menu changes rarely; a panel re-reads it on every change.
void UpcomingEventController::showMenu(std::vector<platform::StatusMenuEntry> entries) {
    if (entries == m_menu)
        return;
    m_menu = std::move(entries);
    m_item->setMenu(m_menu);
}

void UpcomingEventController::showPlaceholder() {
    const kit::Instant now = m_deps.clock.now();
    UpcomingTextInput input;
    input.title = QCoreApplication::translate(
        "UpcomingEvent", "Placeholder event. Lorem ipsum dolor sit amet, consectetur adipiscing "
                         "elit, sed do eiusmod tempor incididunt.");
    input.range = {now + kPlaceholderStartsIn, now + kPlaceholderStartsIn + kPlaceholderLasts};
    input.now = now;
    m_display = {};
    m_display.text = m_upcoming->text().menuBarText(input, m_upcoming->textOptions());
    m_display.squareText = m_upcoming->text().squareText(input, m_upcoming->textOptions());
    m_display.isVisible = true;
    platform::StatusItemContent content;
    content.title = m_display.text;
    content.squareText = m_display.squareText;
    content.style = textStyle();
    content.toolTip = input.title;
    if (m_deps.defaults.get(keys::upcomingEventInMenuBar_showCalendarIndicator))
        content.colorBar = m_deps.accentColour ? m_deps.accentColour() : kNoCalendarColor;
    m_item->setContent(content);
    showMenu({{kPlaceholderHintEntry,
               QCoreApplication::translate(
                   "UpcomingEvent",
                   "This placeholder shows where the next event appears in the panel. Move it "
                   "where you want it with your panel's own settings, then restart Ruvo."),
               false}});
    m_item->setVisible(true);
}

platform::StatusItemTextStyle UpcomingEventController::textStyle() const {
    const auto& d = m_deps.defaults;
    platform::StatusItemTextStyle style;
    style.pointSize = d.get(keys::upcomingEventInMenuBarTextSize);
    style.semibold = d.get(keys::upcomingEventInMenuBar_boldText);
    style.baselineOffset = d.get(keys::menuBarTextVerticalAlignmentOffset).value_or(0);
    const auto light = d.get(keys::upcomingEventInMenuBarColor);
    const auto dark = d.get(keys::upcomingEventInMenuBarDarkColor);
    const bool isDark = m_deps.isDark && m_deps.isDark();
    if (const auto chosen = isDark && dark ? dark : light)
        style.color = QColor(chosen->red, chosen->green, chosen->blue, chosen->alpha);
    return style;
}

platform::StatusItemContent UpcomingEventController::content() const {
    const auto& d = m_deps.defaults;
    platform::StatusItemContent content;
    content.title = m_display.text;
    content.squareText = m_display.squareText;
    if (!m_display.event)
        return content;
    content.style = textStyle();
    if (d.get(keys::upcomingEventInMenuBar_showCalendarIndicator)) {
        const auto calendar =
            m_deps.store.calendarWithIdentifier(m_display.event->calendarIdentifier());
        const QColor colour = calendar ? QColor(calendar->colour) : QColor();
        content.colorBar = colour.isValid() ? colour : kNoCalendarColor;
    }
    content.toolTip = m_display.event->title();
    return content;
}

std::vector<platform::StatusMenuEntry> UpcomingEventController::menu() const {
    std::vector<platform::StatusMenuEntry> entries{
        {kHeaderEntry, QCoreApplication::translate("UpcomingEvent", "Quick Settings"), false},
        {kShowTitleEntry, QCoreApplication::translate("UpcomingEvent", "Show Event Title"), true,
         m_deps.defaults.get(keys::upcomingEventInMenuBarShowTitle)}};
    if (!m_display.event)
        return entries;
    entries.push_back({QString(), QString()});
    if (m_deps.defaults.get(keys::upcomingEventInMenuBarIgnoredEvents).empty())
        entries.push_back({kExplanationEntry,
                           QCoreApplication::translate(
                               "UpcomingEvent",
                               "Make the event not show up in the upcoming event in the menu bar, "
                               "fullscreen notifications, and video call notifications"),
                           false});
    entries.push_back({kMuteEntry, QCoreApplication::translate("UpcomingEvent", "Mute Event")});
    return entries;
}

bool UpcomingEventController::isJoinMode() const {
    return m_display.event &&
           m_deps.defaults.get(keys::upcomingEventInMenuBar_clickMenuItemToJoinVideoCall) &&
           m_deps.hasVideoCall && m_deps.hasVideoCall(*m_display.event);
}

// A click (the panel's primary activation) joins in join mode and otherwise opens the menu
// window; the secondary activation (a middle click on most panels) always opens the window,
// like the option-click. The item's menu is the panel's own right click.
void UpcomingEventController::onActivated(const platform::ActivationEvent& event) {
    if (m_showsPlaceholder)
        return;
    m_display = m_upcoming->display(m_deps.clock.now());
    if (event.kind == Activation::primary && isJoinMode()) {
        if (m_deps.joinVideoCall)
            m_deps.joinVideoCall(*m_display.event);
        return;
    }
    if (m_deps.openWindow)
        m_deps.openWindow(m_display.event, event.screenPosition);
}

void UpcomingEventController::onMenuEntry(const QString& id) {
    if (id == kShowTitleEntry)
        m_deps.defaults.set(keys::upcomingEventInMenuBarShowTitle,
                            !m_deps.defaults.get(keys::upcomingEventInMenuBarShowTitle));
    else if (id == kMuteEntry)
        muteShownEvent();
}

// Mutes this occurrence only; the settings change redraws the item without it.
void UpcomingEventController::muteShownEvent() {
    if (!m_display.event)
        return;
    auto entries = m_deps.defaults.get(keys::upcomingEventInMenuBarIgnoredEvents);
    const QString entry = events::occurrenceMuteEntry(events::muteFacts(*m_display.event));
    if (std::find(entries.begin(), entries.end(), entry) != entries.end())
        return;
    entries.push_back(entry);
    m_deps.defaults.set(keys::upcomingEventInMenuBarIgnoredEvents, entries);
}

} // namespace ruvo::alerts
