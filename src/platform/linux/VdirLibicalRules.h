// SPDX-License-Identifier: GPL-3.0-or-later
// The rules the direct expansion does not take: WEEKLY, MONTHLY and YEARLY ones through
// libical's iterator, unless their day parts can never meet; DAILY and shorter ones are
// expanded here (VdirShortRules), where libical's iterator loses the rule's grid of periods
// when moved to a window and steps through unwanted days one second or minute at a time.
#pragma once

#include "platform/linux/VdirRecurrence.h"

namespace ruvo::platform::vdir {

void expandWithLibical(const RecurrenceRule& rule, LocalSeconds start, bool isAllDay,
                       LocalSeconds from, LocalSeconds to, const StartVisitor& visit, int limit);

} // namespace ruvo::platform::vdir
