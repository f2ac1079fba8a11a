// SPDX-License-Identifier: GPL-3.0-or-later
// Colours and fonts as the settings keep them, free of any GUI library: views convert.
// A colour is stored as the string "#rrggbbaa"; a font as the JSON text of its descriptor.
#pragma once

#include "settings/Json.h"

namespace ruvo::settings {

struct Rgba {
    quint8 red = 0;
    quint8 green = 0;
    quint8 blue = 0;
    quint8 alpha = 255;

    QString text() const; // "#rrggbbaa"
    // Accepts "#rrggbb" and "#rrggbbaa".
    static std::optional<Rgba> fromText(const QString& text);
    bool operator==(const Rgba&) const = default;
};

struct FontDescriptor {
    QString family;
    double pointSize = 0; // 0: the size the view would use anyway
    int weight = 400;     // CSS weights, 100...900
    bool italic = false;
    bool operator==(const FontDescriptor&) const = default;
};

template <> struct JsonCodec<FontDescriptor> {
    static QJsonValue encode(const FontDescriptor& font);
    static kit::Result<FontDescriptor> decode(const QJsonValue& json);
};

} // namespace ruvo::settings
