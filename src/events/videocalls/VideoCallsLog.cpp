// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/videocalls/VideoCallsLog.h"

Q_LOGGING_CATEGORY(lcVideoCalls, "ruvo.videocalls")
