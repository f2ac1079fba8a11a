// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/MutedEvents.h"

#include <cmath>
#include <map>

namespace ruvo::events {

namespace {

const QChar kOccurrenceSeparator(0x23F0); // ⏰
// 2001-01-01T00:00:00Z in milliseconds since the Unix epoch.
constexpr qint64 kReferenceDateMs = 978307200000;

qint64 referenceMs(kit::Instant instant) {
    return kit::msecsSinceEpoch(instant) - kReferenceDateMs;
}

QString referenceSeconds(kit::Instant instant) {
    const qint64 ms = referenceMs(instant);
    if (ms % 1000 == 0)
        return QString::number(ms / 1000);
    return QString::number(static_cast<double>(ms) / 1000.0, 'f', 3);
}

bool isSameOccurrence(const QString& entry, qsizetype separator, const MuteFacts& event) {
    if (QStringView(entry).left(separator) != event.calendarItemIdentifier)
        return false;
    bool isNumber = false;
    const double seconds = QStringView(entry).mid(separator + 1).toDouble(&isNumber);
    return isNumber && std::llround(seconds * 1000.0) == referenceMs(event.start);
}

} // namespace

MuteFacts muteFacts(const platform::Event& event) {
    return {event.calendarItemIdentifier(), event.calendarItemExternalIdentifier(),
            event.hasRecurrenceRules(), event.start()};
}

bool isMutedBy(const QString& entry, const MuteFacts& event) {
    if (entry.isEmpty())
        return false;
    if (entry == event.externalIdentifier)
        return true;
    if (const qsizetype separator = entry.indexOf(kOccurrenceSeparator); separator >= 0)
        return isSameOccurrence(entry, separator, event);
    return !event.hasRecurrenceRules && entry == event.calendarItemIdentifier;
}

bool isMuted(const std::vector<QString>& entries, const MuteFacts& event) {
    for (const QString& entry : entries)
        if (isMutedBy(entry, event))
            return true;
    return false;
}

QString occurrenceMuteEntry(const MuteFacts& event) {
    if (!event.hasRecurrenceRules)
        return event.calendarItemIdentifier;
    return event.calendarItemIdentifier + kOccurrenceSeparator + referenceSeconds(event.start);
}

std::vector<std::size_t> keptAfterCollapsing(const std::vector<DuplicateFacts>& events,
                                             const QString& defaultCalendarId) {
    // Group key -> index in `kept` of the event representing the group.
    std::map<std::pair<QString, qint64>, std::size_t> groups;
    std::vector<std::size_t> kept;
    for (std::size_t i = 0; i < events.size(); ++i) {
        const DuplicateFacts& e = events[i];
        const QString name = e.title.isEmpty() ? e.externalIdentifier : e.title;
        if (name.isEmpty()) {
            kept.push_back(i);
            continue;
        }
        const auto [it, isNew] =
            groups.try_emplace({name, kit::msecsSinceEpoch(e.start)}, kept.size());
        if (isNew)
            kept.push_back(i);
        else if (e.calendarIdentifier == defaultCalendarId && !defaultCalendarId.isEmpty() &&
                 events[kept[it->second]].calendarIdentifier != defaultCalendarId)
            kept[it->second] = i;
    }
    return kept;
}

std::vector<platform::Event> collapseDuplicates(std::vector<platform::Event> events,
                                                const QString& defaultCalendarId) {
    std::vector<DuplicateFacts> facts;
    facts.reserve(events.size());
    for (const auto& e : events)
        facts.push_back(
            {e.title(), e.calendarItemExternalIdentifier(), e.start(), e.calendarIdentifier()});
    std::vector<platform::Event> kept;
    for (std::size_t i : keptAfterCollapsing(facts, defaultCalendarId))
        kept.push_back(std::move(events[i]));
    return kept;
}

} // namespace ruvo::events
