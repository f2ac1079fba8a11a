// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/Time.h"

#include <QTimeZone>

namespace ruvo::kit {

std::optional<Instant> parseIsoInstant(const QString& text, const QTimeZone& localZone) {
    const QString trimmed = text.trimmed();
    if (!trimmed.contains(QLatin1Char('T')))
        return std::nullopt;
    QDateTime dt = QDateTime::fromString(trimmed, Qt::ISODateWithMs);
    if (!dt.isValid())
        return std::nullopt;
    if (dt.timeSpec() == Qt::LocalTime)
        dt = QDateTime(dt.date(), dt.time(), localZone);
    if (!dt.isValid())
        return std::nullopt;
    return fromQDateTime(dt);
}

QString formatIsoUtc(Instant t) {
    const QDateTime dt = toQDateTime(t);
    return dt.toString(dt.time().msec() == 0 ? Qt::ISODate : Qt::ISODateWithMs);
}

} // namespace ruvo::kit
