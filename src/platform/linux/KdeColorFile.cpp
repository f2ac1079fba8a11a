// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/KdeColorFile.h"

#include <QColor>
#include <QStandardPaths>
#include <QStringList>

namespace ruvo::platform {

namespace {

// "239,240,241" (or with alpha), the way KDE writes colours; "#rrggbb" as well.
std::optional<QColor> parseColour(const QString& value) {
    const QStringList parts = value.trimmed().split(QLatin1Char(','));
    if (parts.size() == 3 || parts.size() == 4) {
        int channels[3];
        for (int i = 0; i < 3; ++i) {
            bool ok = false;
            channels[i] = parts[i].trimmed().toInt(&ok);
            if (!ok || channels[i] < 0 || channels[i] > 255)
                return std::nullopt;
        }
        return QColor(channels[0], channels[1], channels[2]);
    }
    const QColor named = QColor::fromString(value.trimmed());
    return named.isValid() ? std::optional(named) : std::nullopt;
}

} // namespace

std::optional<bool> kdeColorsPreferDark(const QString& kdeglobals) {
    bool inWindowColours = false;
    const QStringList lines = kdeglobals.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size() && i < kMaxKdeGlobalsLines; ++i) {
        const QString line = lines[i].trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inWindowColours = line == QLatin1String("[Colors:Window]");
            continue;
        }
        if (!inWindowColours || !line.startsWith(QLatin1String("BackgroundNormal")))
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0 || line.left(equals).trimmed() != QLatin1String("BackgroundNormal"))
            continue;
        const auto colour = parseColour(line.mid(equals + 1));
        if (!colour)
            return std::nullopt;
        return colour->lightness() < 128;
    }
    return std::nullopt;
}

QString kdeGlobalsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/kdeglobals");
}

} // namespace ruvo::platform
