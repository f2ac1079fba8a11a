// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/GlobalShortcutKeys.h"

#include "app/AppLog.h"
#include "settings/Keys.h"

namespace ruvo::app {

namespace keys = settings::keys;

namespace {
using ShortcutKey = decltype(keys::shortcut_toggleRuvo);

// Every shortcut name with its setting.
const std::pair<const char*, const ShortcutKey*> kNames[] = {
    {"toggleRuvo", &keys::shortcut_toggleRuvo},
    {"newEvent", &keys::shortcut_newEvent},
    {"joinMeeting", &keys::shortcut_joinMeeting},
    {"toggleFloatingClock", &keys::shortcut_toggleFloatingClock},
    {"dismissFullscreenNotification", &keys::shortcut_dismissFullscreenNotification},
};
} // namespace

GlobalShortcutKeys::GlobalShortcutKeys(const settings::Defaults& defaults,
                                       platform::ShortcutRegistry& registry, const QString& display)
    : m_defaults(defaults), m_registry(registry), m_grabber(display) {
    if (!m_grabber.isConnected())
        return;
    m_grabber.onPressed = [this](const QString& name) {
        if (!m_registry.trigger(name))
            qCInfo(lcApp) << "The shortcut" << name << "has no action";
    };
    std::vector<settings::KeyRef> watched;
    for (const auto& [name, key] : kNames)
        watched.push_back(*key);
    m_subscription = m_defaults.observe(watched, [this] { regrab(); });
    regrab();
}

void GlobalShortcutKeys::regrab() {
    std::map<QString, platform::X11Key> grabs;
    for (const auto& [name, key] : kNames) {
        const settings::ShortcutSetting setting = m_defaults.get(*key);
        if (setting.state != settings::ShortcutSetting::State::set)
            continue;
        const auto x11 =
            platform::x11Key(setting.shortcut.carbonKeyCode, setting.shortcut.carbonModifiers);
        if (!x11) {
            qCWarning(lcApp) << "The shortcut" << name << "has a key X11 cannot grab";
            continue;
        }
        grabs[QString::fromLatin1(name)] = *x11;
    }
    m_grabber.grab(grabs);
}

} // namespace ruvo::app
