// SPDX-License-Identifier: GPL-3.0-or-later
// The few facts of a calendar event that video-call detection and joining read. The events
// of the calendar store convert to it; nothing here depends on how the store keeps them.
#pragma once

#include "kit/Time.h"

#include <QString>
#include <QUrl>
#include <optional>

namespace ruvo::videocalls {

struct CallEvent {
    QString calendarItemIdentifier; // the same for every occurrence of a repeating event
    QString title;
    QString location;
    QUrl url;                     // the event's own URL field; empty when not set
    std::optional<QString> notes; // nullopt: not read (yet); "" means read and empty
    kit::Instant start;
    kit::Instant end;
    bool isAllDay = false;
    bool hasRecurrenceRules = false;
    QString accountEmail; // the calendar account's address, for Google's account chooser

    bool operator==(const CallEvent&) const = default;
};

// The service name and join link found for an event.
struct Service {
    std::optional<QString> name;
    QUrl url;

    bool operator==(const Service&) const = default;
};

} // namespace ruvo::videocalls
