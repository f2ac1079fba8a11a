// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/GlobalShortcutKeys.h"

#include "app/AppLog.h"
#include "platform/linux/PortalTrigger.h"
#include "settings/Keys.h"

#include <QCoreApplication>

namespace ruvo::app {

namespace keys = settings::keys;

namespace {
using ShortcutKey = decltype(keys::shortcut_toggleRuvo);

struct Name {
    const char* name;
    const ShortcutKey* key;
    const char* description; // what the desktop shows in its shortcut settings
};

// Every shortcut name with its setting.
const Name kNames[] = {
    {"toggleRuvo", &keys::shortcut_toggleRuvo,
     QT_TRANSLATE_NOOP("GlobalShortcutKeys", "Toggle Ruvo window")},
    {"newEvent", &keys::shortcut_newEvent,
     QT_TRANSLATE_NOOP("GlobalShortcutKeys", "New event or reminder")},
    {"joinMeeting", &keys::shortcut_joinMeeting,
     QT_TRANSLATE_NOOP("GlobalShortcutKeys", "Join video call")},
    {"toggleFloatingClock", &keys::shortcut_toggleFloatingClock,
     QT_TRANSLATE_NOOP("GlobalShortcutKeys", "Toggle floating clock")},
    {"dismissFullscreenNotification", &keys::shortcut_dismissFullscreenNotification,
     QT_TRANSLATE_NOOP("GlobalShortcutKeys", "Dismiss full-screen notification")},
};
} // namespace

GlobalShortcutKeys::GlobalShortcutKeys(const settings::Defaults& defaults,
                                       platform::ShortcutRegistry& registry, Backends backends)
    : m_defaults(defaults), m_registry(registry) {
    if (backends.isX11) {
        m_grabber = std::make_unique<platform::X11KeyGrabber>(backends.display);
        m_grabber->onPressed = [this](const QString& name) { onPressed(name); };
    }
    m_isUsingPortal = !m_grabber || !m_grabber->isConnected();
    if (backends.portalBus) {
        m_portal = std::make_unique<platform::PortalGlobalShortcuts>(*backends.portalBus);
        m_portal->onActivated = [this](const QString& name) { onPressed(name); };
        m_portal->onAvailability = [this](bool isAvailable) { onPortalAvailability(isAvailable); };
    }
    std::vector<settings::KeyRef> watched;
    for (const Name& name : kNames)
        watched.push_back(*name.key);
    m_subscription = m_defaults.observe(watched, [this] { update(); });
    update();
}

GlobalShortcutKeys::~GlobalShortcutKeys() = default;

void GlobalShortcutKeys::onPressed(const QString& name) {
    if (!m_registry.trigger(name))
        qCInfo(lcApp) << "The shortcut" << name << "has no action";
}

void GlobalShortcutKeys::update() {
    if (!m_isUsingPortal && !grabOnX11() && m_portal &&
        m_portal->availability() != platform::PortalGlobalShortcuts::Availability::unavailable) {
        qCInfo(lcApp) << "Binding the global shortcuts through the desktop portal instead";
        m_grabber->grab({});
        m_isUsingPortal = true;
    }
    if (m_isUsingPortal)
        bindOnPortal();
}

bool GlobalShortcutKeys::grabOnX11() {
    std::map<QString, platform::X11Key> grabs;
    for (const Name& name : kNames) {
        const settings::ShortcutSetting setting = m_defaults.get(*name.key);
        if (setting.state != settings::ShortcutSetting::State::set)
            continue;
        const auto x11 =
            platform::x11Key(setting.shortcut.carbonKeyCode, setting.shortcut.carbonModifiers);
        if (!x11) {
            qCWarning(lcApp) << "The shortcut" << name.name << "has a key X11 cannot grab";
            continue;
        }
        grabs[QString::fromLatin1(name.name)] = *x11;
    }
    return m_grabber->grab(grabs);
}

void GlobalShortcutKeys::bindOnPortal() {
    if (!m_portal)
        return;
    std::vector<platform::PortalGlobalShortcuts::Shortcut> shortcuts;
    for (const Name& name : kNames) {
        const settings::ShortcutSetting setting = m_defaults.get(*name.key);
        if (setting.state != settings::ShortcutSetting::State::set)
            continue;
        const auto trigger = platform::portalTrigger(setting.shortcut.carbonKeyCode,
                                                     setting.shortcut.carbonModifiers);
        shortcuts.push_back({QString::fromLatin1(name.name),
                             QCoreApplication::translate("GlobalShortcutKeys", name.description),
                             trigger.value_or(QString())});
    }
    m_portal->bind(std::move(shortcuts));
}

void GlobalShortcutKeys::onPortalAvailability(bool isAvailable) {
    if (isAvailable || !m_isUsingPortal)
        return;
    if (m_grabber && m_grabber->isConnected()) {
        m_isUsingPortal = false; // no portal after all: keep what X11 could grab
        grabOnX11();
        return;
    }
    qCInfo(lcApp) << "No way to register global shortcuts here: bind `ruvo action ...` in the "
                     "desktop's keyboard settings";
}

} // namespace ruvo::app
