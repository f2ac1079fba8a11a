// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/PlatformLog.h"

Q_LOGGING_CATEGORY(lcPlatform, "ruvo.platform")
