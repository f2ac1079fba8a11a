// SPDX-License-Identifier: GPL-3.0-or-later
// The stored global shortcuts, kept in step with the settings: grabbed on X11, or bound
// through the desktop's global shortcuts portal on Wayland and when an X11 grab fails. A
// press runs the action of its name through the shortcut registry. Without either, the
// desktop's own shortcut settings run `ruvo action ...`.
#pragma once

#include "kit/Signal.h"
#include "platform/ShortcutRegistry.h"
#include "platform/linux/PortalGlobalShortcuts.h"
#include "platform/linux/X11KeyGrabber.h"
#include "settings/Defaults.h"

#include <QDBusConnection>
#include <memory>
#include <optional>

namespace ruvo::app {

class GlobalShortcutKeys {
public:
    struct Backends {
        bool isX11 = false; // the session is X11: grab the keys ourselves first
        QString display;    // the X display to grab on (empty: $DISPLAY)
        std::optional<QDBusConnection> portalBus; // where to look for the portal; none: never
    };

    GlobalShortcutKeys(const settings::Defaults& defaults, platform::ShortcutRegistry& registry,
                       Backends backends);
    ~GlobalShortcutKeys();

    // The portal binds the shortcuts (rather than X11 grabs).
    bool isUsingPortal() const { return m_isUsingPortal; }

private:
    void update();
    bool grabOnX11();
    void bindOnPortal();
    void onPortalAvailability(bool isAvailable);
    void onPressed(const QString& name);

    const settings::Defaults& m_defaults;
    platform::ShortcutRegistry& m_registry;
    std::unique_ptr<platform::X11KeyGrabber> m_grabber;
    std::unique_ptr<platform::PortalGlobalShortcuts> m_portal;
    bool m_isUsingPortal = false;
    kit::Subscription m_subscription;
};

} // namespace ruvo::app
