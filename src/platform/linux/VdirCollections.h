// SPDX-License-Identifier: GPL-3.0-or-later
// What the loaded collections answer without their index: which are calendars or reminder
// lists, which is the default, and the open reminders. Shared by the store and by the
// commands' snapshot store, which holds only the files a query needs.
#pragma once

#include "platform/CalendarStore.h"
#include "platform/linux/VdirLoader.h"

namespace ruvo::platform::vdir {

// A folder that declares no kind is a calendar, a reminder list or both by what it holds.
bool hasKind(const Collection& c, EntityType kind);
Calendar calendarOf(const Collection& c, EntityType kind);
std::vector<Calendar> calendarsOf(const std::vector<Collection>& collections, EntityType kind);
const Collection* collectionWithIdentifier(const std::vector<Collection>& collections,
                                           const QString& identifier);
// The default collection of that kind, or else the first.
const Collection* firstCollectionOf(const std::vector<Collection>& collections, EntityType kind);
std::optional<Calendar> calendarWithIdentifierIn(const std::vector<Collection>& collections,
                                                 const QString& identifier);
std::optional<Calendar> defaultCalendarIn(const std::vector<Collection>& collections);

std::vector<Reminder> incompleteRemindersIn(const std::vector<Collection>& collections,
                                            const ReminderPredicate& p, const ZoneTable& zones,
                                            kit::Instant now);

} // namespace ruvo::platform::vdir
