// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/videocalls/DetectedServiceStore.h"

namespace ruvo::videocalls {

void DetectedServiceStore::set(const QString& calendarItemIdentifier, Service service) {
    std::lock_guard lock(m_mutex);
    m_services.emplace(calendarItemIdentifier, std::move(service));
}

void DetectedServiceStore::remove(const QString& calendarItemIdentifier) {
    std::lock_guard lock(m_mutex);
    m_services.remove(calendarItemIdentifier);
}

std::optional<Service> DetectedServiceStore::find(const QString& calendarItemIdentifier) const {
    std::lock_guard lock(m_mutex);
    const auto it = m_services.constFind(calendarItemIdentifier);
    if (it == m_services.cend())
        return std::nullopt;
    return *it;
}

void DetectedServiceStore::retainOnly(const std::set<QString>& calendarItemIdentifiers) {
    std::lock_guard lock(m_mutex);
    m_services.removeIf(
        [&](const auto& entry) { return !calendarItemIdentifiers.count(entry.key()); });
}

std::size_t DetectedServiceStore::size() const {
    std::lock_guard lock(m_mutex);
    return static_cast<std::size_t>(m_services.size());
}

} // namespace ruvo::videocalls
