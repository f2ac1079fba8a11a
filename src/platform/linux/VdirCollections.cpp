// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirCollections.h"

#include "platform/linux/VdirRecurrence.h"
#include "platform/linux/VdirRuleBudget.h"

#include <algorithm>

namespace ruvo::platform::vdir {

bool hasKind(const Collection& c, EntityType kind) {
    if (c.info.declaredKind)
        return *c.info.declaredKind == kind ||
               (kind == EntityType::event ? c.hasEvents : c.hasReminders);
    // A folder holding both (a CalDAV account's default calendar) is a calendar and a list.
    if (kind == EntityType::reminder)
        return c.hasReminders;
    return c.hasEvents || !c.hasReminders;
}

Calendar calendarOf(const Collection& c, EntityType kind) {
    return Calendar{c.info.identifier, c.info.title,       c.info.colour,         kind,
                    c.info.folder,     !c.info.isReadOnly, QStringLiteral("vdir")};
}

std::vector<Calendar> calendarsOf(const std::vector<Collection>& collections, EntityType kind) {
    std::vector<Calendar> result;
    for (const auto& c : collections)
        if (hasKind(c, kind))
            result.push_back(calendarOf(c, kind));
    return result;
}

const Collection* collectionWithIdentifier(const std::vector<Collection>& collections,
                                           const QString& identifier) {
    for (const auto& c : collections)
        if (c.info.identifier == identifier)
            return &c;
    return nullptr;
}

const Collection* firstCollectionOf(const std::vector<Collection>& collections, EntityType kind) {
    for (const auto& c : collections)
        if (c.info.isDefault && hasKind(c, kind))
            return &c;
    for (const auto& c : collections)
        if (hasKind(c, kind))
            return &c;
    return nullptr;
}

std::optional<Calendar> calendarWithIdentifierIn(const std::vector<Collection>& collections,
                                                 const QString& identifier) {
    const Collection* c = collectionWithIdentifier(collections, identifier);
    if (!c)
        return std::nullopt;
    return calendarOf(*c,
                      hasKind(*c, EntityType::event) ? EntityType::event : EntityType::reminder);
}

std::optional<Calendar> defaultCalendarIn(const std::vector<Collection>& collections) {
    const Collection* c = firstCollectionOf(collections, EntityType::event);
    return c ? std::optional(calendarOf(*c, EntityType::event)) : std::nullopt;
}

std::vector<Reminder> incompleteRemindersIn(const std::vector<Collection>& collections,
                                            const ReminderPredicate& p, const ZoneTable& zones,
                                            kit::Instant now) {
    std::vector<Reminder> result;
    const QString zone = zones.zoneId(zones.currentZone());
    const SharedRuleTime sharedTime;
    for (const auto& c : collections) {
        if (!c.hasReminders)
            continue;
        if (!p.calendarIdentifiers.empty() &&
            std::find(p.calendarIdentifiers.begin(), p.calendarIdentifiers.end(),
                      c.info.identifier) == p.calendarIdentifiers.end())
            continue;
        for (const auto& [name, entry] : c.files)
            for (std::size_t i = 0; i < entry.parsed.reminders.size(); ++i) {
                const Reminder& r = entry.parsed.reminders[i];
                if (r.isCompleted || !r.due)
                    continue;
                const std::optional<DueDate> next = nextDue(entry.parsed, i, zones, now);
                const kit::Instant due = dueInstant(next.value_or(*r.due), zone);
                if ((!p.start || due >= *p.start) && due < p.end) {
                    result.push_back(r);
                    result.back().due = next.value_or(*r.due);
                }
            }
    }
    return result;
}

} // namespace ruvo::platform::vdir
