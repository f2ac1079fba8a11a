// SPDX-License-Identifier: GPL-3.0-or-later
// The actions behind the shortcut names. Key grabbers (X11, the desktop portal) and the
// "ruvo action NAME" command trigger them by name.
#pragma once

#include "platform/GlobalShortcuts.h"

#include <QStringList>
#include <map>

namespace ruvo::platform {

class ShortcutRegistry final : public GlobalShortcuts {
public:
    void onKeyDown(const QString& name, std::function<void()> handler) override {
        if (handler)
            m_handlers[name] = std::move(handler);
        else
            m_handlers.erase(name);
    }

    // Runs the action of `name`; false when none is registered.
    bool trigger(const QString& name) const {
        const auto it = m_handlers.find(name);
        if (it == m_handlers.end())
            return false;
        it->second();
        return true;
    }

    QStringList names() const {
        QStringList list;
        for (const auto& [name, handler] : m_handlers)
            list << name;
        return list;
    }

private:
    std::map<QString, std::function<void()>> m_handlers;
};

} // namespace ruvo::platform
