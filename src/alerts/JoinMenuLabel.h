// SPDX-License-Identifier: GPL-3.0-or-later
// The panel menu's entry for the next video call: "Join Weekly sync", the title on one line
// and cut to a length a menu can show.
#pragma once

#include <QString>

namespace ruvo::alerts {

inline constexpr int kJoinMenuTitleLimit = 40;

QString joinMenuLabel(const QString& title);

} // namespace ruvo::alerts
