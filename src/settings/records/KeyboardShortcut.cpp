// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/records/KeyboardShortcut.h"

namespace ruvo::settings {

QJsonValue JsonCodec<KeyboardShortcut>::encode(const KeyboardShortcut& s) {
    return QJsonObject{{QStringLiteral("carbonKeyCode"), s.carbonKeyCode},
                       {QStringLiteral("carbonModifiers"), s.carbonModifiers}};
}

kit::Result<KeyboardShortcut> JsonCodec<KeyboardShortcut>::decode(const QJsonValue& json) {
    JsonFields f(json);
    KeyboardShortcut s;
    s.carbonKeyCode = static_cast<int>(f.integer("carbonKeyCode"));
    s.carbonModifiers = static_cast<int>(f.integer("carbonModifiers"));
    if (!f.isOk())
        return kit::fail(f.error());
    return s;
}

} // namespace ruvo::settings
