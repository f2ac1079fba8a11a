// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a new event or reminder into the user's calendars: the one way every front end
// (the window, the command line, quick add) creates items. A calendar that is read-only or
// unknown is refused with a sentence for the user before the store is asked.
#pragma once

#include "kit/Result.h"
#include "platform/CalendarStore.h"

namespace ruvo::creation {

// The saved event as the store reads it back (its first occurrence).
kit::Result<platform::Event> saveNewEvent(platform::CalendarStore& store,
                                          const platform::EventDraft& draft);

// The saved reminder, as written.
kit::Result<platform::Reminder> saveNewReminder(platform::CalendarStore& store,
                                                const platform::ReminderDraft& draft);

} // namespace ruvo::creation
