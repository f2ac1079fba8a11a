// SPDX-License-Identifier: GPL-3.0-or-later
// The stored global shortcuts, grabbed on X11 and kept in step with the settings: a press
// runs the action of its name through the shortcut registry.
#pragma once

#include "kit/Signal.h"
#include "platform/ShortcutRegistry.h"
#include "platform/linux/X11KeyGrabber.h"
#include "settings/Defaults.h"

namespace ruvo::app {

class GlobalShortcutKeys {
public:
    // `display`: the X display to grab on (empty: $DISPLAY).
    GlobalShortcutKeys(const settings::Defaults& defaults, platform::ShortcutRegistry& registry,
                       const QString& display = QString());

    bool isActive() const { return m_grabber.isConnected(); }

private:
    void regrab();

    const settings::Defaults& m_defaults;
    platform::ShortcutRegistry& m_registry;
    platform::X11KeyGrabber m_grabber;
    kit::Subscription m_subscription;
};

} // namespace ruvo::app
