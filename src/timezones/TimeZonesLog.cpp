// SPDX-License-Identifier: GPL-3.0-or-later
#include "timezones/TimeZonesLog.h"

Q_LOGGING_CATEGORY(lcTimeZones, "ruvo.timezones")
