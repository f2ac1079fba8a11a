// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirLog.h"

Q_LOGGING_CATEGORY(lcVdir, "ruvo.platform.calendars")
