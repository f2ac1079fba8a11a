// SPDX-License-Identifier: GPL-3.0-or-later
// The events the user joined from the program, by joined-event key; the call notifications
// skip them. Kept for the run only (a restart forgets it). Thread-safe.
#pragma once

#include "events/videocalls/CallEvent.h"

#include <QSet>
#include <mutex>

namespace ruvo::videocalls {

// The identifier; for an occurrence of a repeating event also "⏰" and its start as seconds
// since 2001-01-01 00:00:00 UTC ("ABC⏰786614400", a fraction only when there is one).
QString joinedEventKey(const CallEvent& event);

class JoinedRegistry {
public:
    void insert(const QString& key);
    bool contains(const QString& key) const;
    bool hasJoined(const CallEvent& event) const { return contains(joinedEventKey(event)); }

private:
    mutable std::mutex m_mutex;
    QSet<QString> m_keys;
};

} // namespace ruvo::videocalls
