// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/X11KeyGrabber.h"

#include "platform/linux/PlatformLog.h"

#include <algorithm>
#include <cstdlib>
#include <xcb/xcb.h>

namespace ruvo::platform {

namespace {

constexpr std::uint16_t kLock = XCB_MOD_MASK_LOCK;
constexpr std::uint16_t kNumLock = XCB_MOD_MASK_2; // where every common layout puts NumLock
constexpr std::uint16_t kIgnored = kLock | kNumLock;

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter>;

} // namespace

X11KeyGrabber::X11KeyGrabber(const QString& display, QObject* parent) : QObject(parent) {
    const QByteArray name = display.toLocal8Bit();
    int screenNumber = 0;
    xcb_connection_t* connection =
        xcb_connect(name.isEmpty() ? nullptr : name.constData(), &screenNumber);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i)
        xcb_screen_next(&screens);
    if (screens.rem == 0) {
        xcb_disconnect(connection);
        return;
    }
    m_connection = connection;
    m_root = screens.data->root;
    m_notifier = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(m_connection),
                                                   QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, [this] { readEvents(); });
}

X11KeyGrabber::~X11KeyGrabber() {
    if (!m_connection)
        return;
    ungrabAll();
    xcb_disconnect(m_connection);
}

std::uint8_t X11KeyGrabber::keyCodeOf(std::uint32_t keysym) const {
    const xcb_setup_t* setup = xcb_get_setup(m_connection);
    const std::uint8_t first = setup->min_keycode;
    const int count = setup->max_keycode - first + 1;
    Reply<xcb_get_keyboard_mapping_reply_t> mapping(xcb_get_keyboard_mapping_reply(
        m_connection, xcb_get_keyboard_mapping(m_connection, first, count), nullptr));
    if (!mapping)
        return 0;
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(mapping.get());
    const int perCode = mapping->keysyms_per_keycode;
    // The unshifted and shifted levels of the key's first group.
    for (int level = 0; level < std::min(perCode, 2); ++level)
        for (int i = 0; i < count; ++i)
            if (syms[i * perCode + level] == keysym)
                return static_cast<std::uint8_t>(first + i);
    return 0;
}

bool X11KeyGrabber::grabOne(const X11Key& key) {
    const std::uint8_t code = keyCodeOf(key.keysym);
    if (code == 0)
        return false;
    bool isGrabbed = true;
    for (std::uint16_t extra : {std::uint16_t(0), kLock, kNumLock, kIgnored}) {
        const auto cookie = xcb_grab_key_checked(m_connection, 1, m_root, key.modifiers | extra,
                                                 code, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        if (Reply<xcb_generic_error_t> error{xcb_request_check(m_connection, cookie)})
            isGrabbed = false;
    }
    if (isGrabbed)
        m_grabbed[{code, key.modifiers}] = QString();
    return isGrabbed;
}

void X11KeyGrabber::ungrabAll() {
    for (const auto& [grab, name] : m_grabbed)
        for (std::uint16_t extra : {std::uint16_t(0), kLock, kNumLock, kIgnored})
            xcb_ungrab_key(m_connection, grab.first, m_root, grab.second | extra);
    xcb_flush(m_connection);
    m_grabbed.clear();
}

bool X11KeyGrabber::grab(const std::map<QString, X11Key>& keys) {
    if (!m_connection)
        return false;
    ungrabAll();
    m_keys = keys;
    bool isComplete = true;
    for (const auto& [name, key] : keys) {
        if (!grabOne(key)) {
            qCWarning(lcPlatform) << "The shortcut" << name
                                  << "could not be grabbed: no such key, or another program "
                                     "uses it";
            isComplete = false;
            continue;
        }
        m_grabbed[{keyCodeOf(key.keysym), key.modifiers}] = name;
    }
    xcb_flush(m_connection);
    return isComplete;
}

void X11KeyGrabber::readEvents() {
    bool isMappingChanged = false;
    while (Reply<xcb_generic_event_t> event{xcb_poll_for_event(m_connection)}) {
        const std::uint8_t type = event->response_type & 0x7f;
        if (type == XCB_MAPPING_NOTIFY) {
            isMappingChanged = true;
        } else if (type == XCB_KEY_PRESS) {
            const auto* press = reinterpret_cast<const xcb_key_press_event_t*>(event.get());
            const auto state = static_cast<std::uint16_t>(press->state & ~kIgnored & 0xff);
            const auto it = m_grabbed.find({press->detail, state});
            if (it != m_grabbed.end() && !it->second.isEmpty() && onPressed)
                onPressed(it->second);
        }
    }
    if (isMappingChanged)
        grab(std::map<QString, X11Key>(m_keys));
    if (xcb_connection_has_error(m_connection)) {
        qCWarning(lcPlatform) << "The X connection for global shortcuts broke";
        m_notifier->setEnabled(false);
    }
}

} // namespace ruvo::platform
