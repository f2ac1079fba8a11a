// SPDX-License-Identifier: GPL-3.0-or-later
// A key combination pressed in a shortcut recorder, in the stored form of a KeyboardShortcut
// (a Mac keyboard's key position and modifier bits, which the hot-key layer translates for
// X11), and the reasons a combination is refused.
#pragma once

#include "platform/ShortcutConflicts.h"
#include "settings/records/KeyboardShortcut.h"

#include <QKeyCombination>
#include <optional>
#include <vector>

namespace ruvo::preferences {

// None for a key the stored form has no code for.
std::optional<settings::KeyboardShortcut> storedShortcut(QKeyCombination keys);
std::optional<QKeyCombination> keyCombination(const settings::KeyboardShortcut& shortcut);

// "Ctrl+Alt+K" in the desktop's words, or empty for a code no key has.
QString shortcutText(const settings::KeyboardShortcut& shortcut);

// A shortcut of Ruvo's own windows and menus, which a global grab would take away.
struct OwnShortcut {
    QKeyCombination keys;
    const char* title; // QT_TRANSLATE_NOOP("ShortcutKeys", ...)
};
const std::vector<OwnShortcut>& ownShortcuts();

// Why `keys` cannot be recorded, or nothing when it can. `desktop` may be null (the desktop's
// own shortcuts are then not known).
std::optional<QString> refusalOf(QKeyCombination keys, const platform::ShortcutConflicts* desktop);

} // namespace ruvo::preferences
