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

// waybar reads "text" and "tooltip" as Pango markup; what we show there is plain text (an
// event's title among it), so every markup character is escaped.
QString pangoEscaped(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            out += QLatin1String("&amp;");
            break;
        case u'<':
            out += QLatin1String("&lt;");
            break;
        case u'>':
            out += QLatin1String("&gt;");
            break;
        case u'\'':
            out += QLatin1String("&apos;");
            break;
        case u'"':
            out += QLatin1String("&quot;");
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace

QString barHeader(BarFormat format) {
    if (format == BarFormat::waybar)
        return {};
    return compact(QJsonObject{{QStringLiteral("version"), 1}}) + QStringLiteral("\n[\n");
}

QString barLine(BarFormat format, const BarState& state, bool isFirst) {
    if (format == BarFormat::waybar) {
        const QString cls = !state.cssClass.isEmpty() ? state.cssClass
                            : state.hasSeconds        ? QStringLiteral("ruvo seconds")
                                                      : QStringLiteral("ruvo");
        return compact(QJsonObject{{QStringLiteral("text"), pangoEscaped(state.text)},
                                   {QStringLiteral("tooltip"), pangoEscaped(state.toolTip)},
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
