// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/exclusion/ExclusionLog.h"

Q_LOGGING_CATEGORY(lcExclusion, "ruvo.exclusion")
