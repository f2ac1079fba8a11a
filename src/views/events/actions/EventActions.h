// SPDX-License-Identifier: GPL-3.0-or-later
// What the row menu and the details window do with an item: the wiring of the action
// logic to the store, the settings, the link opener and the user's answers. Failures are
// told through the Prompter; nothing here throws or blocks on the system.
//
//   views::EventActionDependencies deps{store, defaults, urls, detector, prompter,
//       [&] { return environment; }, clock, join, showInCalendar, openComposedLink};
//   auto* menu = new views::EventRowMenu(deps, item, dateInList);
#pragma once

#include "events/EventQueries.h"
#include "events/actions/ActionLinks.h"
#include "events/videocalls/VideoCallDetector.h"
#include "kit/Clock.h"
#include "kit/Environment.h"
#include "settings/Defaults.h"
#include "views/events/actions/Prompter.h"

#include <QCoreApplication>
#include <functional>

namespace ruvo::views {

struct EventActionDependencies {
    platform::CalendarStore& store;
    const settings::Defaults& defaults;
    platform::UrlOpener& urls; // http, https and meeting links
    videocalls::VideoCallDetector& detector;
    Prompter& prompter;
    std::function<kit::Environment()> environment;
    const kit::Clock& clock;
    std::function<void(const platform::Event&)> join;
    std::function<void(QDate)> showInCalendar; // opens the calendar application at a day
    // Opens the program's own mailto: and geo: links (UrlOpener refuses those schemes);
    // false when nothing could be started.
    std::function<bool(const QUrl&)> openComposedLink;
};

inline QString noLocationMessage() {
    return QCoreApplication::translate("EventActions",
                                       "There's no location attached to this event.");
}
inline QString mapsErrorMessage() {
    return QCoreApplication::translate("EventActions",
                                       "An unknown error occurred while opening the Maps app.");
}

class EventActions {
public:
    explicit EventActions(EventActionDependencies deps) : m_deps(std::move(deps)) {}

    const EventActionDependencies& dependencies() const { return m_deps; }

    std::optional<videocalls::Service> videoCall(const platform::Event& event) const;
    // The event's location without its meeting link; empty when nothing else is in it.
    QString place(const platform::Event& event) const;
    // "Show in Google Calendar"'s link when the setting and the event allow it.
    std::optional<QUrl> googleCalendarLink(const platform::Event& event) const;
    QString mapsLabel() const; // "Show in Maps" or "Show in Google Maps"
    bool isReadOnly(const QString& calendarIdentifier) const;
    // The user's answer so far when the event invites the user (and the user does not
    // organise it); none otherwise.
    std::optional<platform::ParticipantStatus> invitationStatus(const platform::Event& event) const;

    void openMap(const platform::Event& event) const;
    void email(const platform::Event& event) const;
    void copyVideoCallLink(const platform::Event& event) const;
    void showInCalendar(const events::CalendarItem& item, QDate dateInList) const;
    void hide(const platform::Event& event) const;
    void remove(const platform::Event& event) const;
    // Answers the invitation for every occurrence of the event.
    void reply(const platform::Event& event, platform::ParticipantStatus answer) const;
    void remove(const platform::Reminder& reminder) const;
    void complete(const platform::Reminder& reminder) const;
    void setDue(const platform::Reminder& reminder,
                const std::optional<platform::DueDate>& due) const;
    void setPriority(const platform::Reminder& reminder, int priority) const;

private:
    bool openComposed(const QUrl& link) const;
    void report(const kit::Result<void>& result) const;

    EventActionDependencies m_deps;
};

} // namespace ruvo::views
