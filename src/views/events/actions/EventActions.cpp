// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/events/actions/EventActions.h"

#include "events/CallEventConversion.h"
#include "events/actions/EventTimeText.h"
#include "events/actions/HiddenEvents.h"
#include "settings/Keys.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>

namespace ruvo::views {

namespace keys = settings::keys;
using namespace events::actions;

std::optional<videocalls::Service> EventActions::videoCall(const platform::Event& event) const {
    return m_deps.detector.videoCall(events::toCallEvent(event));
}

QString EventActions::place(const platform::Event& event) const {
    if (event.location().trimmed().isEmpty())
        return {};
    return m_deps.detector.cleanedLocationWithoutMeetingLink(events::toCallEvent(event))
        .value_or(QString());
}

std::optional<QUrl> EventActions::googleCalendarLink(const platform::Event& event) const {
    if (!m_deps.defaults.get(keys::openGoogleCalendarEventsInGoogleCalendar))
        return std::nullopt;
    return events::actions::googleCalendarLink(event, m_deps.environment().timeZoneId);
}

QString EventActions::mapsLabel() const {
    return m_deps.defaults.get(keys::useGoogleMaps)
               ? QCoreApplication::translate("EventActions", "Show in Google Maps")
               : QCoreApplication::translate("EventActions", "Show in Maps");
}

bool EventActions::isReadOnly(const QString& calendarIdentifier) const {
    const auto calendar = m_deps.store.calendarWithIdentifier(calendarIdentifier);
    return calendar && !calendar->isWritable;
}

void EventActions::openMap(const platform::Event& event) const {
    const MapService service = mapService(m_deps.defaults.get(keys::useGoogleMaps), m_deps.urls);
    const auto link = mapLink(place(event), service);
    if (!link) {
        m_deps.prompter.showError(noLocationMessage());
        return;
    }
    const bool opened =
        service == MapService::geoHandler ? openComposed(*link) : m_deps.urls.open(*link);
    if (!opened)
        m_deps.prompter.showError(mapsErrorMessage());
}

void EventActions::email(const platform::Event& event) const {
    const auto call = videoCall(event);
    const QUrl link = call ? call->url : QUrl(event.url());
    const QUrl mail = mailLink(event, eventTimeText(event, m_deps.environment()), link);
    if (!openComposed(mail))
        m_deps.prompter.showError(
            QCoreApplication::translate("EventActions", "No e-mail application could be opened."));
}

void EventActions::copyVideoCallLink(const platform::Event& event) const {
    if (const auto call = videoCall(event))
        QGuiApplication::clipboard()->setText(call->url.toString());
}

void EventActions::showInCalendar(const events::CalendarItem& item, QDate dateInList) const {
    if (const auto* event = std::get_if<platform::Event>(&item)) {
        if (const auto link = googleCalendarLink(*event)) {
            if (!m_deps.urls.open(*link))
                m_deps.prompter.showError(QCoreApplication::translate(
                    "EventActions", "Google Calendar could not be opened."));
            return;
        }
    }
    if (m_deps.showInCalendar)
        m_deps.showInCalendar(dateInList);
}

void EventActions::hide(const platform::Event& event) const {
    if (event.hasRecurrenceRules() && !m_deps.prompter.confirmHideRepeating(hideRepeatingWarning()))
        return;
    if (HiddenEvents(m_deps.defaults, m_deps.store).hide(event))
        m_deps.prompter.showTip(hideEventsTip());
}

void EventActions::remove(const platform::Event& event) const {
    auto scope = platform::RemovalScope::thisOccurrence;
    if (event.hasRecurrenceRules()) {
        const auto choice = m_deps.prompter.askDeleteRepeating(event.title());
        if (choice == Prompter::DeleteChoice::cancel)
            return;
        if (choice == Prompter::DeleteChoice::wholeSeries)
            scope = platform::RemovalScope::wholeSeries;
    } else if (!m_deps.prompter.confirmDelete(event.title())) {
        return;
    }
    report(m_deps.store.removeEvent(event, scope));
}

std::optional<platform::ParticipantStatus>
EventActions::invitationStatus(const platform::Event& event) const {
    if (event.isOrganizedByCurrentUser())
        return std::nullopt;
    for (const auto& a : event.attendees())
        if (a.isCurrentUser)
            return a.participantStatus;
    return std::nullopt;
}

void EventActions::reply(const platform::Event& event, platform::ParticipantStatus answer) const {
    report(m_deps.store.reply(event.eventIdentifier(), std::nullopt, answer));
}

void EventActions::remove(const platform::Reminder& reminder) const {
    if (m_deps.prompter.confirmDelete(reminder.title))
        report(m_deps.store.removeReminder(reminder.identifier));
}

void EventActions::complete(const platform::Reminder& reminder) const {
    report(m_deps.store.completeReminder(reminder.identifier));
}

void EventActions::setDue(const platform::Reminder& reminder,
                          const std::optional<platform::DueDate>& due) const {
    report(m_deps.store.setReminderDue(reminder.identifier, due));
}

void EventActions::setPriority(const platform::Reminder& reminder, int priority) const {
    report(m_deps.store.setReminderPriority(reminder.identifier, priority));
}

bool EventActions::openComposed(const QUrl& link) const {
    return m_deps.openComposedLink && m_deps.openComposedLink(link);
}

void EventActions::report(const kit::Result<void>& result) const {
    if (!result)
        m_deps.prompter.showError(result.error());
}

} // namespace ruvo::views
