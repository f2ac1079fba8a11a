// SPDX-License-Identifier: GPL-3.0-or-later
// The log category of the chime and the sounds.
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcChime)
