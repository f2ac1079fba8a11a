// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/CallEventConversion.h"

#include <algorithm>

namespace ruvo::events {

namespace {

QString currentUserAddress(const platform::Event& event) {
    const auto& attendees = event.attendees();
    const auto self = std::find_if(attendees.begin(), attendees.end(),
                                   [](const platform::Attendee& a) { return a.isCurrentUser; });
    return self != attendees.end() ? self->address : QString();
}

} // namespace

videocalls::CallEvent toCallEvent(const platform::Event& event) {
    videocalls::CallEvent call;
    call.calendarItemIdentifier = event.calendarItemIdentifier();
    call.title = event.title();
    call.location = event.location();
    call.url = QUrl(event.url());
    call.notes = event.notes();
    call.start = event.start();
    call.end = event.end();
    call.isAllDay = event.isAllDay();
    call.hasRecurrenceRules = event.hasRecurrenceRules();
    call.accountEmail = currentUserAddress(event);
    return call;
}

} // namespace ruvo::events
