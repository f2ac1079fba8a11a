// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/records/ZuTimeZone.h"

#include "kit/SystemTimeZones.h"

#include <QStringList>

namespace ruvo::settings {

std::optional<ZuTimeZone> ZuTimeZone::make(const QString& identifier) {
    if (!kit::SystemTimeZones::isKnown(identifier))
        return std::nullopt;
    const QStringList parts = identifier.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return std::nullopt;
    if (identifier == QLatin1String("GMT"))
        return ZuTimeZone{identifier, QStringLiteral("UTC"), QStringLiteral("UTC")};
    QString city = parts.last();
    city.replace(QLatin1Char('_'), QLatin1Char(' '));
    return ZuTimeZone{identifier, parts.first(), city};
}

} // namespace ruvo::settings
