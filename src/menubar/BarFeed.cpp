// SPDX-License-Identifier: GPL-3.0-or-later
#include "menubar/BarFeed.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace ruvo::menubar {

namespace {

QString compact(const QJsonObject& object) {
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

} // namespace

QString barHeader(BarFormat format) {
    if (format == BarFormat::waybar)
        return {};
    return compact(QJsonObject{{QStringLiteral("version"), 1}}) + QStringLiteral("\n[\n");
}

QString barLine(BarFormat format, const BarState& state, bool isFirst) {
    if (format == BarFormat::waybar) {
        const QString cls =
            state.hasSeconds ? QStringLiteral("ruvo seconds") : QStringLiteral("ruvo");
        return compact(QJsonObject{{QStringLiteral("text"), state.text},
                                   {QStringLiteral("tooltip"), state.toolTip},
                                   {QStringLiteral("class"), cls}}) +
               QLatin1Char('\n');
    }
    const QJsonObject block{{QStringLiteral("name"), QStringLiteral("ruvo")},
                            {QStringLiteral("full_text"), state.text},
                            {QStringLiteral("short_text"), state.text}};
    const QString array =
        QString::fromUtf8(QJsonDocument(QJsonArray{block}).toJson(QJsonDocument::Compact));
    return (isFirst ? QString() : QStringLiteral(",")) + array + QLatin1Char('\n');
}

} // namespace ruvo::menubar
