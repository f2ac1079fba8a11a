// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/EventsLog.h"

Q_LOGGING_CATEGORY(lcEvents, "ruvo.events")
