// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/records/Appearance.h"

#include <QRegularExpression>

namespace ruvo::settings {

QString Rgba::text() const {
    return QStringLiteral("#%1%2%3%4")
        .arg(red, 2, 16, QLatin1Char('0'))
        .arg(green, 2, 16, QLatin1Char('0'))
        .arg(blue, 2, 16, QLatin1Char('0'))
        .arg(alpha, 2, 16, QLatin1Char('0'));
}

std::optional<Rgba> Rgba::fromText(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^#([0-9a-fA-F]{6}|[0-9a-fA-F]{8})$"));
    if (!form.match(text).hasMatch())
        return std::nullopt;
    const auto byte = [&](int at) {
        return static_cast<quint8>(text.mid(at, 2).toUInt(nullptr, 16));
    };
    return Rgba{byte(1), byte(3), byte(5), text.size() == 9 ? byte(7) : quint8{255}};
}

QJsonValue JsonCodec<FontDescriptor>::encode(const FontDescriptor& font) {
    return QJsonObject{{QStringLiteral("family"), font.family},
                       {QStringLiteral("pointSize"), font.pointSize},
                       {QStringLiteral("weight"), font.weight},
                       {QStringLiteral("italic"), font.italic}};
}

kit::Result<FontDescriptor> JsonCodec<FontDescriptor>::decode(const QJsonValue& json) {
    JsonFields f(json);
    FontDescriptor font;
    font.family = f.string("family");
    const QJsonValue size = f.value("pointSize");
    font.weight = static_cast<int>(f.integer("weight", 400));
    font.italic = f.boolean("italic", false);
    if (!f.isOk())
        return kit::fail(f.error());
    if (!size.isDouble() || size.toDouble() < 0 || size.toDouble() > 1000)
        return kit::fail(QStringLiteral("\"pointSize\" is not a font size"));
    font.pointSize = size.toDouble();
    return font;
}

} // namespace ruvo::settings
