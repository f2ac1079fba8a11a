// SPDX-License-Identifier: GPL-3.0-or-later
// DAILY, HOURLY, MINUTELY and SECONDLY rules with any BY parts, expanded here: each period of
// the rule's grid (counted from the first start) gives the times its BYHOUR, BYMINUTE and
// BYSECOND parts name, less those BYSETPOS leaves out; periods on days, hours or minutes the
// rule does not allow are skipped in one step each.
#pragma once

#include "platform/linux/VdirRecurrence.h"

#include <libical/ical.h>

namespace ruvo::platform::vdir {

void expandShortRule(const RecurrenceRule& rule, const icalrecurrencetype& recur,
                     LocalSeconds start, bool isAllDay, LocalSeconds from, LocalSeconds to,
                     const StartVisitor& visit, int limit);

} // namespace ruvo::platform::vdir
