// SPDX-License-Identifier: GPL-3.0-or-later
// Global shortcuts on X11: each key is grabbed on the root window over a connection of our
// own, in four variants (with and without CapsLock and NumLock, which X counts as modifiers),
// and grabbed again when the keyboard mapping changes (another layout puts the keysym on
// another key code). A press of a grabbed key reports the name it was grabbed for.
#pragma once

#include "platform/linux/X11Keys.h"

#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <functional>
#include <map>
#include <memory>

struct xcb_connection_t;

namespace ruvo::platform {

class X11KeyGrabber final : public QObject {
    Q_OBJECT
public:
    // Connects to `display` (empty: $DISPLAY). isConnected() tells whether that worked.
    explicit X11KeyGrabber(const QString& display = QString(), QObject* parent = nullptr);
    ~X11KeyGrabber() override;

    bool isConnected() const { return m_connection != nullptr; }

    // Replaces every grab. False for a name whose key has no key code on this keyboard or
    // that another program holds; the other names are grabbed all the same.
    bool grab(const std::map<QString, X11Key>& keys);

    std::function<void(const QString& name)> onPressed;

private:
    void ungrabAll();
    bool grabOne(const X11Key& key);
    void readEvents();
    std::uint8_t keyCodeOf(std::uint32_t keysym) const;

    xcb_connection_t* m_connection = nullptr;
    std::uint32_t m_root = 0;
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::map<QString, X11Key> m_keys;
    std::map<std::pair<std::uint8_t, std::uint16_t>, QString> m_grabbed; // (code, mods) -> name
};

} // namespace ruvo::platform
