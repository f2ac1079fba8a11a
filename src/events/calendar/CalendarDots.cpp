// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/calendar/CalendarDots.h"

#include "kit/LocalTime.h"

#include <QTimeZone>
#include <algorithm>
#include <map>

namespace ruvo::calendar {

QColor singleDotColour() {
    QColor gray = plainGray();
    gray.setAlphaF(0.8f);
    return gray;
}

QColor systemGray() {
    return QColor(0x8e, 0x8e, 0x93);
}

QColor plainGray() {
    return QColor(0x80, 0x80, 0x80);
}

QColor parseCalendarColour(const QString& text) {
    if (!text.startsWith(QLatin1Char('#')) || (text.size() != 7 && text.size() != 9))
        return {};
    bool ok = false;
    const uint value = QStringView(text).mid(1).toUInt(&ok, 16);
    if (!ok)
        return {};
    if (text.size() == 7)
        return QColor::fromRgb(QRgb(0xff000000u | value));
    return QColor(int(value >> 24), int((value >> 16) & 0xff), int((value >> 8) & 0xff),
                  int(value & 0xff));
}

QString colourName(const QColor& colour) {
    const QString rgb = colour.name(QColor::HexRgb);
    if (colour.alpha() == 255)
        return rgb;
    return rgb + QStringLiteral("%1").arg(colour.alpha(), 2, 16, QLatin1Char('0'));
}

std::vector<kit::Instant> dayStarts(const std::vector<QDate>& days, const QString& zoneId) {
    const QTimeZone zone = kit::zoneOrUtc(zoneId);
    std::vector<kit::Instant> starts;
    if (days.empty())
        return starts;
    starts.reserve(days.size() + 1);
    for (const QDate& day : days)
        starts.push_back(kit::fromQDateTime(day.startOfDay(zone)));
    starts.push_back(kit::fromQDateTime(days.back().addDays(1).startOfDay(zone)));
    return starts;
}

namespace {

QColor colourOf(const platform::Event& event, EventIndicatorsInCalendar indicator,
                const platform::CalendarStore& store, std::map<QString, QColor>& cache) {
    if (indicator == EventIndicatorsInCalendar::one)
        return singleDotColour();
    const QString& id = event.calendarIdentifier();
    if (const auto found = cache.find(id); found != cache.end())
        return found->second;
    QColor colour = plainGray();
    if (const auto calendar = store.calendarWithIdentifier(id)) {
        colour = parseCalendarColour(calendar->colour);
        if (!colour.isValid())
            colour = systemGray();
    }
    cache.emplace(id, colour);
    return colour;
}

// The first day index whose interval ends after `t`.
std::size_t dayAt(const std::vector<kit::Instant>& starts, kit::Instant t) {
    const auto it = std::upper_bound(starts.begin(), starts.end(), t);
    return it == starts.begin() ? 0 : std::size_t(it - starts.begin() - 1);
}

void addDistinct(std::vector<QColor>& dots, const QColor& colour) {
    if (dots.size() < kMaxDots && std::find(dots.begin(), dots.end(), colour) == dots.end())
        dots.push_back(colour);
}

} // namespace

DotsInput dotsInput(const events::EventQueries& queries, const std::vector<QDate>& days,
                    EventIndicatorsInCalendar indicator) {
    DotsInput input;
    input.dayStarts = dayStarts(days, queries.timeZoneId());
    if (input.dayStarts.empty() || indicator == EventIndicatorsInCalendar::none)
        return input;
    std::map<QString, QColor> cache;
    for (const platform::Event& event :
         queries.events(platform::DateRange{input.dayStarts.front(), input.dayStarts.back()}))
        input.events.push_back({event.start(), std::max(event.start(), event.end()),
                                colourOf(event, indicator, queries.store(), cache)});
    return input;
}

Dots computeDots(const DotsInput& input) {
    const auto& starts = input.dayStarts;
    if (starts.size() < 2)
        return {};
    const std::size_t dayCount = starts.size() - 1;
    Dots dots(dayCount);
    for (const DotEvent& event : input.events) {
        // A day [s, e) holds the event when start < e and end > s; an event without
        // duration belongs to the day its start falls in.
        const bool hasDuration = event.end > event.start;
        if (event.start >= starts.back() ||
            (hasDuration ? event.end <= starts.front() : event.start < starts.front()))
            continue;
        const std::size_t first = event.start < starts.front() ? 0 : dayAt(starts, event.start);
        std::size_t last = hasDuration ? dayAt(starts, event.end - kit::Milliseconds{1}) : first;
        last = std::min(last, dayCount - 1);
        for (std::size_t day = first; day <= last; ++day)
            addDistinct(dots[day], event.colour);
    }
    return dots;
}

} // namespace ruvo::calendar
