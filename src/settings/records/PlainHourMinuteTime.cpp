// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/records/PlainHourMinuteTime.h"

namespace ruvo::settings {

QJsonValue JsonCodec<PlainHourMinuteTime>::encode(const PlainHourMinuteTime& t) {
    return QJsonObject{{QStringLiteral("hour"), t.hour}, {QStringLiteral("minute"), t.minute}};
}

kit::Result<PlainHourMinuteTime> JsonCodec<PlainHourMinuteTime>::decode(const QJsonValue& json) {
    JsonFields f(json);
    const qint64 hour = f.integer("hour");
    const qint64 minute = f.integer("minute");
    if (!f.isOk())
        return kit::fail(f.error());
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59)
        return kit::fail(QStringLiteral("%1:%2 is not a time of day").arg(hour).arg(minute));
    return PlainHourMinuteTime{static_cast<int>(hour), static_cast<int>(minute)};
}

QJsonValue JsonCodec<PlainHourMinuteTimeRange>::encode(const PlainHourMinuteTimeRange& r) {
    return QJsonObject{{QStringLiteral("start"), JsonCodec<PlainHourMinuteTime>::encode(r.start)},
                       {QStringLiteral("end"), JsonCodec<PlainHourMinuteTime>::encode(r.end)}};
}

kit::Result<PlainHourMinuteTimeRange>
JsonCodec<PlainHourMinuteTimeRange>::decode(const QJsonValue& json) {
    JsonFields f(json);
    const QJsonValue start = f.value("start");
    const QJsonValue end = f.value("end");
    if (!f.isOk())
        return kit::fail(f.error());
    auto s = JsonCodec<PlainHourMinuteTime>::decode(start);
    auto e = JsonCodec<PlainHourMinuteTime>::decode(end);
    if (!s)
        return kit::fail(s.error());
    if (!e)
        return kit::fail(e.error());
    return PlainHourMinuteTimeRange{*s, *e};
}

} // namespace ruvo::settings
