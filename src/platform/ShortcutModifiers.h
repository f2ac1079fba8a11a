// SPDX-License-Identifier: GPL-3.0-or-later
// The modifier bits of a stored shortcut (KeyboardShortcut::carbonModifiers): those a Mac
// keyboard's Command, Shift, Option and Control keys have always been recorded with. The
// recorder writes them and the hot-key layer reads them, so both take them from here.
#pragma once

namespace ruvo::platform::modifiers {

inline constexpr int kCommand = 1 << 8;
inline constexpr int kShift = 1 << 9;
inline constexpr int kOption = 1 << 11;
inline constexpr int kControl = 1 << 12;

} // namespace ruvo::platform::modifiers
