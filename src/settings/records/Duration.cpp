// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/records/Duration.h"

#include <QRegularExpression>
#include <cmath>

namespace ruvo::settings {

Duration Duration::fromSeconds(double s) {
    const double whole = std::trunc(s);
    const double fraction = s - whole;
    return Duration{Int128(static_cast<qint64>(whole)) * kPerSecond +
                    Int128(static_cast<qint64>(std::llround(fraction * 1e18)))};
}

double Duration::toSeconds() const {
    return static_cast<double>(attoseconds / kPerSecond) +
           static_cast<double>(attoseconds % kPerSecond) / 1e18;
}

kit::Milliseconds Duration::toMilliseconds() const {
    return kit::Milliseconds{static_cast<qint64>(attoseconds / (kPerSecond / 1000))};
}

QString Duration::storedText() const {
    // Two's complement split: high = floor(value / 2^64), low = value mod 2^64.
    const auto high = static_cast<qint64>(attoseconds >> 64);
    const auto low = static_cast<quint64>(attoseconds & Int128(~quint64{0}));
    return QStringLiteral("[%1,%2]").arg(high).arg(low);
}

std::optional<Duration> Duration::fromStoredText(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral("^\\s*\\[\\s*(-?\\d+)\\s*,\\s*(\\d+)\\s*\\]\\s*$"));
    const auto match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    bool highOk = false;
    bool lowOk = false;
    const qint64 high = match.captured(1).toLongLong(&highOk);
    const quint64 low = match.captured(2).toULongLong(&lowOk);
    if (!highOk || !lowOk)
        return std::nullopt;
    return Duration{Int128(high) * (Int128(1) << 64) + Int128(low)};
}

} // namespace ruvo::settings
