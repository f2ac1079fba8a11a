// SPDX-License-Identifier: GPL-3.0-or-later
#include "quickadd/ClockReading.h"

#include <QRegularExpression>

namespace ruvo::quickadd {

namespace {

const QString kClock = QStringLiteral(R"((\d{1,2})(?:([:.])(\d{2}))?(am|pm|a\.m\.|p\.m\.)?)");

ClockReading readingOf(const QRegularExpressionMatch& m, int first) {
    ClockReading r;
    r.hour = m.captured(first).toInt();
    r.hasMinutes = m.capturedLength(first + 2) > 0;
    r.minute = r.hasMinutes ? m.captured(first + 2).toInt() : 0;
    r.hasColon = m.captured(first + 1) != QLatin1String(".");
    const QString suffix = m.captured(first + 3);
    if (!suffix.isEmpty())
        r.meridiem = suffix.startsWith(QLatin1Char('a')) ? Meridiem::am : Meridiem::pm;
    return r;
}

} // namespace

std::optional<ClockReading> readClock(const QString& word) {
    static const QRegularExpression pattern(QStringLiteral("^") + kClock +
                                            QStringLiteral("(uhr)?$"));
    const auto m = pattern.match(word);
    if (!m.hasMatch())
        return std::nullopt;
    ClockReading r = readingOf(m, 1);
    r.hasUhr = m.capturedLength(5) > 0;
    if (r.hasUhr && r.meridiem != Meridiem::none)
        return std::nullopt;
    return r;
}

std::optional<std::pair<ClockReading, ClockReading>> readClockRange(const QString& word) {
    static const QRegularExpression pattern(QStringLiteral("^") + kClock + QStringLiteral("[-–—]") +
                                            kClock + QStringLiteral("(uhr)?$"));
    const auto m = pattern.match(word);
    if (!m.hasMatch())
        return std::nullopt;
    ClockReading first = readingOf(m, 1);
    ClockReading second = readingOf(m, 5);
    first.hasUhr = second.hasUhr = m.capturedLength(9) > 0;
    return std::pair{first, second};
}

std::optional<QTime> timeOf(const ClockReading& reading, Meridiem meridiem, bool allowsTwentyFour) {
    if (reading.meridiem != Meridiem::none)
        meridiem = reading.meridiem;
    if (reading.minute > 59)
        return std::nullopt;
    if (meridiem == Meridiem::none) {
        if (allowsTwentyFour && reading.hour == 24 && reading.minute == 0)
            return QTime(0, 0);
        return reading.hour <= 23 ? std::optional(QTime(reading.hour, reading.minute))
                                  : std::nullopt;
    }
    if (reading.hour < 1 || reading.hour > 12)
        return std::nullopt;
    const int hour = reading.hour % 12 + (meridiem == Meridiem::pm ? 12 : 0);
    return QTime(hour, reading.minute);
}

} // namespace ruvo::quickadd
