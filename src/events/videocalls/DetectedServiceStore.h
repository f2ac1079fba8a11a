// SPDX-License-Identifier: GPL-3.0-or-later
// Services recorded for events by identifier (calendarItemIdentifier), consulted when no
// link of the event is recognised: for example a service that the user or an automation
// attached to an event whose notes hold no link. Thread-safe.
#pragma once

#include "events/videocalls/CallEvent.h"

#include <QHash>
#include <mutex>
#include <set>

namespace ruvo::videocalls {

class DetectedServiceStore {
public:
    void set(const QString& calendarItemIdentifier, Service service);
    void remove(const QString& calendarItemIdentifier);
    std::optional<Service> find(const QString& calendarItemIdentifier) const;
    // Forgets the entries of events that no longer exist.
    void retainOnly(const std::set<QString>& calendarItemIdentifiers);
    std::size_t size() const;

private:
    mutable std::mutex m_mutex;
    QHash<QString, Service> m_services;
};

} // namespace ruvo::videocalls
