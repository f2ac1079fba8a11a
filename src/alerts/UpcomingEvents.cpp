// SPDX-License-Identifier: GPL-3.0-or-later
#include "alerts/UpcomingEvents.h"

#include "events/EventQueries.h"
#include "events/MutedEvents.h"
#include "events/exclusion/ExclusionFilter.h"
#include "settings/Keys.h"

namespace ruvo::alerts {

using namespace std::chrono_literals;
using platform::Event;
namespace keys = settings::keys;

namespace {

// An event leaves the item this long after its start when it is not shown while it runs.
constexpr auto kShownAfterStart = 5min;
// An event starting this soon takes the item over from one in progress.
constexpr auto kTakeOverBefore = 10min;

bool isInProgress(const Event& event, kit::Instant now) {
    return event.start() <= now && now <= event.end();
}

} // namespace

UpcomingEvents::UpcomingEvents(platform::CalendarStore& store, const settings::Defaults& defaults,
                               const kit::Clock& filterClock, kit::Environment environment,
                               VideoCallTest hasVideoCall)
    : m_store(store), m_defaults(defaults), m_filterClock(filterClock),
      m_hasVideoCall(std::move(hasVideoCall)), m_text(std::move(environment)) {}

// The calendars to ask: none listed asks all of them; nullopt when every listed calendar is
// gone (then nothing is shown rather than every calendar's events).
std::optional<std::vector<QString>> UpcomingEvents::calendarIdentifiers() const {
    const auto chosen = m_defaults.get(keys::upcomingEventInMenuBarCalendars);
    std::vector<QString> ids;
    for (const QString& id : chosen)
        if (m_store.calendarWithIdentifier(id))
            ids.push_back(id);
    if (!chosen.empty() && ids.empty())
        return std::nullopt;
    return ids;
}

std::vector<Event> UpcomingEvents::candidateEvents(kit::Instant now) const {
    if (m_store.authorizationStatus(platform::EntityType::event) !=
        platform::AuthorizationStatus::fullAccess)
        return {};
    const auto calendars = calendarIdentifiers();
    if (!calendars)
        return {};
    const kit::Milliseconds lookAhead =
        m_defaults.get(keys::upcomingEventInMenuBarDurationBefore).toMilliseconds();
    const kit::Instant end = std::max(now, now + lookAhead - 1s);
    const events::EventQueries queries(m_store, m_defaults, QString());
    return filtered(queries.events(platform::predicateForEvents(now, end, *calendars)));
}

std::vector<Event> UpcomingEvents::filtered(std::vector<Event> events) const {
    const auto muted = m_defaults.get(keys::upcomingEventInMenuBarIgnoredEvents);
    const bool onlyVideoCalls = m_defaults.get(keys::upcomingEventInMenuBar_onlyVideoCalls);
    std::erase_if(events, [&](const Event& e) {
        return e.isAllDay() || events::isMuted(muted, events::muteFacts(e)) ||
               (onlyVideoCalls && !(m_hasVideoCall && m_hasVideoCall(e)));
    });
    events = exclusion::filterCalendarItems(
        std::move(events), m_defaults.get(keys::fullscreenNotifications_excludeMatcher),
        exclusion::Location::upcomingEventInMenuBar, m_filterClock,
        [](const Event& e) { return e.title(); });
    const auto defaultCalendar = m_store.defaultCalendarForNewEvents();
    return events::collapseDuplicates(std::move(events),
                                      defaultCalendar ? defaultCalendar->identifier : QString());
}

std::optional<Event> UpcomingEvents::upcomingEvent(kit::Instant now) const {
    const auto candidates = candidateEvents(now);
    if (!m_defaults.get(keys::upcomingEventInMenuBar_showDuringEntireEvent)) {
        for (const Event& e : candidates)
            if (e.start() + kShownAfterStart > now)
                return e;
        return std::nullopt;
    }
    for (const Event& e : candidates)
        if (e.start() >= now && e.start() <= now + kTakeOverBefore)
            return e;
    for (auto it = candidates.rbegin(); it != candidates.rend(); ++it)
        if (isInProgress(*it, now))
            return *it;
    if (candidates.empty())
        return std::nullopt;
    return candidates.front();
}

UpcomingTextOptions UpcomingEvents::textOptions() const {
    UpcomingTextOptions options;
    options.showTitle = m_defaults.get(keys::upcomingEventInMenuBarShowTitle);
    options.showCountdown = m_defaults.get(keys::upcomingEventInMenuBarShowCountdown);
    options.showDuringEntireEvent =
        m_defaults.get(keys::upcomingEventInMenuBar_showDuringEntireEvent);
    options.showMinutesForMoreThanAnHour =
        m_defaults.get(keys::upcomingEventInMenuBarShowMinutesForMoreThanAnHour);
    options.showCalendarIndicator =
        m_defaults.get(keys::upcomingEventInMenuBar_showCalendarIndicator);
    options.titleLimit = m_defaults.get(keys::upcomingEventInMenuBarEventTitleLimit);
    return options;
}

UpcomingTextInput UpcomingEvents::textInput(const Event& event, kit::Instant now) const {
    UpcomingTextInput input;
    input.title = event.title();
    input.range = event.dateRange();
    input.isOngoing = isInProgress(event, now);
    input.now = now;
    for (const Event& e : candidateEvents(now))
        input.ongoingCount += isInProgress(e, now) ? 1 : 0;
    return input;
}

UpcomingDisplay UpcomingEvents::display(kit::Instant now) const {
    UpcomingDisplay display;
    display.event = upcomingEvent(now);
    if (!display.event) {
        display.text = kPlaceholder;
        display.squareText = {kPlaceholder};
        display.isVisible = m_defaults.get(keys::upcomingEventInMenuBar_hideWhenNoEvent);
        return display;
    }
    const UpcomingTextInput input = textInput(*display.event, now);
    const UpcomingTextOptions options = textOptions();
    display.text = m_text.menuBarText(input, options);
    display.squareText = m_text.squareText(input, options);
    display.isVisible = true;
    return display;
}

} // namespace ruvo::alerts
