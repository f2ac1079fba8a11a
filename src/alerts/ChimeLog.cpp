// SPDX-License-Identifier: GPL-3.0-or-later
#include "alerts/ChimeLog.h"

Q_LOGGING_CATEGORY(lcChime, "ruvo.alerts")
