// SPDX-License-Identifier: GPL-3.0-or-later
// What the desktop itself already does with a key combination: the shortcut recorder refuses
// a combination the desktop's own shortcut settings hold, since a grab of ours would either
// fail or take the key away from the desktop.
#pragma once

#include <QKeyCombination>
#include <QString>
#include <optional>

namespace ruvo::platform {

class ShortcutConflicts {
public:
    virtual ~ShortcutConflicts() = default;

    // The desktop's name for the action bound to `keys` ("Switch to workspace 1"), or nothing
    // when the desktop does not use the combination or its settings cannot be read.
    virtual std::optional<QString> desktopActionUsing(QKeyCombination keys) const = 0;
};

} // namespace ruvo::platform
