// SPDX-License-Identifier: GPL-3.0-or-later
#include "menubar/MenuBarLog.h"

Q_LOGGING_CATEGORY(lcMenuBar, "ruvo.menubar")
