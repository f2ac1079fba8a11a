// SPDX-License-Identifier: GPL-3.0-or-later
#include "alerts/HourlyChimeWindow.h"

#include <algorithm>
#include <vector>

namespace ruvo::alerts {

namespace {

constexpr qint64 kDayMs = 24 * 3600 * 1000;

int offsetMs(const QTimeZone& zone, qint64 utcMs) {
    return zone.offsetFromUtc(QDateTime::fromMSecsSinceEpoch(utcMs, Qt::UTC)) * 1000;
}

QDate localDate(kit::Instant t, const QTimeZone& zone) {
    return kit::toQDateTime(t).toTimeZone(zone).date();
}

QTime clamped(const settings::PlainHourMinuteTime& t) {
    return QTime(std::clamp(t.hour, 0, 23), std::clamp(t.minute, 0, 59));
}

} // namespace

kit::Instant firstInstantAt(QDate day, QTime time, const QTimeZone& zone) {
    // The wall-clock reading as if it were UTC; each offset the zone has around that day
    // gives one candidate, which counts when the zone really has that offset there.
    const qint64 wall = QDateTime(day, time, Qt::UTC).toMSecsSinceEpoch();
    std::vector<qint64> found;
    for (const qint64 probe : {wall - kDayMs, wall, wall + kDayMs}) {
        const qint64 candidate = wall - offsetMs(zone, probe);
        if (offsetMs(zone, candidate) == wall - candidate)
            found.push_back(candidate);
    }
    if (!found.empty())
        return kit::instantFromMSecs(*std::min_element(found.begin(), found.end()));
    // In a gap: the wall clock jumps over `time`; the first instant after the jump.
    const qint64 beforeGap = wall - offsetMs(zone, wall + kDayMs);
    const auto transition = zone.nextTransition(QDateTime::fromMSecsSinceEpoch(beforeGap, Qt::UTC));
    if (transition.atUtc.isValid())
        return kit::fromQDateTime(transition.atUtc);
    return kit::instantFromMSecs(wall - offsetMs(zone, wall)); // no transition data: best guess
}

ChimeWindow chimeWindow(QDate day, const settings::PlainHourMinuteTimeRange& range,
                        const QTimeZone& zone) {
    const kit::Instant start = firstInstantAt(day, clamped(range.start), zone);
    kit::Instant end = firstInstantAt(day, clamped(range.end), zone);
    if (end <= start)
        end = firstInstantAt(day.addDays(1), clamped(range.end), zone);
    return {start, end};
}

bool isInsideChimeWindow(kit::Instant t, const settings::PlainHourMinuteTimeRange& range,
                         const QTimeZone& zone) {
    // The two days differ only within the tolerance of a midnight.
    const QDate days[] = {localDate(t - kChimeWindowTolerance, zone),
                          localDate(t + kChimeWindowTolerance, zone)};
    return std::any_of(std::begin(days), std::end(days), [&](QDate day) {
        const ChimeWindow w = chimeWindow(day, range, zone);
        return w.start - kChimeWindowTolerance <= t && t <= w.end + kChimeWindowTolerance;
    });
}

} // namespace ruvo::alerts
