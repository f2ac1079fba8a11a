// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/videocalls/JoinedRegistry.h"

namespace ruvo::videocalls {

namespace {

// 2001-01-01T00:00:00Z in milliseconds since the Unix epoch.
constexpr qint64 kReferenceDateMs = 978307200000;

QString referenceSeconds(kit::Instant instant) {
    const qint64 ms = kit::msecsSinceEpoch(instant) - kReferenceDateMs;
    if (ms % 1000 == 0)
        return QString::number(ms / 1000);
    return QString::number(static_cast<double>(ms) / 1000.0, 'f', 3);
}

} // namespace

QString joinedEventKey(const CallEvent& event) {
    if (!event.hasRecurrenceRules)
        return event.calendarItemIdentifier;
    return event.calendarItemIdentifier + QStringLiteral("\u23F0") + referenceSeconds(event.start);
}

void JoinedRegistry::insert(const QString& key) {
    std::lock_guard lock(m_mutex);
    m_keys.insert(key);
}

bool JoinedRegistry::contains(const QString& key) const {
    std::lock_guard lock(m_mutex);
    return m_keys.contains(key);
}

} // namespace ruvo::videocalls
