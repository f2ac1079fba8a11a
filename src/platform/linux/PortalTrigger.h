// SPDX-License-Identifier: GPL-3.0-or-later
// A stored shortcut in the desktop portal's trigger syntax: modifiers CTRL, ALT, SHIFT and
// LOGO joined by "+" before the key's keysym name ("CTRL+ALT+j", "LOGO+Left", "F1").
#pragma once

#include <QString>
#include <optional>

namespace ruvo::platform {

// None where the stored key has no X11 form either (see x11Key()).
std::optional<QString> portalTrigger(int carbonKeyCode, int carbonModifiers);

} // namespace ruvo::platform
