// SPDX-License-Identifier: GPL-3.0-or-later
// Instants and the conversions between the representations the libraries use.
#pragma once

#include <QDateTime>
#include <QString>
#include <QTimeZone>
#include <chrono>
#include <optional>

namespace ruvo::kit {

using Milliseconds = std::chrono::milliseconds;
using Seconds = std::chrono::seconds;

// An absolute point in time, millisecond precision, independent of any zone.
using Instant = std::chrono::sys_time<Milliseconds>;

inline Instant instantFromMSecs(qint64 ms) {
    return Instant{Milliseconds{ms}};
}
inline qint64 msecsSinceEpoch(Instant t) {
    return t.time_since_epoch().count();
}

// ICU's UDate: milliseconds since the epoch as a double.
inline double toUDate(Instant t) {
    return static_cast<double>(msecsSinceEpoch(t));
}

inline QDateTime toQDateTime(Instant t) {
    return QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch(t), Qt::UTC);
}
inline Instant fromQDateTime(const QDateTime& dt) {
    return instantFromMSecs(dt.toMSecsSinceEpoch());
}

// Parses ISO 8601 with a date and a time ("2026-12-04T09:41:00-05:00", "...Z",
// fractional seconds allowed). A time without an offset is read in `localZone`.
std::optional<Instant> parseIsoInstant(const QString& text, const QTimeZone& localZone);

// "2026-12-04T14:41:00Z"; milliseconds only when not zero.
QString formatIsoUtc(Instant t);

} // namespace ruvo::kit
