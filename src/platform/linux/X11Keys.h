// SPDX-License-Identifier: GPL-3.0-or-later
// Stored shortcuts keep the key codes and modifier bits they were recorded with (the codes of
// a Mac keyboard's keys, and its Command, Shift, Option and Control bits). X11 grabs keys by
// keysym and modifier mask; this is the translation between the two.
#pragma once

#include <cstdint>
#include <optional>

namespace ruvo::platform {

struct X11Key {
    std::uint32_t keysym = 0;
    std::uint16_t modifiers = 0; // X11 masks: Shift 1, Control 4, Mod1 (Alt) 8, Mod4 (Super) 64
    bool operator==(const X11Key&) const = default;
};

// None for a key code the table does not know or a shortcut without any modifier but a
// function key (a plain letter grabbed system-wide would take the letter from every program).
std::optional<X11Key> x11Key(int carbonKeyCode, int carbonModifiers);

} // namespace ruvo::platform
