// SPDX-License-Identifier: GPL-3.0-or-later
// A status item's menu entries as a QMenu, for the items that show the menu themselves.
#pragma once

#include "platform/StatusItem.h"

class QMenu;

namespace ruvo::platform {

// Replaces `menu`'s actions with `entries`; a chosen entry calls `chosen` with its id.
void fillStatusMenu(QMenu& menu, const std::vector<StatusMenuEntry>& entries,
                    const std::function<void(const QString& id)>& chosen);

} // namespace ruvo::platform
