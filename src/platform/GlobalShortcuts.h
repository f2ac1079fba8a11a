// SPDX-License-Identifier: GPL-3.0-or-later
// System-wide keyboard shortcuts by name ("toggleRuvo", ...): while a name has a shortcut,
// pressing it anywhere calls the handler on the main thread.
#pragma once

#include <QString>
#include <functional>

namespace ruvo::platform {

class GlobalShortcuts {
public:
    virtual ~GlobalShortcuts() = default;
    virtual void onKeyDown(const QString& name, std::function<void()> handler) = 0;
};

} // namespace ruvo::platform
