// SPDX-License-Identifier: GPL-3.0-or-later
// A length of time with attosecond resolution, stored as the JSON array of the two 64-bit
// halves of its attoseconds: [high (signed), low (unsigned)], "[195,2884905626637434880]"
// for one hour.
#pragma once

#include "kit/Time.h"

#include <QString>
#include <optional>

namespace ruvo::settings {

__extension__ using Int128 = __int128;

struct Duration {
    Int128 attoseconds = 0;

    static constexpr Int128 kPerSecond = 1'000'000'000'000'000'000;
    static Duration seconds(qint64 s) { return Duration{Int128(s) * kPerSecond}; }
    static Duration fromSeconds(double s);
    double toSeconds() const;
    kit::Milliseconds toMilliseconds() const;
    bool operator==(const Duration&) const = default;

    // The stored JSON text and its parser (exact: QJsonDocument would round the low half).
    QString storedText() const;
    static std::optional<Duration> fromStoredText(const QString& text);
};

} // namespace ruvo::settings
