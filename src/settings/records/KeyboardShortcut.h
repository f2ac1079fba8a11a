// SPDX-License-Identifier: GPL-3.0-or-later
// A recorded global shortcut: a key code and a modifier mask, in the conventions the stored
// form has always used (the hot-key layer translates them for X11). And the setting of one
// shortcut name: never set (the name's default applies), removed by the user (stored as
// false, so a default does not come back), or a shortcut (stored as its JSON text).
#pragma once

#include "settings/Json.h"

#include <variant>

namespace ruvo::settings {

struct KeyboardShortcut {
    int carbonKeyCode = 0;
    int carbonModifiers = 0;
    bool operator==(const KeyboardShortcut&) const = default;
};

template <> struct JsonCodec<KeyboardShortcut> {
    static QJsonValue encode(const KeyboardShortcut& shortcut);
    static kit::Result<KeyboardShortcut> decode(const QJsonValue& json);
};

struct ShortcutSetting {
    enum class State { unset, removed, set };
    State state = State::unset;
    KeyboardShortcut shortcut; // meaningful when state == set

    static ShortcutSetting of(KeyboardShortcut s) { return {State::set, s}; }
    static ShortcutSetting removed() { return {State::removed, {}}; }
    bool operator==(const ShortcutSetting&) const = default;
};

// The prefix of the keys that shortcut names are stored under.
inline QString shortcutKeyName(const QString& name) {
    return QStringLiteral("KeyboardShortcuts_") + name;
}

} // namespace ruvo::settings
