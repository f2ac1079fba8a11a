// SPDX-License-Identifier: GPL-3.0-or-later
// The time-zone library's logging category, ruvo.timezones.
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcTimeZones)
