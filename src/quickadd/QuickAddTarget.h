// SPDX-License-Identifier: GPL-3.0-or-later
// Where a quick-add event is saved and what is handed to the store. The command line and the
// menu window's line choose the same calendar.
#pragma once

#include "kit/Result.h"
#include "platform/CalendarStore.h"
#include "quickadd/QuickAdd.h"

namespace ruvo::quickadd {

// The calendar `identifier` names; without one the default calendar for new events, or the
// first writable one when that is read-only. Fails, with the reason, for an unknown or
// read-only calendar and when no calendar can take events.
kit::Result<platform::Calendar> targetCalendar(const platform::CalendarStore& store,
                                               const QString& identifier);

// True when some event calendar can take a new event.
bool hasWritableCalendar(const platform::CalendarStore& store);

platform::EventDraft eventDraft(const QuickAddEvent& event, const QString& calendarIdentifier);

// The event as the store would hand it out once saved, for showing before it is.
platform::Event unsavedEvent(const QuickAddEvent& event, const QString& calendarIdentifier);

} // namespace ruvo::quickadd
