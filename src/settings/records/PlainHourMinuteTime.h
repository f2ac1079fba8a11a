// SPDX-License-Identifier: GPL-3.0-or-later
// A wall-clock time of day without a date, and a daily window made of two of them.
#pragma once

#include "settings/Json.h"

namespace ruvo::settings {

struct PlainHourMinuteTime {
    int hour = 0;   // 0...23
    int minute = 0; // 0...59
    bool operator==(const PlainHourMinuteTime&) const = default;
};

struct PlainHourMinuteTimeRange {
    PlainHourMinuteTime start;
    PlainHourMinuteTime end;
    bool operator==(const PlainHourMinuteTimeRange&) const = default;
};

template <> struct JsonCodec<PlainHourMinuteTime> {
    static QJsonValue encode(const PlainHourMinuteTime& time);
    static kit::Result<PlainHourMinuteTime> decode(const QJsonValue& json);
};

template <> struct JsonCodec<PlainHourMinuteTimeRange> {
    static QJsonValue encode(const PlainHourMinuteTimeRange& range);
    static kit::Result<PlainHourMinuteTimeRange> decode(const QJsonValue& json);
};

} // namespace ruvo::settings
