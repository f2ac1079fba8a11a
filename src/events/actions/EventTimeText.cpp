// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/actions/EventTimeText.h"

#include "kit/IcuText.h"
#include "timezones/ChosenTimeZoneTexts.h"
#include "timezones/IcuFormat.h"
#include "timezones/ZoneTexts.h"

#include <unicode/dtitvfmt.h>

namespace ruvo::events::actions {

namespace {

constexpr kit::Seconds kDay{86400};

QString intervalText(const icu::Locale& locale, const char* skeleton, const QString& zoneId,
                     kit::Instant start, kit::Instant end) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::DateIntervalFormat> format(
        icu::DateIntervalFormat::createInstance(icu::UnicodeString(skeleton), locale, status));
    if (U_FAILURE(status) || !format)
        return {};
    format->adoptTimeZone(timezones::icuZone(zoneId).release());
    const icu::DateInterval interval(kit::toUDate(start), kit::toUDate(std::max(start, end)));
    icu::UnicodeString out;
    icu::FieldPosition position;
    format->format(&interval, out, position, status);
    return U_FAILURE(status) ? QString() : kit::fromIcu(out);
}

QString spanText(const platform::Event& event, const icu::Locale& locale, const QString& zoneId) {
    if (!event.isAllDay())
        return intervalText(locale, "yMMMEdjm", zoneId, event.start(), event.end());
    // All-day ends are exclusive midnights: the last day is the one before.
    const kit::Instant lastDay = std::max(event.start(), event.end() - kDay);
    return intervalText(locale, "yMMMEd", zoneId, event.start(), lastDay);
}

} // namespace

QString eventTimeText(const platform::Event& event, const kit::Environment& environment) {
    return spanText(event, environment.icuLocale(), environment.timeZoneId);
}

QString dueText(const platform::DueDate& due, const kit::Environment& environment) {
    const kit::Instant at = platform::dueInstant(due, environment.timeZoneId);
    auto format = timezones::skeletonFormat(
        environment.icuLocale(), due.time ? "yMMMEdjm" : "yMMMEd", environment.timeZoneId);
    return format ? timezones::format(*format, at) : QString();
}

std::vector<ZoneTimeText> otherZoneTimes(const platform::Event& event,
                                         const std::vector<settings::ChosenTimeZone>& zones,
                                         const kit::Environment& environment) {
    std::vector<ZoneTimeText> rows;
    if (event.isAllDay())
        return rows;
    const icu::Locale locale = environment.icuLocale();
    const int localOffset = timezones::utcOffsetSeconds(environment.timeZoneId, event.start());
    for (const auto& entry : zones) {
        const QString& id = entry.timeZone.identifier;
        if (!entry.showInMenu || timezones::utcOffsetSeconds(id, event.start()) == localOffset)
            continue;
        rows.push_back({timezones::displayName(entry), spanText(event, locale, id)});
    }
    return rows;
}

} // namespace ruvo::events::actions
